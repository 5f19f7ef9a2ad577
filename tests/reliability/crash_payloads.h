#pragma once

// The notes and boards the crash programs write, made from a number alone so
// that the test can tell what each acknowledged write must have left.

#include "core/board_file.h"

#include <QString>

// Note n: its own first and last line, and between them, by n, lines with
// Windows-1252 and other characters, empty lines, or a long run of text that
// takes the writer a while.
inline QString crash_note(qint64 n)
{
    QString text = QStringLiteral("note %1 begins").arg(n);
    switch (n % 5) {
    case 0:
        text += QStringLiteral("\r\nCafé – “merci” €%1").arg(n);
        break;
    case 1:
        text += QStringLiteral("\r\n\r\n你好 🎉 %1\r\n").arg(n);
        break;
    case 2:
        text += QStringLiteral("\r\n") + QString(5000 + int(n % 7) * 250, QChar(0x00E9));
        break;
    case 3:
        text += QStringLiteral("\r\n") + QString(2000, QChar(0x4E2D)) + QStringLiteral("\r\nend of the long part");
        break;
    default:
        break;
    }
    return text + QStringLiteral("\r\nnote %1 ends").arg(n);
}

// Board A and board B differ in every field and in size.
inline BoardDefinition crash_board(bool b)
{
    BoardDefinition board;
    board.title = QStringLiteral("Board");
    board.password = b ? QStringLiteral("bbb") : QString();
    board.backdrop_idx = b ? 6 : 1;
    board.theme_idx = b ? 0 : 5;
    board.save_sound = b ? QStringLiteral("chime") : QStringLiteral("ding");
    board.reset_sound = b ? QString() : QStringLiteral("whoosh");
    board.thanks_msg = b ? QStringLiteral("Merci – à bientôt") : QStringLiteral("Thank you!");
    QString welcome;
    const QString line = b ? QStringLiteral("Bienvenue à la fête, chers amis ! %1")
                           : QStringLiteral("Welcome 欢迎 to the party, line %1");
    for (int i = 0; i < (b ? 60000 : 40000); ++i)
        welcome += line.arg(i) + QStringLiteral("\r\n");
    board.welcome_msg = welcome;
    return board;
}
