
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "ui/board/board_window.h"
#include "ui/board/export_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTextBlock>

namespace {

const QString kRule = QString(60, QLatin1Char('-'));
const QString kCopied = QStringLiteral("Your signatures were copied to the clipboard successfully.");

Form8 *open_browse(const TempAppFolder &app, const QString &title, const QStringList &notes)
{
    BoardSettings.title = title;
    app.write(title + QStringLiteral(".sig"), sig_file(notes));
    load_notes(title);
    board_mode = kBrowseMode;
    Form8 *board = Form8::open();
    return QTest::qWaitForWindowExposed(board) ? board : nullptr;
}

QMainWindow *run_export(QWidget *board)
{
    board->findChild<QAction *>(QStringLiteral("export"))->trigger();
    return qobject_cast<QMainWindow *>(find_window(QStringLiteral("Form10")));
}

QPlainTextEdit *shown_text(QWidget *window)
{
    return child<QPlainTextEdit>(window, QStringLiteral("Text1"));
}

// What the clipboard holds after "Copy to Clipboard".
QString copied_text(QWidget *window, MessageRecorder &boxes)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    window->findChild<QAction *>(QStringLiteral("cpc"))->trigger();
    if (boxes.last() != kCopied)
        return QStringLiteral("<no success message>");
    return QGuiApplication::clipboard()->text();
}

} // namespace

class TestExportWindow : public WindowTest {
    Q_OBJECT
private slots:
    void export_of_the_example_board();
    void export_without_notes_and_with_odd_notes();
    void export_of_many_notes();
    void window_look();
    void second_export_reuses_the_window();
};

void TestExportWindow::export_of_the_example_board()
{
    TempAppFolder app;
    MessageRecorder boxes;
    const QString title = QStringLiteral("Joe's Graduation Party");
    Form8 *board = open_browse(app, title, {QStringLiteral("Hi"), QStringLiteral("Bye")});
    QVERIFY(board);
    QTest::mouseClick(child<QWidget>(board, QStringLiteral("Image2_1")), Qt::LeftButton);
    QCOMPARE(sig_pos, 1);

    QMainWindow *window = run_export(board);
    QVERIFY(window);
    const QString expected = QStringLiteral("Joe's Graduation Party Signatures\r\n\r\nHi\r\n") + kRule
                           + QStringLiteral("\r\nBye\r\n") + kRule + QStringLiteral("\r\n");
    QCOMPARE(copied_text(window, boxes), expected);
    QCOMPARE(boxes.boxes.last().first, MessageIcon::Information);
    QCOMPARE(shown_text(window)->toPlainText(),
             QStringLiteral("Joe's Graduation Party Signatures\n\nHi\n") + kRule
                 + QStringLiteral("\nBye\n") + kRule + QStringLiteral("\n"));

    // The board still shows the note it showed before.
    QCOMPARE(sig_pos, 1);
    QCOMPARE(child<QLabel>(board, QStringLiteral("Label2"))->text(),
             QStringLiteral("Joe's Graduation Party (2 of 2)"));
    QCOMPARE(shown_text(board)->toPlainText(), QStringLiteral("Bye\n"));
    QCOMPARE(window->windowIcon().cacheKey(), board->windowIcon().cacheKey());
}

void TestExportWindow::export_without_notes_and_with_odd_notes()
{
    {
        TempAppFolder app;
        MessageRecorder boxes;
        Form8 *board = open_browse(app, QStringLiteral("Party"), {});
        QVERIFY(board);
        QMainWindow *window = run_export(board);
        QVERIFY(window);
        QCOMPARE(copied_text(window, boxes), QStringLiteral("Party Signatures\r\n\r\n"));
        close_all_windows();
    }
    TempAppFolder app;
    MessageRecorder boxes;
    Form8 *board = open_browse(app, QStringLiteral("Party"),
                               {QStringLiteral("Top\n\nBottom"), QStringLiteral(" "),
                                QStringLiteral("Line 1\nLine 2")});
    QVERIFY(board);
    QMainWindow *window = run_export(board);
    QVERIFY(window);
    QCOMPARE(copied_text(window, boxes),
             QStringLiteral("Party Signatures\r\n\r\nTop\r\n\r\nBottom\r\n") + kRule
                 + QStringLiteral("\r\n \r\n") + kRule + QStringLiteral("\r\nLine 1\r\nLine 2\r\n")
                 + kRule + QStringLiteral("\r\n"));
}

