#pragma once

#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "ui/board/board_window.h"

#include <QPlainTextEdit>
#include <QTest>

// Opens the board the way the main menu does and finds its note area.

inline Form8 *open_board()
{
    Form8 *board = Form8::open();
    return QTest::qWaitForWindowExposed(board) ? board : nullptr;
}

// The board "Party" in browse mode, its signature file holding the notes.
inline Form8 *open_browse(const TempAppFolder &app, const QStringList &notes)
{
    BoardSettings.title = QStringLiteral("Party");
    app.write(QStringLiteral("Party.sig"), sig_file(notes));
    load_notes(BoardSettings.title);
    board_mode = kBrowseMode;
    return open_board();
}

inline QPlainTextEdit *note_area(QWidget *board)
{
    return child<QPlainTextEdit>(board, QStringLiteral("Text1"));
}
