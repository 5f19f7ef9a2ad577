
#include "tests/ui/board/board_driver.h"
#include "ui/board/note_area.h"
#include "ui/common/click_label.h"
#include "ui/common/picture_area.h"
#include "ui/common/window_conventions.h"
#include "ui/mainmenu/help_texts.h"
#include "ui/mainmenu/main_menu.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

namespace {

const QString kSig = QStringLiteral("Party.sig");
const QString kLast = QStringLiteral("You are viewing the last signature on this Quillora.");
const QString kFirst = QStringLiteral("You are viewing the first signature on this Quillora.");

void click(QWidget *board, const QString &name)
{
    QWidget *target = child<QWidget>(board, name);
    QVERIFY2(target, qPrintable(name));
    QTest::mouseClick(target, Qt::LeftButton);
}

void set_client_size(QMainWindow *board, QSize size)
{
    board->setWindowState(Qt::WindowNoState);
    board->resize(size.width(), size.height() + board->menuBar()->height());
    QTRY_COMPARE(board->centralWidget()->size(), size);
}

QPoint pos_of(QWidget *board, const QString &name)
{
    QWidget *w = child<QWidget>(board, name);
    return w ? w->pos() : QPoint(-9999, -9999);
}

void save_picture(const TempAppFolder &app, const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(app.file(QStringLiteral("media/") + name), "JPG"));
}

} // namespace

class TestBoardWindow : public WindowTest {
    Q_OBJECT
private slots:
    void init()
    {
        open_fixture();
        BoardSettings.title = QStringLiteral("Party");
    }

    void opens_maximized_with_the_note_area_on_top();
    void restored_board_comes_back_centred_at_its_design_size();
    void layout_hangs_off_the_main_panel();
    void pictures_follow_the_board();
    void guest_saves_notes_to_the_signature_file();
    void empty_note_does_nothing_and_blank_is_saved();
    void start_over_clears_and_plays_on_every_click();
    void failed_save_keeps_the_note();
    void quit_and_close_box_return_to_the_main_menu();
    void guest_mode_after_browsing_looks_fresh();
    void browse_pages_through_three_notes();
    void browse_one_note_and_no_notes_data();
    void browse_one_note_and_no_notes();
    void browse_shows_notes_as_saved_read_only();
    void note_area_holds_a_bounded_note_data();
    void note_area_holds_a_bounded_note();
    void browse_shows_the_start_of_an_oversized_note();
};

void TestBoardWindow::opens_maximized_with_the_note_area_on_top()
{
    Form8 *board = open_board();
    QVERIFY(board);
    QCOMPARE(board->windowTitle(), QStringLiteral("Quillora 2003"));
    QCOMPARE(board->frameGeometry().size(), board->screen()->availableGeometry().size());

    QPlainTextEdit *text = note_area(board);
    QVERIFY(text);
    QCOMPARE(text->accessibleName(), QStringLiteral("Note"));
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTRY_COMPARE(QApplication::focusWidget(), text);

    QStringList order;
    for (QObject *o : board->centralWidget()->children())
        order.append(o->objectName());
    const QStringList expected{"Image1", "Shape1_0", "Image3", "Label2", "Label3", "Shape1_1",
                               "Image2_1", "Label1_1", "Image2_0", "Label1_0", "Label4", "Text1"};
    QCOMPARE(order, expected);

    // Only the note area takes the focus.
    for (QWidget *w : board->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w != text)
            QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    }

    const QList<QAction *> commands = board->menuBar()->actions();
    QCOMPARE(commands.size(), 3);
    QCOMPARE(commands[0]->objectName(), QStringLiteral("quit"));
    // The captions with their access keys: Alt+Q, Alt+E, Alt+A.
    QCOMPARE(commands[0]->text(), QStringLiteral("&Quit"));
    QCOMPARE(commands[1]->text(), QStringLiteral("&Export"));
    QVERIFY(!commands[1]->isVisible());
    QCOMPARE(commands[2]->text(), QStringLiteral("&About"));
    QVERIFY(!commands[0]->menu() && !commands[2]->menu());

    commands[2]->trigger();
    QCOMPARE(messages->boxes.size(), 1);
    QCOMPARE(messages->boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages->boxes[0].second, about_text());
    QVERIFY(board->isVisible());
}

