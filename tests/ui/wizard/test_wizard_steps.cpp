// The wizard walked through its arrows, and the checks of steps 1 and 4.
#include "core/app_state.h"
#include "core/board_file.h"
#include "tests/support/test_support.h"
#include "tests/ui/wizard/wizard_driver.h"
#include "ui/wizard/step1_window.h"
#include "ui/wizard/step4_window.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {

const QString kInvalid = QStringLiteral(
    "Your title contains invalid symbols. Please try again using numbers, letters, and basic "
    "punctuation.");
const QString kLongTitle = QStringLiteral(
    "Your title is too long. Please try again using a title of no more than 251 characters.");
const QString kEmptyTitle = QStringLiteral(
    "Please enter a title for your sign-in board; such as \"Joe's Graduation Party\", "
    "\"Wendy's Birthday Party\", etc.");

QString duplicate(const QString &title)
{
    return "You cannot name this project '" + title
           + "' because a Quillora already exists with this title and may contain signatures. "
             "Please choose a different title.";
}

QPoint frame_offset()
{
    auto *shape = part<QWidget>("Shape1");
    return shape ? shape->pos() : QPoint(-100, -100);
}

// Which thumbnail the red frame stands on, -1 for none.
int framed_thumbnail()
{
    for (int i = 0; i < 7; ++i) {
        auto *thumb = part<QWidget>(qPrintable(QStringLiteral("Image3_%1").arg(i)));
        if (thumb && frame_offset() == thumb->pos() - QPoint(3, 3))
            return i;
    }
    return -1;
}

QString selected(const char *list_name)
{
    auto *list = part<QListWidget>(list_name);
    if (!list || list->selectedItems().isEmpty())
        return QString();
    return list->selectedItems().first()->text();
}

QStringList app_folder_files(const TempAppFolder &app)
{
    return QDir(app.path()).entryList(QDir::Files);
}

} // namespace

class TestWizardSteps : public WindowTest {
    Q_OBJECT
private slots:
    void new_board_walks_through_all_windows();
    void edited_board_walks_through_all_windows();
    void back_drops_and_next_keeps();
    void step1_refuses_bad_titles();
    void step1_title_characters();
    void step1_duplicate_titles();
    void step4_checks_and_stores_messages();
    void window_frames();
};

void TestWizardSteps::new_board_walks_through_all_windows()
{
    TempAppFolder app;
    app.make_audio_folder({QStringLiteral("Cheer.wav")});
    MessageRecorder messages;
    reset_board();
    Form2::open();
    QCOMPARE(current_name(), QStringLiteral("Form2"));
    QCOMPARE(current()->focusWidget(), part<QWidget>("Text1"));
    QTest::keyClicks(part<QLineEdit>("Text1"), QStringLiteral("Summer Party"));
    part<QLineEdit>("Text2")->setText(QStringLiteral("pw"));

    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form3"));
    QCOMPARE(framed_thumbnail(), 0);
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form4"));
    QCOMPARE(framed_thumbnail(), 0);
    QVERIFY(click("Image3_2"));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form5"));
    QCOMPARE(part<QPlainTextEdit>("Text1")->toPlainText(), kDefaultWelcome);
    QCOMPARE(part<QLineEdit>("Text2")->text(), kDefaultThanks);
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form6"));
    QCOMPARE(selected("List1_0"), QString());
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form7"));
    QCOMPARE(part<QWidget>("Image2")->accessibleName(), QStringLiteral("Finish"));
    QVERIFY(messages.boxes.isEmpty());
    QVERIFY(app_folder_files(app).isEmpty()); // nothing reaches the disk before finish

    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form1"));
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages.boxes[0].second, kBoardSavedMessage);
    QCOMPARE(app.read(QStringLiteral("Summer Party.qla")),
             QByteArray("Summer Party\r\npw\r\n 0 \r\n 2 \r\n\r\n\r\nThank you!\r\n")
                 + kDefaultWelcome.toLatin1() + "\r\n");
}