void TestExportWindow::export_of_many_notes()
{
    TempAppFolder app;
    MessageRecorder boxes;
    QStringList notes;
    QString expected = QStringLiteral("Big Party Signatures\r\n\r\n");
    for (int i = 1; i <= 2000; ++i) {
        notes.append(QStringLiteral("Guest %1\nsays hello").arg(i));
        expected += QStringLiteral("Guest %1\r\nsays hello\r\n").arg(i) + kRule + QStringLiteral("\r\n");
    }
    Form8 *board = open_browse(app, QStringLiteral("Big Party"), notes);
    QVERIFY(board);
    QCOMPARE(child<QLabel>(board, QStringLiteral("Label2"))->text(),
             QStringLiteral("Big Party (1 of 2000)"));
    QMainWindow *window = run_export(board);
    QVERIFY(window);
    QCOMPARE(copied_text(window, boxes), expected);
    const QString shown = QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(shown_text(window)->toPlainText(), shown);
    // Text selected in the box copies with the export's CR LF line ends.
    shown_text(window)->selectAll();
    shown_text(window)->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    // A text of hundreds of thousands of lines goes into the window whole;
    // the test's time limit catches a fill gone slow.
    QString big;
    for (int i = 0; i < 300000; ++i)
        big += QStringLiteral("line %1\r\n").arg(i);
    Form10::show_text(big);
    QCoreApplication::processEvents();
    QCOMPARE(shown_text(window)->toPlainText(), QString(big).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(copied_text(window, boxes), big);

    // A line far longer than a note may be shows in blocks of at most 10000
    // characters, which lay out at once, and copies whole.
    const QString line = QString(25000, QLatin1Char('x')) + QStringLiteral("\r\n");
    Form10::show_text(line);
    for (QTextBlock b = shown_text(window)->document()->begin(); b.isValid(); b = b.next())
        QVERIFY(b.length() <= 10001);
    QCOMPARE(copied_text(window, boxes), line);
}

void TestExportWindow::window_look()
{
    TempAppFolder app;
    Form8 *board = open_browse(app, QStringLiteral("Party"), {QStringLiteral("Hi")});
    QVERIFY(board);
    QMainWindow *window = run_export(board);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Quillora 2003"));
    QCOMPARE(window->centralWidget()->size(), QSize(497, 421));

    QPlainTextEdit *text = shown_text(window);
    QCOMPARE(text->geometry(), QRect(0, 0, 497, 421));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->accessibleName(), QStringLiteral("Signatures"));
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const QList<QAction *> commands = window->menuBar()->actions();
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands[0]->objectName(), QStringLiteral("cpc"));
    QCOMPARE(commands[0]->text(), QStringLiteral("&Copy to Clipboard"));
    QVERIFY(!commands[0]->menu());

    // No layout: the text box keeps its size and place.
    window->resize(300, 200);
    QTRY_COMPARE(window->centralWidget()->width(), 300);
    QCOMPARE(text->geometry(), QRect(0, 0, 497, 421));
    window->resize(900, 700);
    QTRY_COMPARE(window->centralWidget()->width(), 900);
    QCOMPARE(text->geometry(), QRect(0, 0, 497, 421));
}

void TestExportWindow::second_export_reuses_the_window()
{
    TempAppFolder app;
    MessageRecorder boxes;
    QPointer<Form8> board = open_browse(app, QStringLiteral("First"), {QStringLiteral("One")});
    QVERIFY(board);
    QPointer<QMainWindow> window = run_export(board);
    QVERIFY(window);

    // Quitting the board leaves the export window open.
    board->close();
    flush_deletions();
    QVERIFY(board.isNull());
    QVERIFY(window && window->isVisible());

    Form8 *second = open_browse(app, QStringLiteral("Second"), {QStringLiteral("Two")});
    QVERIFY(second);
    QCOMPARE(run_export(second), window.data());
    QCOMPARE(count_windows(QStringLiteral("Form10")), 1);
    QCOMPARE(copied_text(window, boxes),
             QStringLiteral("Second Signatures\r\n\r\nTwo\r\n") + kRule + QStringLiteral("\r\n"));

    // Closed, it opens anew on the next Export.
    window->close();
    flush_deletions();
    QVERIFY(window.isNull());
    QMainWindow *fresh = run_export(second);
    QVERIFY(fresh);
    QCOMPARE(count_windows(QStringLiteral("Form10")), 1);
    QCOMPARE(shown_text(fresh)->toPlainText(),
             QStringLiteral("Second Signatures\n\nTwo\n") + kRule + QStringLiteral("\n"));
}

QTEST_MAIN(TestExportWindow)
#include "test_export_window.moc"