void TestBoardWindow::restored_board_comes_back_centred_at_its_design_size()
{
    Form8 *board = open_board();
    QVERIFY(board);
    QVERIFY(board->isMaximized());
    board->showNormal();
    QTRY_VERIFY(!board->isMaximized());
    QCOMPARE(board->centralWidget()->size(), QSize(640, 400));
    const QRect screen = board->screen()->geometry();
    const QRect outer = board->frameGeometry();
    QCOMPARE(outer.topLeft(), centred_position(screen, outer.size()));
    QVERIFY(screen.contains(outer));
}

void TestBoardWindow::layout_hangs_off_the_main_panel()
{
    Form8 *board = open_board();
    QVERIFY(board);

    // Design size: the centring halves (23.5, 43.5) are rounded.
    set_client_size(board, QSize(640, 400));
    QCOMPARE(child<QWidget>(board, "Image1")->geometry(), QRect(0, 0, 640, 400));
    QCOMPARE(child<QWidget>(board, "Shape1_0")->geometry(), QRect(24, 44, 593, 313));
    QCOMPARE(child<QWidget>(board, "Shape1_1")->geometry(), QRect(31, 252, 210, 131));
    QCOMPARE(pos_of(board, "Image3"), QPoint(96, 108));
    QCOMPARE(child<QWidget>(board, "Label2")->geometry(), QRect(152, 76, 337, 25));
    QCOMPARE(child<QWidget>(board, "Label3")->geometry(), QRect(232, 108, 313, 65));
    QCOMPARE(child<QWidget>(board, "Text1")->geometry(), QRect(232, 180, 329, 105));
    QCOMPARE(child<QWidget>(board, "Label4")->geometry(), QRect(248, 292, 241, 65));
    QCOMPARE(child<QWidget>(board, "Image2_1")->geometry(), QRect(77, 267, 48, 48));
    QCOMPARE(child<QWidget>(board, "Image2_0")->geometry(), QRect(77, 318, 48, 48));
    QCOMPARE(child<QWidget>(board, "Label1_1")->geometry(), QRect(128, 277, 79, 34));
    QCOMPARE(child<QWidget>(board, "Label1_0")->geometry(), QRect(128, 328, 74, 34));

    // Smaller than the main panel: it starts left of and above the client area.
    set_client_size(board, QSize(501, 301));
    QCOMPARE(child<QWidget>(board, "Image1")->geometry(), QRect(0, 0, 501, 301));
    QCOMPARE(pos_of(board, "Shape1_0"), QPoint(-46, -6));
    QCOMPARE(pos_of(board, "Shape1_1"), QPoint(-39, 202));
    QCOMPARE(pos_of(board, "Text1"), QPoint(162, 130));
    QCOMPARE(pos_of(board, "Label4"), QPoint(178, 242));
    QCOMPARE(pos_of(board, "Label1_0"), QPoint(58, 278));
    QCOMPARE(child<QWidget>(board, "Text1")->size(), QSize(329, 105));

    // Larger again: the backdrop follows and the panel is centred.
    set_client_size(board, QSize(1000, 700));
    QCOMPARE(child<QWidget>(board, "Image1")->size(), QSize(1000, 700));
    QCOMPARE(pos_of(board, "Shape1_0"), QPoint(204, 194));
    QCOMPARE(pos_of(board, "Label2"), QPoint(332, 226));
}