void TestWizardSteps::edited_board_walks_through_all_windows()
{
    TempAppFolder app;
    app.make_audio_folder({QStringLiteral("Cheer.wav"), QStringLiteral("Oops.wav")});
    const QByteArray board("Party\r\nsecret\r\n 6 \r\n 4 \r\nCheer\r\nOops\r\nThanks!\r\nHello\r\nWorld\r\n");
    const QByteArray notes("Hi\r\n^~-^,./\r\n");
    app.write(QStringLiteral("Party.qla"), board);
    app.write(QStringLiteral("Party.sig"), notes);
    MessageRecorder messages;
    reset_board();
    load_board(QStringLiteral("Party"));

    Form2::open();
    QCOMPARE(part<QLineEdit>("Text1")->text(), QStringLiteral("Party"));
    QCOMPARE(part<QLineEdit>("Text2")->text(), QStringLiteral("secret"));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form3"));
    QCOMPARE(framed_thumbnail(), 6);
    QVERIFY(next());
    QCOMPARE(framed_thumbnail(), 4);
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form5"));
    QCOMPARE(part<QPlainTextEdit>("Text1")->toPlainText(), QStringLiteral("Hello\nWorld\n"));
    QCOMPARE(part<QLineEdit>("Text2")->text(), QStringLiteral("Thanks!"));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form6"));
    QCOMPARE(selected("List1_0"), QStringLiteral("Cheer"));
    QCOMPARE(selected("List1_1"), QStringLiteral("Oops"));
    QVERIFY(next());
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form1"));
    QCOMPARE(messages.texts(), QStringList{kBoardSavedMessage});
    // The loaded welcome message ends with a line break, saved as one more line.
    QCOMPARE(app.read(QStringLiteral("Party.qla")), board + "\r\n");
    QCOMPARE(app.read(QStringLiteral("Party.sig")), notes);
}

void TestWizardSteps::back_drops_and_next_keeps()
{
    TempAppFolder app;
    app.make_audio_folder({QStringLiteral("A.wav"), QStringLiteral("B.wav")});
    MessageRecorder messages;
    reset_board();
    BoardSettings.reset_sound = QStringLiteral("A");
    Form2::open();
    part<QLineEdit>("Text1")->setText(QStringLiteral("One"));
    part<QLineEdit>("Text2")->setText(QStringLiteral("key"));
    QVERIFY(next());

    // Step 2: a thumbnail chosen and then backed out of is dropped.
    QVERIFY(click("Image3_4"));
    QCOMPARE(framed_thumbnail(), 4);
    QVERIFY(back());
    QCOMPARE(current_name(), QStringLiteral("Form2"));
    QCOMPARE(part<QLineEdit>("Text1")->text(), QStringLiteral("One"));
    QCOMPARE(part<QLineEdit>("Text2")->text(), QStringLiteral("key"));
    QCOMPARE(BoardSettings.backdrop_idx, qint16(-1));
    QVERIFY(next());
    QCOMPARE(framed_thumbnail(), 0);
    QVERIFY(click("Image3_6"));
    QVERIFY(next());
    QCOMPARE(BoardSettings.backdrop_idx, qint16(6));
    QVERIFY(back());
    QCOMPARE(current_name(), QStringLiteral("Form3"));
    QCOMPARE(framed_thumbnail(), 6);
    QVERIFY(next());
    QVERIFY(next());

    // Step 4: edits dropped by back.
    QCOMPARE(current_name(), QStringLiteral("Form5"));
    part<QPlainTextEdit>("Text1")->setPlainText(QStringLiteral("changed"));
    part<QLineEdit>("Text2")->setText(QStringLiteral("changed too"));
    QVERIFY(back());
    QVERIFY(next());
    QCOMPARE(part<QPlainTextEdit>("Text1")->toPlainText(), kDefaultWelcome);
    QCOMPARE(part<QLineEdit>("Text2")->text(), kDefaultThanks);
    QVERIFY(next());

    // Step 5: a new choice dropped by back; the stored one comes back.
    QCOMPARE(current_name(), QStringLiteral("Form6"));
    QCOMPARE(selected("List1_1"), QStringLiteral("A"));
    part<QListWidget>("List1_1")->setCurrentRow(1);
    QVERIFY(back());
    QVERIFY(next());
    QCOMPARE(selected("List1_1"), QStringLiteral("A"));
    QVERIFY(next());

    // The finishing window's back arrow writes nothing.
    QCOMPARE(current_name(), QStringLiteral("Form7"));
    QVERIFY(back());
    QCOMPARE(current_name(), QStringLiteral("Form6"));
    QCOMPARE(selected("List1_1"), QStringLiteral("A"));

    // Walk back to step 1, change the title, leave through its back arrow.
    QVERIFY(back());
    QVERIFY(back());
    QVERIFY(back());
    QVERIFY(back());
    QCOMPARE(current_name(), QStringLiteral("Form2"));
    part<QLineEdit>("Text1")->setText(QStringLiteral("Two"));
    QVERIFY(back());
    QCOMPARE(current_name(), QStringLiteral("Form1"));
    QCOMPARE(BoardSettings.title, QStringLiteral("One"));
    QCOMPARE(BoardSettings.password, QStringLiteral("key"));
    QVERIFY(messages.boxes.isEmpty());
    QVERIFY(app_folder_files(app).isEmpty());
}

