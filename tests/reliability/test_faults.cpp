#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "core/sound.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>

// Faults that permissions cannot make for a test run as root: folders where
// files should be, missing folders, a read-only and a full file system.
class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void a_folder_where_a_file_should_be();
    void missing_media_and_audio_folders();
    void read_only_file_system();
    void full_file_system();
};

namespace {

// The board "Party" with one note, "first", saved: its board file's bytes.
QByteArray party_with_a_note(const TempAppFolder &app)
{
    BoardSettings.title = QStringLiteral("Party");
    if (!save_board(QStringLiteral("Party")) || !append_note(QStringLiteral("first")))
        return {};
    return app.read(QStringLiteral("Party.qla"));
}

} // namespace

void TestFaults::a_folder_where_a_file_should_be()
{
    TempAppFolder app(false);
    BoardSettings.title = QStringLiteral("Other");
    QVERIFY(append_note(QStringLiteral("an earlier note")));
    const QByteArray other = app.read(QStringLiteral("Other.sig"));

    QDir folder(app.path());
    QVERIFY(folder.mkpath(QStringLiteral("Party.qla/inside")));
    QVERIFY(folder.mkpath(QStringLiteral("Party.sig")));
    reset_board();
    BoardSettings.title = QStringLiteral("Party");
    BoardSettings.password = QStringLiteral("pw");
    QVERIFY(!save_board(QStringLiteral("Party")));
    QVERIFY(!append_note(QStringLiteral("lost")));
    QCOMPARE(find_app_file(QStringLiteral("Party"), QStringLiteral(".qla")), QString());
    QCOMPARE(find_app_file(QStringLiteral("Party"), QStringLiteral(".sig")), QString());

    reset_board();
    load_board(QStringLiteral("Party"));
    QCOMPARE(BoardSettings.title, QString());
    QCOMPARE(BoardSettings.password, QString());
    QCOMPARE(BoardSettings.welcome_msg, kDefaultWelcome);
    sig_count = 9;
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, qsizetype(0));
    QCOMPARE(sig_text.at(0), QString());

    // The folders are as they were, and so is the other board's file.
    QVERIFY(QFileInfo(app.file("Party.qla/inside")).isDir());
    QCOMPARE(QDir(app.file("Party.sig")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(app.read(QStringLiteral("Other.sig")), other);
    load_notes(QStringLiteral("Other"));
    QCOMPARE(sig_count, qsizetype(1));
    QCOMPARE(sig_text.at(0), QStringLiteral("an earlier note\r\n"));

    // A pipe of that name neither hangs the board nor counts as a file.
    QVERIFY(::mkfifo(QFile::encodeName(app.file("Pipe.sig")).constData(), 0644) == 0);
    BoardSettings.title = QStringLiteral("Pipe");
    QVERIFY(!append_note(QStringLiteral("lost")));
    QCOMPARE(find_app_file(QStringLiteral("pipe"), QStringLiteral(".sig")), QString());
    load_notes(QStringLiteral("Pipe"));
    QCOMPARE(sig_count, qsizetype(0));
}

void TestFaults::missing_media_and_audio_folders()
{
    TempAppFolder app(false);
    QVERIFY(!QFileInfo::exists(app.file("media")));
    QVERIFY(!QFileInfo::exists(app.file("audio")));
    QVERIFY(!QFileInfo::exists(media_path(QStringLiteral("mback.jpg"))));
    QCOMPARE(resolve_audio_file(QStringLiteral("ding")), app.file("audio/ding.wav"));
    SoundRecorder sounds;
    play_sound(QStringLiteral("ding"));
    QCOMPARE(sounds.paths, QStringList{app.file("audio/ding.wav")});
    // Boards and notes do not need them.
    BoardSettings.title = QStringLiteral("Plain");
    QVERIFY(save_board(QStringLiteral("Plain")));
    QVERIFY(append_note(QStringLiteral("hello")));
    QCOMPARE(QDir(app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"Plain.qla", "Plain.sig"}));
}

void TestFaults::read_only_file_system()
{
    const TmpfsAppFolder app("size=1m");
    if (!app.why_not.isEmpty())
        QSKIP(qPrintable(app.why_not));
    const QByteArray board = party_with_a_note(app);
    QVERIFY(!board.isEmpty());
    QVERIFY(::mount(nullptr, app.native_path().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);

    BoardSettings.password = QStringLiteral("changed");
    QVERIFY(!save_board(QStringLiteral("Party")));
    QVERIFY(!save_board(QStringLiteral("New")));
    QVERIFY(!append_note(QStringLiteral("second")));
    QCOMPARE(app.read(QStringLiteral("Party.qla")), board);
    reset_board();
    load_board(QStringLiteral("Party"));
    QCOMPARE(BoardSettings.password, QString());
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, qsizetype(1));
    QCOMPARE(sig_text.at(0), QStringLiteral("first\r\n"));
}

void TestFaults::full_file_system()
{
    const TmpfsAppFolder app("size=256k");
    if (!app.why_not.isEmpty())
        QSKIP(qPrintable(app.why_not));
    const QByteArray board = party_with_a_note(app);
    QVERIFY(!board.isEmpty());

    // Fill the file system but for a few kilobytes.
    {
        QFile filler(app.file(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    QFile::resize(app.file(QStringLiteral("filler")), QFileInfo(app.file(QStringLiteral("filler"))).size() - 8192);

    // A board too big for what is left: the old file stays as it was.
    BoardSettings.welcome_msg = QString(100000, QLatin1Char('w'));
    QVERIFY(!save_board(QStringLiteral("Party")));
    QCOMPARE(app.read(QStringLiteral("Party.qla")), board);
    QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({"Party.qla", "Party.sig", "filler"}));

    // A note too big for it: refused, and no part of it joins the next note.
    const QString big = QStringLiteral("big ") + QString(100000, QLatin1Char('n'));
    QVERIFY(!append_note(big));
    QVERIFY(append_note(QStringLiteral("small")));
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, qsizetype(2));
    QCOMPARE(sig_text.at(0), QStringLiteral("first\r\n"));
    QCOMPARE(sig_text.at(1), QStringLiteral("small\r\n"));

    // Space again: both work.
    QVERIFY(QFile::remove(app.file(QStringLiteral("filler"))));
    QVERIFY(save_board(QStringLiteral("Party")));
    QVERIFY(append_note(big));
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, qsizetype(3));
    QCOMPARE(sig_text.at(2), big + QStringLiteral("\r\n"));
}

QTEST_GUILESS_MAIN(TestFaults)
#include "test_faults.moc"