void TestBoardWindow::pictures_follow_the_board()
{
    open_fixture(false);
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("media")));
    save_picture(*folder, QStringLiteral("b_3.jpg"), QSize(20, 10));
    save_picture(*folder, QStringLiteral("t_5.jpg"), QSize(50, 40));
    save_picture(*folder, QStringLiteral("check.jpg"), QSize(48, 48));
    save_picture(*folder, QStringLiteral("svb.jpg"), QSize(48, 48));

    BoardSettings.backdrop_idx = 3;
    BoardSettings.theme_idx = 5;
    Form8 *board = open_board();
    QVERIFY(board);
    auto *backdrop = child<PictureArea>(board, "Image1");
    QVERIFY(!backdrop->picture().isNull());
    QCOMPARE(backdrop->size(), board->centralWidget()->size());
    auto *theme = child<PictureArea>(board, "Image3");
    QVERIFY(!theme->picture().isNull());
    QCOMPARE(theme->size(), QSize(50, 40));
    QVERIFY(!child<PictureArea>(board, "Image2_1")->picture().isNull());
    QVERIFY(child<PictureArea>(board, "Image2_0")->picture().isNull()); // no xmark.jpg
    delete board;

    // Index -1 names b_-1.jpg and t_-1.jpg, which are not there.
    BoardSettings.backdrop_idx = -1;
    BoardSettings.theme_idx = -1;
    board_mode = kBrowseMode;
    board = open_board();
    QVERIFY(board);
    QVERIFY(child<PictureArea>(board, "Image1")->picture().isNull());
    QVERIFY(child<PictureArea>(board, "Image3")->picture().isNull());
    QCOMPARE(child<PictureArea>(board, "Image3")->size(), QSize(129, 121));
    QVERIFY(child<PictureArea>(board, "Image2_1")->picture().isNull()); // no svf.jpg
    QVERIFY(!child<PictureArea>(board, "Image2_0")->picture().isNull());
}

void TestBoardWindow::guest_saves_notes_to_the_signature_file()
{
    folder->make_audio_folder({QStringLiteral("Applause.WAV")});
    BoardSettings.save_sound = QStringLiteral("Applause");
    BoardSettings.thanks_msg = QStringLiteral("Thanks for coming!");
    BoardSettings.welcome_msg = QStringLiteral("Welcome\r\nfriends\r\n");

    Form8 *board = open_board();
    QVERIFY(board);
    QCOMPARE(child<QLabel>(board, "Label2")->text(), QStringLiteral("Party"));
    QCOMPARE(child<QLabel>(board, "Label3")->text(), QStringLiteral("Welcome\nfriends\n"));
    QPlainTextEdit *text = note_area(board);
    QString text_at_box;
    messages->on_box = [&] { text_at_box = text->toPlainText(); };

    QTest::keyClicks(text, QStringLiteral("Hello"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("World"));
    click(board, QStringLiteral("Image2_1"));

    QCOMPARE(folder->read(kSig), QByteArray("Hello\r\nWorld\r\n^~-^,./\r\n"));
    QCOMPARE(messages->boxes.size(), 1);
    QCOMPARE(messages->boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages->boxes[0].second, QStringLiteral("Thanks for coming!"));
    QCOMPARE(text_at_box, QStringLiteral("Hello\nWorld")); // cleared only after the box
    QCOMPARE(text->toPlainText(), QString());
    QCOMPARE(QApplication::focusWidget(), text);
    QCOMPARE(sounds->paths, QStringList{folder->file(QStringLiteral("audio/Applause.WAV"))});

    // The next guest saves through the caption.
    QTest::keyClicks(text, QStringLiteral("Second guest"));
    click(board, QStringLiteral("Label1_1"));
    QCOMPARE(folder->read(kSig), QByteArray("Hello\r\nWorld\r\n^~-^,./\r\nSecond guest\r\n^~-^,./\r\n"));
    QCOMPARE(messages->boxes.size(), 2);
    QCOMPARE(sounds->paths.size(), 2);
    QCOMPARE(text->toPlainText(), QString());

    // A line that only wraps on screen is one line in the file.
    const QString long_line = QString(40, QLatin1Char('w')).append(QStringLiteral(" more words"))
                                  .repeated(4);
    QTest::keyClicks(text, long_line);
    click(board, QStringLiteral("Image2_1"));
    QVERIFY(folder->read(kSig).endsWith("\r\n" + long_line.toLatin1() + "\r\n^~-^,./\r\n"));

    // Every character as typed: no-break spaces stay what they are.
    const QString exact = QStringLiteral("a\u00A0b\u00A0\u00A0c");
    for (QChar c : exact)
        QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("end"));
    click(board, QStringLiteral("Image2_1"));
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_text.at(sig_count - 1), exact + QStringLiteral("\r\nend\r\n"));
}