void TestWizardSteps::step1_refuses_bad_titles()
{
    TempAppFolder app;
    MessageRecorder messages;
    reset_board();
    Form2::open();
    auto *text1 = part<QLineEdit>("Text1");
    part<QLineEdit>("Text2")->setText(QStringLiteral("typed"));

    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form2"));
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages.boxes[0].second, kEmptyTitle);
    QCOMPARE(part<QLineEdit>("Text2")->text(), QStringLiteral("typed"));

    const QStringList refused{"a/b", "../../x", "/", "Party!", "Time: 8", "Caf\u00e9", "a\tb",
                              "\"Q\"", "What?", "a;b", "a\\b", "a*b", "a_b", "~", "\u20ac"};
    for (const QString &title : refused) {
        messages.clear();
        text1->setText(title);
        QVERIFY(next());
        QVERIFY2(current_name() == QStringLiteral("Form2"), qPrintable(title));
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].first, MessageIcon::None);
        QCOMPARE(messages.boxes[0].second, kInvalid);
        QCOMPARE(text1->text(), title);
    }
    // A title longer than a file name may be, with its ending.
    messages.clear();
    text1->setText(QString(252, QLatin1Char('L')));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form2"));
    QCOMPARE(messages.texts(), QStringList{kLongTitle});
    QCOMPARE(text1->text().size(), 252);
    QCOMPARE(BoardSettings.title, QString());
    QCOMPARE(BoardSettings.password, QString());

    // Letters, digits, blanks and the seven marks pass and are stored as typed.
    messages.clear();
    const QString allowed = QStringLiteral("Joe's (Big) Party & Co., 2-3. xyz XYZ 0189");
    text1->setText(allowed);
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form3"));
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(BoardSettings.title, allowed);
    QCOMPARE(BoardSettings.password, QStringLiteral("typed"));

    QVERIFY(back());
    part<QLineEdit>("Text1")->setText(QStringLiteral("   "));
    part<QLineEdit>("Text2")->clear();
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form3"));
    QCOMPARE(BoardSettings.title, QStringLiteral("   "));
    QCOMPARE(BoardSettings.password, QString());
}

void TestWizardSteps::step1_title_characters()
{
    for (char16_t c = 0; c < 0x180; ++c) {
        const bool letter_or_digit = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')
                                     || (c >= u'0' && c <= u'9');
        const bool mark = QStringView(u" )(.&'-,").contains(QChar(c));
        QVERIFY2(Form2::valid_title_char(QString(QChar(c))) == (letter_or_digit || mark),
                 qPrintable(QString::number(int(c))));
    }
    QVERIFY(!Form2::valid_title_char(QStringLiteral("ab")));
    QVERIFY(!Form2::valid_title_char(QString()));
    QVERIFY(!Form2::valid_title(QString()));
    QVERIFY(Form2::valid_title(QStringLiteral("A")));
    QVERIFY(!Form2::valid_title(QStringLiteral("Good title!")));
}

void TestWizardSteps::step1_duplicate_titles()
{
    TempAppFolder app;
    MessageRecorder messages;
    app.write(QStringLiteral("Party.qla"), "Party\r\n\r\n 0 \r\n 0 \r\n\r\n\r\nThanks\r\nHi\r\n");
    app.write(QStringLiteral("Other.qla"), "Other\r\n");
    app.write(QStringLiteral("Notes only.sig"), "Hi\r\n^~-^,./\r\n");

    reset_board();
    Form2::open();
    for (const QString &title : {QStringLiteral("Party"), QStringLiteral("pARTY")}) {
        messages.clear();
        part<QLineEdit>("Text1")->setText(title);
        QVERIFY(next());
        QCOMPARE(current_name(), QStringLiteral("Form2"));
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].first, MessageIcon::Information);
        QCOMPARE(messages.boxes[0].second, duplicate(title));
    }
    messages.clear();
    part<QLineEdit>("Text1")->setText(QStringLiteral("Notes only"));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form3"));
    QVERIFY(messages.boxes.isEmpty());
    close_all_windows();

    // Editing: its own title in any case passes, another board's does not.
    reset_board();
    load_board(QStringLiteral("Party"));
    for (const QString &title : {QStringLiteral("Party"), QStringLiteral("PARTY")}) {
        Form2::open();
        part<QLineEdit>("Text1")->setText(title);
        QVERIFY(next());
        QCOMPARE(current_name(), QStringLiteral("Form3"));
        close_all_windows();
    }
    QVERIFY(messages.boxes.isEmpty());
    Form2::open();
    part<QLineEdit>("Text1")->setText(QStringLiteral("Other"));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form2"));
    QCOMPARE(messages.texts(), QStringList{duplicate(QStringLiteral("Other"))});
}

