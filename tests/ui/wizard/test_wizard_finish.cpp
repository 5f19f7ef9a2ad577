// The finishing window: saving the board and carrying a retitled board's
// notes over to its new title.
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "tests/ui/wizard/wizard_driver.h"
#include "ui/wizard/board_rename.h"
#include "ui/wizard/finish_window.h"

#include <QDir>
#include <QLabel>

namespace {

const QByteArray kPartyBoard("Party\r\nsecret\r\n 3 \r\n 5 \r\nCheer\r\nOops\r\nThanks!\r\nHello\r\n");

QByteArray notes(const QStringList &texts)
{
    QByteArray out;
    for (const QString &text : texts)
        out += note_record_bytes(text);
    return out;
}

// The board Party as the main menu's Edit leaves it, with its notes if any.
void edit_party(const TempAppFolder &app, const QByteArray &signatures)
{
    app.write(QStringLiteral("Party.qla"), kPartyBoard);
    if (!signatures.isEmpty())
        app.write(QStringLiteral("Party.sig"), signatures);
    reset_board();
    load_board(QStringLiteral("Party"));
}

QStringList files(const TempAppFolder &app)
{
    return QDir(app.path()).entryList(QDir::Files, QDir::Name);
}

void finish_as(const QString &title)
{
    BoardSettings.title = title;
    Form7::open();
    QCOMPARE(current_name(), QStringLiteral("Form7"));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form1"));
}

QByteArray party_board_titled(const QByteArray &title)
{
    return title + kPartyBoard.mid(5);
}

} // namespace

class TestWizardFinish : public WindowTest {
    Q_OBJECT
private slots:
    void new_board_is_saved();
    void edited_board_keeps_its_files();
    void retitled_board_takes_its_notes_along();
    void retitled_onto_left_over_notes_keeps_both();
    void failed_save_leaves_old_files();
    void notes_that_cannot_move_stay_with_the_old_title();
};

void TestWizardFinish::new_board_is_saved()
{
    TempAppFolder app;
    MessageRecorder messages;
    reset_board();
    BoardSettings.title = QStringLiteral("Summer Party");
    Form7::open();
    QCOMPARE(part<QLabel>("Label1_1")->text(),
             QStringLiteral("Congratulations! You're all set to party. A sign-in board has been "
                            "created and will be saved under the title, 'Summer Party'."));
    QVERIFY(part<QLabel>("Label1_0")->text().startsWith("When you're ready to use your sign-in board"));
    QCOMPARE(part<QLabel>("Label1_2")->text(),
             QStringLiteral("Please click the rightward arrow to return to the Quillora 2003 opening screen."));
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form1"));
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].first, MessageIcon::Information);
    QCOMPARE(messages.boxes[0].second, kBoardSavedMessage);
    QCOMPARE(files(app), QStringList{"Summer Party.qla"});
    QCOMPARE(app.read(QStringLiteral("Summer Party.qla")),
             QByteArray("Summer Party\r\n\r\n-1 \r\n-1 \r\n\r\n\r\nThank you!\r\n")
                 + kDefaultWelcome.toLatin1() + "\r\n");
    close_all_windows();

    // Notes left behind without their board file become the new board's.
    const QByteArray left_over = notes({"Old note"});
    app.write(QStringLiteral("Reunion.sig"), left_over);
    reset_board();
    finish_as(QStringLiteral("Reunion"));
    QCOMPARE(app.read(QStringLiteral("Reunion.sig")), left_over);
    QVERIFY(files(app).contains(QStringLiteral("Reunion.qla")));
}

void TestWizardFinish::edited_board_keeps_its_files()
{
    TempAppFolder app;
    MessageRecorder messages;
    const QByteArray signatures = notes({"One", "Two"});
    edit_party(app, signatures);
    BoardSettings.thanks_msg = QStringLiteral("Cheers!");
    finish_as(QStringLiteral("Party"));
    QCOMPARE(messages.texts(), QStringList{kBoardSavedMessage});
    QCOMPARE(files(app), (QStringList{"Party.qla", "Party.sig"}));
    QCOMPARE(app.read(QStringLiteral("Party.sig")), signatures);
    QCOMPARE(app.read(QStringLiteral("Party.qla")),
             QByteArray("Party\r\nsecret\r\n 3 \r\n 5 \r\nCheer\r\nOops\r\nCheers!\r\nHello\r\n\r\n"));
    close_all_windows();

    // Only the letter case changed: one board file under the new spelling,
    // the notes untouched.
    reset_board();
    load_board(QStringLiteral("Party"));
    finish_as(QStringLiteral("PARTY"));
    QCOMPARE(files(app), (QStringList{"PARTY.qla", "Party.sig"}));
    QCOMPARE(app.read(QStringLiteral("Party.sig")), signatures);
    QVERIFY(app.read(QStringLiteral("PARTY.qla")).startsWith("PARTY\r\nsecret\r\n"));
}

