// The board by keyboard and screen reader: Tab is never typed, Ctrl+Return
// saves, Page Down and Page Up page, and the note area's description tells
// the title, the welcome message and the position.

#include "tests/ui/board/board_driver.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>

namespace {

const QString kSig = QStringLiteral("Party.sig");

} // namespace

class TestBoardKeys : public WindowTest {
    Q_OBJECT
private slots:
    void init()
    {
        open_fixture();
        BoardSettings.title = QStringLiteral("Party");
    }

    void guest_types_and_saves_with_ctrl_return()
    {
        BoardSettings.thanks_msg = QStringLiteral("Thanks!");
        BoardSettings.welcome_msg = QStringLiteral("Welcome\r\nfriends\r\n");
        Form8 *board = open_board();
        QVERIFY(board);
        QPlainTextEdit *text = note_area(board);
        QTRY_COMPARE(QApplication::focusWidget(), text);

        // An empty note: Ctrl+Return does nothing, as the button would.
        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(messages->boxes.isEmpty());
        QVERIFY(!QFile::exists(folder->file(kSig)));

        QTest::keyClicks(text, QStringLiteral("Hello keyboard"));
        QTest::keyClick(text, Qt::Key_Tab);
        QTest::keyClick(text, Qt::Key_Backtab);
        QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), QStringLiteral("Hello keyboard"));
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("line two"));

        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(folder->read(kSig), QByteArray("Hello keyboard\r\nline two\r\n^~-^,./\r\n"));
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Thanks!")});
        QCOMPARE(text->toPlainText(), QString());
        QCOMPARE(QApplication::focusWidget(), text);

        // The keypad's Enter saves as well; paging keys are no guest's.
        QTest::keyClicks(text, QStringLiteral("x"));
        QTest::keyClick(text, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(messages->boxes.size(), 2);
        QTest::keyClicks(text, QStringLiteral("y"));
        QTest::keyClick(text, Qt::Key_PageDown);
        QCOMPARE(messages->boxes.size(), 2);
        QCOMPARE(folder->read(kSig), QByteArray("Hello keyboard\r\nline two\r\n^~-^,./\r\nx\r\n^~-^,./\r\n"));
    }

    void guest_board_tells_title_and_welcome()
    {
        BoardSettings.welcome_msg = QStringLiteral("Welcome\r\nfriends\r\n");
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
        BoardSettings.welcome_msg = QStringLiteral("Hi\r\n");
        Form8 *board = open_browse(*folder, {QStringLiteral("First"), QStringLiteral("Second")});
        QVERIFY(board);
        QPlainTextEdit *text = note_area(board);
        QTRY_COMPARE(QApplication::focusWidget(), text);
        auto *title = child<QLabel>(board, QStringLiteral("Label2"));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(board);
        QCOMPARE(window->text(QAccessible::Description), QStringLiteral("Signatures of Party"));
        QCOMPARE(text->accessibleDescription(), QStringLiteral("Party (1 of 2). Hi\n"));

        QTest::keyClick(text, Qt::Key_PageUp);
        QCOMPARE(messages->texts(), QStringList{"You are viewing the first signature on this Quillora."});
        QTest::keyClick(text, Qt::Key_PageDown);
        QCOMPARE(title->text(), QStringLiteral("Party (2 of 2)"));
        QCOMPARE(text->toPlainText(), QStringLiteral("Second\n"));
        QCOMPARE(text->accessibleDescription(), QStringLiteral("Party (2 of 2)"));
        QTest::keyClick(text, Qt::Key_PageDown);
        QCOMPARE(messages->boxes.size(), 2);
        QCOMPARE(messages->last(), QStringLiteral("You are viewing the last signature on this Quillora."));
        QTest::keyClick(text, Qt::Key_PageUp);
        QCOMPARE(title->text(), QStringLiteral("Party (1 of 2)"));
        QCOMPARE(text->accessibleDescription(), QStringLiteral("Party (1 of 2)"));

        // Ctrl+Return and Tab change nothing while browsing.
        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(text->toPlainText(), QStringLiteral("First\n"));
        QCOMPARE(messages->boxes.size(), 2);
        QCOMPARE(folder->read(kSig), sig_file({QStringLiteral("First"), QStringLiteral("Second")}));
    }
};

QTEST_MAIN(TestBoardKeys)
#include "test_board_keys.moc"