void TestWizardSteps::step4_checks_and_stores_messages()
{
    TempAppFolder app;
    MessageRecorder messages;
    reset_board();
    Form5::open();
    QCOMPARE(current()->focusWidget(), part<QWidget>("Text1"));
    auto *text1 = part<QPlainTextEdit>("Text1");
    auto *text2 = part<QLineEdit>("Text2");
    QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    text1->clear();
    text2->clear();
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form5"));
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages.boxes[0].second, QStringLiteral("Please type a welcome message before continuing."));

    messages.clear();
    QTest::keyClicks(text1, QStringLiteral("Line one"));
    QTest::keyClick(text1, Qt::Key_Return);
    QTest::keyClicks(text1, QStringLiteral("Line two"));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form5"));
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages.boxes[0].second, QStringLiteral("Please type a thank you message before continuing."));
    QCOMPARE(text1->toPlainText(), QStringLiteral("Line one\nLine two"));
    // Pasting from an empty clipboard pastes nothing (and does not crash).
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text1->toPlainText(), QStringLiteral("Line one\nLine two"));

    // A line break pasted into the one-line box becomes a blank.
    text2->insert(QStringLiteral("Ta\r\nvery much"));
    QCOMPARE(text2->text(), QStringLiteral("Ta very much"));
    messages.clear();
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form6"));
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("Line one\r\nLine two"));
    QCOMPARE(BoardSettings.thanks_msg, QStringLiteral("Ta very much"));
    close_all_windows();

    // Blanks alone pass; a loaded message keeps its closing line break.
    BoardSettings.welcome_msg = QStringLiteral("   ");
    BoardSettings.thanks_msg = QStringLiteral(" ");
    Form5::open();
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form6"));
    QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("   "));
    QCOMPARE(BoardSettings.thanks_msg, QStringLiteral(" "));
    close_all_windows();
    BoardSettings.welcome_msg = QStringLiteral("Hi\r\n\r\nBye\r\n");
    Form5::open();
    QCOMPARE(part<QPlainTextEdit>("Text1")->toPlainText(), QStringLiteral("Hi\n\nBye\n"));
    QVERIFY(next());
    QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("Hi\r\n\r\nBye\r\n"));
    QVERIFY(messages.boxes.isEmpty());
}

void TestWizardSteps::window_frames()
{
    TempAppFolder app;
    reset_board();
    BoardSettings.title = QStringLiteral("T");
    QWidget *step1 = Form2::open();
    QCOMPARE(step1->size(), QSize(475, 280));
    QCOMPARE(step1->minimumSize(), QSize(475, 280));
    QCOMPARE(step1->maximumSize(), QSize(475, 280));
    QCOMPARE(step1->windowTitle(), QStringLiteral("Quillora 2003"));
    QCOMPARE(part<QWidget>("Image1")->geometry(), QRect(8, 226, 39, 47));
    QCOMPARE(part<QWidget>("Image2")->geometry(), QRect(427, 226, 39, 47));
    QCOMPARE(part<QWidget>("Image1")->accessibleName(), QStringLiteral("Back"));
    QCOMPARE(part<QWidget>("Image2")->accessibleName(), QStringLiteral("Next"));
    QCOMPARE(part<QWidget>("Image1")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(part<QWidget>("Text1")->accessibleName(), QStringLiteral("Title"));
    QCOMPARE(part<QWidget>("Text2")->accessibleName(), QStringLiteral("Password"));
    QCOMPARE(part<QLabel>("Label1_0")->text(),
             QStringLiteral("Step 1: Type a title for your sign-in board below:"));
    QCOMPARE(part<QLabel>("Label1_0")->font().pointSizeF(), 9.75);
    QVERIFY(part<QLabel>("Label1_0")->font().bold());
    QVERIFY(part<QWidget>("Text1")->font().bold());
    QVERIFY(!part<QWidget>("Text2")->font().bold());
    QCOMPARE(part<QLineEdit>("Text2")->echoMode(), QLineEdit::Normal);
    const QString long_password(40000, QLatin1Char('p'));
    part<QLineEdit>("Text2")->setText(long_password);
    QCOMPARE(part<QLineEdit>("Text2")->text(), long_password);
    close_all_windows();

    // Step 4 alone can be resized; its controls stay where they are.
    QWidget *step4 = Form5::open();
    QVERIFY(step4->minimumSize() != step4->maximumSize());
    QCOMPARE(step4->size(), QSize(475, 280));
    const QRect text_place = part<QWidget>("Text1")->geometry();
    QCOMPARE(text_place, QRect(65, 48, 345, 81));
    step4->resize(700, 500);
    settle();
    QCOMPARE(part<QWidget>("Text1")->geometry(), text_place);
    QCOMPARE(part<QWidget>("Image2")->geometry(), QRect(427, 226, 39, 47));
}

QTEST_MAIN(TestWizardSteps)
#include "test_wizard_steps.moc"