void TestBoardWindow::empty_note_does_nothing_and_blank_is_saved()
{
    Form8 *board = open_board();
    QVERIFY(board);

    click(board, QStringLiteral("Image2_1"));
    click(board, QStringLiteral("Label1_1"));
    QVERIFY(messages->boxes.isEmpty());
    QVERIFY(sounds->paths.isEmpty());
    QVERIFY(!QFile::exists(folder->file(kSig)));

    QTest::keyClicks(note_area(board), QStringLiteral(" "));
    click(board, QStringLiteral("Image2_1"));
    QCOMPARE(folder->read(kSig), QByteArray(" \r\n^~-^,./\r\n"));
    QCOMPARE(messages->texts(), QStringList{QStringLiteral("Thank you!")});
    QCOMPARE(sounds->paths.size(), 1);
    QCOMPARE(note_area(board)->toPlainText(), QString());
}

void TestBoardWindow::start_over_clears_and_plays_on_every_click()
{
    Form8 *board = open_board();
    QVERIFY(board);

    click(board, QStringLiteral("Image2_0"));
    QCOMPARE(sounds->paths.size(), 1);
    QVERIFY2(sounds->paths[0].endsWith(QStringLiteral("/audio/.wav")), qPrintable(sounds->paths[0]));

    QTest::keyClicks(note_area(board), QStringLiteral("Oops, wrong"));
    click(board, QStringLiteral("Label1_0"));
    QCOMPARE(note_area(board)->toPlainText(), QString());
    QCOMPARE(sounds->paths.size(), 2);
    QVERIFY(messages->boxes.isEmpty());
    QVERIFY(!QFile::exists(folder->file(kSig)));

    // With sound switched off nothing is requested, the area is still cleared.
    sound_on = kFalse;
    QTest::keyClicks(note_area(board), QStringLiteral("again"));
    click(board, QStringLiteral("Image2_0"));
    QCOMPARE(note_area(board)->toPlainText(), QString());
    QCOMPARE(sounds->paths.size(), 2);
}

void TestBoardWindow::failed_save_keeps_the_note()
{
    // A folder in the way of the signature file cannot be appended to, not even by root.
    QVERIFY(QDir(folder->path()).mkdir(kSig));
    Form8 *board = open_board();
    QVERIFY(board);

    QTest::keyClicks(note_area(board), QStringLiteral("Keep me"));
    click(board, QStringLiteral("Image2_1"));
    QCOMPARE(messages->boxes.size(), 1);
    QCOMPARE(messages->boxes[0].first, MessageIcon::Critical);
    QCOMPARE(messages->boxes[0].second, QStringLiteral("Your note could not be saved!"));
    QCOMPARE(note_area(board)->toPlainText(), QStringLiteral("Keep me"));
    QCOMPARE(QApplication::focusWidget(), note_area(board));
    QCOMPARE(sounds->paths.size(), 1); // the save sound comes before the write

    // Once the way is clear the same text is saved.
    QVERIFY(QDir(folder->path()).rmdir(kSig));
    click(board, QStringLiteral("Image2_1"));
    QCOMPARE(folder->read(kSig), QByteArray("Keep me\r\n^~-^,./\r\n"));
    QCOMPARE(messages->last(), QStringLiteral("Thank you!"));
    QCOMPARE(note_area(board)->toPlainText(), QString());
}

void TestBoardWindow::quit_and_close_box_return_to_the_main_menu()
{
    QPointer<Form8> board = open_board();
    QVERIFY(board);

    QTest::keyClicks(note_area(board), QStringLiteral("never saved"));
    board->findChild<QAction *>(QStringLiteral("quit"))->trigger();
    flush_deletions();
    QVERIFY(board.isNull());
    QVERIFY(!QFile::exists(folder->file(kSig)));
    QVERIFY(qobject_cast<Form1 *>(find_window(QStringLiteral("Form1"))));
    QCOMPARE(count_windows(QStringLiteral("Form8")), 0);
    close_all_windows();

    board_mode = kBrowseMode;
    board = open_board();
    QVERIFY(board);
    board->close();
    flush_deletions();
    QVERIFY(board.isNull());
    QVERIFY(qobject_cast<Form1 *>(find_window(QStringLiteral("Form1"))));
}

