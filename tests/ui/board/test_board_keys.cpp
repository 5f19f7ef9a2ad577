// The board by keyboard and screen reader: Tab is never typed, Ctrl+Return
// saves, Page Down and Page Up page, and the note area's description tells
// the title, the welcome message and the position.

#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "ui/board/board_window.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString kSig = QStringLiteral("Party.sig");

Form8 *open_board()
{
    Form8 *board = Form8::open();
    if (!QTest::qWaitForWindowActive(board))
        return nullptr;
    return board;
}

QPlainTextEdit *note_area(QWidget *board)
{
    return child<QPlainTextEdit>(board, QStringLiteral("Text1"));
}

} // namespace

class TestBoardKeys : public WindowTest {
    Q_OBJECT
private slots:
    void guest_types_and_saves_with_ctrl_return()
    {
        TempAppFolder app;
        BoardSettings.title = QStringLiteral("Party");
        BoardSettings.thanks_msg = QStringLiteral("Thanks!");
        BoardSettings.welcome_msg = QStringLiteral("Welcome\r\nfriends\r\n");
        MessageRecorder boxes;
        SoundRecorder sounds;
        board_mode = kGuestMode;
        Form8 *board = open_board();
        QVERIFY(board);
        QPlainTextEdit *text = note_area(board);
        QTRY_COMPARE(QApplication::focusWidget(), text);

        // An empty note: Ctrl+Return does nothing, as the button would.
        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(!QFile::exists(app.file(kSig)));

        QTest::keyClicks(text, QStringLiteral("Hello keyboard"));
        QTest::keyClick(text, Qt::Key_Tab);
        QTest::keyClick(text, Qt::Key_Backtab);
        QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), QStringLiteral("Hello keyboard"));
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("line two"));

        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(app.read(kSig), QByteArray("Hello keyboard\r\nline two\r\n^~-^,./\r\n"));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Thanks!")});
        QCOMPARE(text->toPlainText(), QString());
        QCOMPARE(QApplication::focusWidget(), text);

        // The keypad's Enter saves as well; paging keys are no guest's.
        QTest::keyClicks(text, QStringLiteral("x"));
        QTest::keyClick(text, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(boxes.boxes.size(), 2);
        QTest::keyClicks(text, QStringLiteral("y"));
        QTest::keyClick(text, Qt::Key_PageDown);
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(app.read(kSig), QByteArray("Hello keyboard\r\nline two\r\n^~-^,./\r\nx\r\n^~-^,./\r\n"));
    }

    void guest_board_tells_title_and_welcome()
    {
        TempAppFolder app;
        BoardSettings.title = QStringLiteral("Party");
        BoardSettings.welcome_msg = QStringLiteral("Welcome\r\nfriends\r\n");
        board_mode = kGuestMode;
        Form8 *board = open_board();
        QVERIFY(board);
        QCOMPARE(board->windowTitle(), QStringLiteral("Quillora 2003"));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(board);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Description), QStringLiteral("Sign-in board Party"));
        QCOMPARE(note_area(board)->accessibleDescription(),
                 QStringLiteral("Party. Welcome\nfriends\nPress Ctrl+Return to save your note."));
    }

    void browse_pages_by_keys()
    {
        TempAppFolder app;
        MessageRecorder boxes;
        SoundRecorder sounds;
        BoardSettings.title = QStringLiteral("Party");
        BoardSettings.welcome_msg = QStringLiteral("Hi\r\n");
        app.write(kSig, sig_file({QStringLiteral("First"), QStringLiteral("Second")}));
        load_notes(BoardSettings.title);
        board_mode = kBrowseMode;
        Form8 *board = open_board();
        QVERIFY(board);
        QPlainTextEdit *text = note_area(board);
        QTRY_COMPARE(QApplication::focusWidget(), text);
        auto *title = child<QLabel>(board, QStringLiteral("Label2"));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(board);
        QCOMPARE(window->text(QAccessible::Description), QStringLiteral("Signatures of Party"));
        QCOMPARE(text->accessibleDescription(), QStringLiteral("Party (1 of 2). Hi\n"));

        QTest::keyClick(text, Qt::Key_PageUp);
        QCOMPARE(boxes.texts(), QStringList{"You are viewing the first signature on this Quillora."});
        QTest::keyClick(text, Qt::Key_PageDown);
        QCOMPARE(title->text(), QStringLiteral("Party (2 of 2)"));
        QCOMPARE(text->toPlainText(), QStringLiteral("Second\n"));
        QCOMPARE(text->accessibleDescription(), QStringLiteral("Party (2 of 2)"));
        QTest::keyClick(text, Qt::Key_PageDown);
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.last(), QStringLiteral("You are viewing the last signature on this Quillora."));
        QTest::keyClick(text, Qt::Key_PageUp);
        QCOMPARE(title->text(), QStringLiteral("Party (1 of 2)"));
        QCOMPARE(text->accessibleDescription(), QStringLiteral("Party (1 of 2)"));

        // Ctrl+Return and Tab change nothing while browsing.
        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(text->toPlainText(), QStringLiteral("First\n"));
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(app.read(kSig), sig_file({QStringLiteral("First"), QStringLiteral("Second")}));
    }
};

QTEST_MAIN(TestBoardKeys)
#include "test_board_keys.moc"
