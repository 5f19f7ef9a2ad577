#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "core/sound.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

// Faults that permissions cannot make for a test run as root: folders where
// files should be, missing folders, a read-only and a full file system.
class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void a_folder_where_a_file_should_be();
    void missing_media_and_audio_folders();
    void read_only_file_system();
    void full_file_system();

private:
    // Mounts a small tmpfs on `dir` in this test's own mount namespace, or
    // says why it cannot.
    QString mount_tmpfs(const QString &dir, const QByteArray &options);
    QString namespace_error_;
};

namespace {

// Detaches a mount when the test function ends, passed or not.
struct Unmount {
    QString dir;
    ~Unmount()
    {
        set_app_folder(QString());
        ::umount2(QFile::encodeName(dir).constData(), MNT_DETACH);
    }
};

QByteArray read_file(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestFaults::initTestCase()
{
    // Mounts made from here on are this process's own and vanish with it.
    if (::unshare(CLONE_NEWNS) != 0)
        namespace_error_ = QStringLiteral("no mount namespace of its own: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        namespace_error_ = QStringLiteral("mounts cannot be made private: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
}

QString TestFaults::mount_tmpfs(const QString &dir, const QByteArray &options)
{
    if (!namespace_error_.isEmpty())
        return namespace_error_;
    if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, options.constData()) != 0)
        return QStringLiteral("tmpfs cannot be mounted: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return {};
}

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
    QTemporaryDir dir;
    const QString why = mount_tmpfs(dir.path(), "size=1m");
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    const Unmount unmount{dir.path()};
    set_app_folder(dir.path());
    reset_board();
    BoardSettings.title = QStringLiteral("Party");
    QVERIFY(save_board(QStringLiteral("Party")));
    QVERIFY(append_note(QStringLiteral("first")));
    const QByteArray board = read_file(dir.filePath(QStringLiteral("Party.qla")));
    QVERIFY(::mount(nullptr, QFile::encodeName(dir.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);

    BoardSettings.password = QStringLiteral("changed");
    QVERIFY(!save_board(QStringLiteral("Party")));
    QVERIFY(!save_board(QStringLiteral("New")));
    QVERIFY(!append_note(QStringLiteral("second")));
    QCOMPARE(read_file(dir.filePath(QStringLiteral("Party.qla"))), board);
    reset_board();
    load_board(QStringLiteral("Party"));
    QCOMPARE(BoardSettings.password, QString());
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, qsizetype(1));
    QCOMPARE(sig_text.at(0), QStringLiteral("first\r\n"));
}

void TestFaults::full_file_system()
{
    QTemporaryDir dir;
    const QString why = mount_tmpfs(dir.path(), "size=256k");
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    const Unmount unmount{dir.path()};
    set_app_folder(dir.path());
    reset_board();
    BoardSettings.title = QStringLiteral("Party");
    QVERIFY(save_board(QStringLiteral("Party")));
    QVERIFY(append_note(QStringLiteral("first")));
    const QByteArray board = read_file(dir.filePath(QStringLiteral("Party.qla")));

    // Fill the file system but for a few kilobytes.
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    QFile::resize(dir.filePath(QStringLiteral("filler")), QFileInfo(dir.filePath(QStringLiteral("filler"))).size() - 8192);

    // A board too big for what is left: the old file stays as it was.
    BoardSettings.welcome_msg = QString(100000, QLatin1Char('w'));
    QVERIFY(!save_board(QStringLiteral("Party")));
    QCOMPARE(read_file(dir.filePath(QStringLiteral("Party.qla"))), board);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
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
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("filler"))));
    QVERIFY(save_board(QStringLiteral("Party")));
    QVERIFY(append_note(big));
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, qsizetype(3));
    QCOMPARE(sig_text.at(2), big + QStringLiteral("\r\n"));
}

QTEST_GUILESS_MAIN(TestFaults)
#include "test_faults.moc"