void TestBoardWindow::guest_mode_after_browsing_looks_fresh()
{
    QPointer<Form8> board = open_browse(*folder, {QStringLiteral("Hi")});
    QVERIFY(board);
    QCOMPARE(child<QLabel>(board, "Label1_1")->text(), QStringLiteral("Next Signature"));
    QCOMPARE(child<QWidget>(board, "Image2_1")->accessibleName(), QStringLiteral("Next Signature"));
    QCOMPARE(child<QLabel>(board, "Label1_0")->text(), QStringLiteral("Previous Signature"));
    QCOMPARE(child<QWidget>(board, "Image2_0")->accessibleName(), QStringLiteral("Previous Signature"));
    QVERIFY(!child<QWidget>(board, "Label4")->isVisible());
    QVERIFY(board->findChild<QAction *>(QStringLiteral("export"))->isVisible());
    board->close();
    close_all_windows();

    board_mode = kGuestMode;
    board = open_board();
    QVERIFY(board);
    QCOMPARE(child<QLabel>(board, "Label1_1")->text(), QStringLiteral("Save My Note"));
    QCOMPARE(child<QWidget>(board, "Image2_1")->accessibleName(), QStringLiteral("Save My Note"));
    QCOMPARE(child<QLabel>(board, "Label1_0")->text(), QStringLiteral("Start Over"));
    QCOMPARE(child<QWidget>(board, "Label1_0")->accessibleName(), QStringLiteral("Start Over"));
    QCOMPARE(child<QLabel>(board, "Label2")->text(), QStringLiteral("Party"));
    QVERIFY(child<QWidget>(board, "Label4")->isVisible());
    QVERIFY(child<QLabel>(board, "Label4")->text().startsWith(QStringLiteral("Tip: Write from line")));
    QVERIFY(!board->findChild<QAction *>(QStringLiteral("export"))->isVisible());
    QVERIFY(!note_area(board)->isReadOnly());
    QCOMPARE(note_area(board)->toPlainText(), QString());
}

void TestBoardWindow::browse_pages_through_three_notes()
{
    Form8 *board = open_browse(*folder, {QStringLiteral("First"), QStringLiteral("Second"),
                                     QStringLiteral("Third")});
    QVERIFY(board);
    const QByteArray file_before = folder->read(kSig);
    auto *title = child<QLabel>(board, "Label2");
    QCOMPARE(title->text(), QStringLiteral("Party (1 of 3)"));
    QCOMPARE(note_area(board)->toPlainText(), QStringLiteral("First\n"));

    click(board, QStringLiteral("Image2_0"));
    QCOMPARE(messages->boxes.size(), 1);
    QCOMPARE(messages->boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages->last(), kFirst);
    QCOMPARE(sig_pos, 0);

    click(board, QStringLiteral("Image2_1"));
    QCOMPARE(title->text(), QStringLiteral("Party (2 of 3)"));
    QCOMPARE(note_area(board)->toPlainText(), QStringLiteral("Second\n"));
    click(board, QStringLiteral("Label1_1"));
    QCOMPARE(title->text(), QStringLiteral("Party (3 of 3)"));
    QCOMPARE(note_area(board)->toPlainText(), QStringLiteral("Third\n"));
    QCOMPARE(messages->boxes.size(), 1);

    click(board, QStringLiteral("Image2_1"));
    click(board, QStringLiteral("Label1_1"));
    QCOMPARE(messages->texts(), (QStringList{kFirst, kLast, kLast}));
    QCOMPARE(title->text(), QStringLiteral("Party (3 of 3)"));
    QCOMPARE(sig_pos, 2);

    click(board, QStringLiteral("Label1_0"));
    QCOMPARE(title->text(), QStringLiteral("Party (2 of 3)"));
    click(board, QStringLiteral("Image2_0"));
    QCOMPARE(title->text(), QStringLiteral("Party (1 of 3)"));
    QCOMPARE(note_area(board)->toPlainText(), QStringLiteral("First\n"));
    click(board, QStringLiteral("Image2_0"));
    QCOMPARE(messages->last(), kFirst);

    QVERIFY(sounds->paths.isEmpty());
    QCOMPARE(folder->read(kSig), file_before);
}

void TestBoardWindow::browse_one_note_and_no_notes_data()
{
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("buttons"); // by pictures or by captions
    QTest::newRow("one note") << QStringList{QStringLiteral("Only one")}
                              << QStringLiteral("Party (1 of 1)") << QStringLiteral("Image2");
    QTest::newRow("no notes") << QStringList() << QStringLiteral("Party (0 of 0)")
                              << QStringLiteral("Label1");
}