void TestWizardFinish::retitled_board_takes_its_notes_along()
{
    TempAppFolder app;
    MessageRecorder messages;
    const QByteArray signatures = notes({"First", "Second\r\nline", "Third"});
    edit_party(app, signatures);
    finish_as(QStringLiteral("Big Party"));
    QCOMPARE(messages.texts(), QStringList{kBoardSavedMessage});
    QCOMPARE(files(app), (QStringList{"Big Party.qla", "Big Party.sig"}));
    QCOMPARE(app.read(QStringLiteral("Big Party.sig")), signatures);
    QCOMPARE(app.read(QStringLiteral("Big Party.qla")), party_board_titled("Big Party") + "\r\n");
    load_notes(QStringLiteral("Big Party"));
    QCOMPARE(sig_count, qsizetype(3));
    close_all_windows();

    // Without notes only the board file moves.
    TempAppFolder bare;
    edit_party(bare, QByteArray());
    finish_as(QStringLiteral("Big Party"));
    QCOMPARE(files(bare), QStringList{"Big Party.qla"});
}

void TestWizardFinish::retitled_onto_left_over_notes_keeps_both()
{
    TempAppFolder app;
    MessageRecorder messages;
    const QByteArray moved = notes({"Party 1", "Party 2", "Party 3"});
    const QByteArray existing = notes({"Earlier A", "Earlier B"});
    app.write(QStringLiteral("big party.sig"), existing);
    edit_party(app, moved);
    finish_as(QStringLiteral("Big Party"));
    QCOMPARE(messages.texts(), QStringList{kBoardSavedMessage});
    QCOMPARE(files(app), (QStringList{"Big Party.qla", "big party.sig"}));
    QCOMPARE(app.read(QStringLiteral("big party.sig")), existing + moved);
    load_notes(QStringLiteral("Big Party"));
    QCOMPARE(sig_count, qsizetype(5));
    QCOMPARE(sig_text.at(2), QStringLiteral("Party 1\r\n"));
}

void TestWizardFinish::failed_save_leaves_old_files()
{
    TempAppFolder app;
    MessageRecorder messages;
    const QByteArray signatures = notes({"Keep me"});
    edit_party(app, signatures);
    // A folder in the board file's place cannot be written over, even by root.
    QVERIFY(QDir(app.path()).mkdir(QStringLiteral("Big Party.qla")));
    finish_as(QStringLiteral("Big Party"));
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].first, MessageIcon::Critical);
    QCOMPARE(messages.boxes[0].second, kBoardNotSavedMessage);
    QCOMPARE(files(app), (QStringList{"Party.qla", "Party.sig"}));
    QCOMPARE(app.read(QStringLiteral("Party.qla")), kPartyBoard);
    QCOMPARE(app.read(QStringLiteral("Party.sig")), signatures);
}

// The board is saved under its new title, but its notes cannot follow (a
// folder in the way): the host is told after the save message, and the
// board keeps its notes under its old title.
void TestWizardFinish::notes_that_cannot_move_stay_with_the_old_title()
{
    TempAppFolder app;
    MessageRecorder messages;
    const QByteArray signatures = notes({"Keep me", "And me"});
    edit_party(app, signatures);
    QVERIFY(QDir(app.path()).mkdir(QStringLiteral("Big Party.sig")));
    finish_as(QStringLiteral("Big Party"));
    QCOMPARE(messages.boxes.size(), 2);
    QCOMPARE(messages.boxes[0].second, kBoardSavedMessage);
    QCOMPARE(messages.boxes[1].first, MessageIcon::Critical);
    QCOMPARE(messages.boxes[1].second, kNotesNotMovedMessage);
    QCOMPARE(files(app), (QStringList{"Big Party.qla", "Party.qla", "Party.sig"}));
    QCOMPARE(app.read(QStringLiteral("Party.qla")), kPartyBoard);
    QCOMPARE(app.read(QStringLiteral("Party.sig")), signatures);
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, qsizetype(2));
}

QTEST_MAIN(TestWizardFinish)
#include "test_wizard_finish.moc"