void TestBoardWindow::browse_one_note_and_no_notes()
{
    QFETCH(QStringList, notes);
    QFETCH(QString, title);
    QFETCH(QString, buttons);
    Form8 *board = open_browse(*folder, notes);
    QVERIFY(board);
    QCOMPARE(sig_count, notes.size());
    QCOMPARE(child<QLabel>(board, "Label2")->text(), title);
    click(board, buttons + QStringLiteral("_1"));
    click(board, buttons + QStringLiteral("_0"));
    QCOMPARE(messages->texts(), (QStringList{kLast, kFirst}));
    QCOMPARE(child<QLabel>(board, "Label2")->text(), title);
    QCOMPARE(note_area(board)->toPlainText(), notes.isEmpty() ? QString() : notes[0] + QLatin1Char('\n'));
    QCOMPARE(sig_pos, 0);
}

void TestBoardWindow::browse_shows_notes_as_saved_read_only()
{
    Form8 *board = open_browse(*folder, {QStringLiteral("Top\n\nBottom"),
                                     QStringLiteral("One\nTwo\nThree\nFour")});
    QVERIFY(board);
    QPlainTextEdit *text = note_area(board);
    QCOMPARE(text->toPlainText(), QStringLiteral("Top\n\nBottom\n"));
    QVERIFY(text->isReadOnly());

    QTest::keyClicks(text, QStringLiteral("scribble"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(text->toPlainText(), QStringLiteral("Top\n\nBottom\n"));

    // Selectable and copyable from the keyboard.
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("Top\n\nBottom\n"));

    click(board, QStringLiteral("Image2_1"));
    QCOMPARE(text->toPlainText(), QStringLiteral("One\nTwo\nThree\nFour\n"));
    QCOMPARE(child<QLabel>(board, "Label2")->text(), QStringLiteral("Party (2 of 2)"));
    QVERIFY(messages->boxes.isEmpty());
}

void TestBoardWindow::note_area_holds_a_bounded_note_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("select_all");
    QTest::addColumn<QString>("pasted"); // none: the key Y is typed
    QTest::addColumn<bool>("refused");
    const int max = NoteArea::kMaxNoteChars;
    QTest::newRow("paste up to the bound") << 2 << false << QString(max - 2, 'p') << false;
    QTest::newRow("paste one past the bound") << 2 << false << QString(max - 1, 'p') << true;
    QTest::newRow("paste over a selection") << max << true << QStringLiteral("new") << false;
    QTest::newRow("key below the bound") << max - 1 << false << QString() << false;
    QTest::newRow("key at the bound") << max << false << QString() << true;
    QTest::newRow("key over a selection") << max << true << QString() << false;
}

void TestBoardWindow::note_area_holds_a_bounded_note()
{
    QFETCH(int, before);
    QFETCH(bool, select_all);
    QFETCH(QString, pasted);
    QFETCH(bool, refused);
    Form8 *board = open_board();
    QVERIFY(board);
    QPlainTextEdit *text = note_area(board);
    const QString kept(before, QLatin1Char('b'));
    text->setPlainText(kept);
    text->moveCursor(select_all ? QTextCursor::Start : QTextCursor::End);
    if (select_all)
        text->selectAll();
    if (pasted.isEmpty()) {
        QTest::keyClick(text, Qt::Key_Y);
    } else {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    }
    const QString added = pasted.isEmpty() ? QStringLiteral("y") : pasted;
    QCOMPARE(text->toPlainText(), refused ? kept : select_all ? added : kept + added);
    QCOMPARE(messages->boxes.size(), refused ? 1 : 0);
}

void TestBoardWindow::browse_shows_the_start_of_an_oversized_note()
{
    const QString longest(NoteArea::kMaxNoteChars, QLatin1Char('a'));
    Form8 *board = open_browse(*folder, {longest, longest + QStringLiteral("bcd")});
    QVERIFY(board);
    QCOMPARE(note_area(board)->toPlainText(), longest + QLatin1Char('\n'));
    click(board, QStringLiteral("Image2_1"));
    QCOMPARE(note_area(board)->toPlainText(),
             longest + QStringLiteral("\n[This note goes on for another 3 characters, too long to "
                                      "show here. Export shows the whole note.]"));
}

QTEST_MAIN(TestBoardWindow)
#include "test_board_window.moc"
