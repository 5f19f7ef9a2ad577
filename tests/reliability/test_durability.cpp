#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "ui/wizard/board_rename.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

// Every fsync of this process goes through here: the test counts the calls
// on regular files and on folders, and can make those on files fail as a
// failing disk would.
namespace {
int regular_fsyncs = 0;
int folder_fsyncs = 0;
bool fail_fsync = false;
} // namespace

extern "C" int fsync(int fd)
{
    struct stat st {};
    const bool known = ::fstat(fd, &st) == 0;
    if (known && S_ISDIR(st.st_mode))
        ++folder_fsyncs;
    if (known && S_ISREG(st.st_mode)) {
        ++regular_fsyncs;
        if (fail_fsync) {
            errno = EIO;
            return -1;
        }
    }
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

namespace {

mode_t mode_of(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

struct FailFsync {
    FailFsync() { fail_fsync = true; }
    ~FailFsync() { fail_fsync = false; }
};

const QByteArray kSep = "^~-^,./\r\n";

} // namespace

class TestDurability : public QObject {
    Q_OBJECT

private slots:
    void every_write_reaches_the_disk();
    void a_failing_flush_is_a_failed_write();
    void a_file_size_limit_is_a_failed_write();
    void new_files_are_private_and_modes_are_kept();
    void a_retitle_moves_the_notes_whole();
    void a_retitle_that_cannot_copy_changes_nothing();
    void a_retitle_on_a_full_disk_changes_nothing();
};

void TestDurability::every_write_reaches_the_disk()
{
    TempAppFolder app(false);
    BoardSettings.title = QStringLiteral("Party");
    // The folder is flushed after every new name: a new file or a rename.
    const auto fsyncs = [] { return std::pair(regular_fsyncs, folder_fsyncs); };
    regular_fsyncs = folder_fsyncs = 0;
    QVERIFY(save_board(QStringLiteral("Party")));
    QCOMPARE(fsyncs(), std::pair(1, 1));
    QVERIFY(append_note(QStringLiteral("first")));
    QCOMPARE(fsyncs(), std::pair(2, 2));
    QVERIFY(append_note(QStringLiteral("second")));
    QCOMPARE(fsyncs(), std::pair(3, 2));
    BoardSettings.loaded_title = QStringLiteral("Party");
    BoardSettings.title = QStringLiteral("Big Party");
    QVERIFY(save_board(QStringLiteral("Big Party")));
    QCOMPARE(fsyncs(), std::pair(4, 3));
    // The notes move by a rename: the folder is flushed, the file was already.
    QVERIFY(move_old_board(QStringLiteral("Party"), QStringLiteral("Big Party")));
    QCOMPARE(fsyncs(), std::pair(4, 4));
}

void TestDurability::a_failing_flush_is_a_failed_write()
{
    TempAppFolder app(false);
    BoardSettings.title = QStringLiteral("Party");
    QVERIFY(save_board(QStringLiteral("Party")));
    QVERIFY(append_note(QStringLiteral("first")));
    app.write(QStringLiteral("Big Party.sig"), "left\r\n" + kSep);
    const QByteArray board = app.read(QStringLiteral("Party.qla"));
    {
        const FailFsync failing;
        BoardSettings.password = QStringLiteral("changed");
        QVERIFY(!save_board(QStringLiteral("Party")));
        QVERIFY(!append_note(QStringLiteral("second")));
        QVERIFY(!move_old_board(QStringLiteral("Party"), QStringLiteral("Big Party")));
    }
    // Nothing half done: the old board, one note, no temporary file left.
    QCOMPARE(app.read(QStringLiteral("Party.qla")), board);
    QCOMPARE(app.read(QStringLiteral("Party.sig")), "first\r\n" + kSep);
    QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Big Party.sig", "Party.qla", "Party.sig"}));
}

// The child sets itself up as the program does; without that, the limit
// ends it by SIGXFSZ and the note is lost with nothing said.
void TestDurability::a_file_size_limit_is_a_failed_write()
{
    TempAppFolder app(false);
    app.write(QStringLiteral("Party.sig"), "first\r\n" + kSep);
    const QByteArray board = "Party\r\n\r\n-1 \r\n-1 \r\n\r\n\r\nThanks\r\nHi\r\n";
    app.write(QStringLiteral("Party.qla"), board);
    QProcess child;
    child.start(QStringLiteral(FSIZE_CHILD), {app.path(), QStringLiteral("Party"), QStringLiteral("4096"),
                                              QStringLiteral("10000")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput(), QByteArray("note failed\nboard failed\n"));
    QCOMPARE(app.read(QStringLiteral("Party.sig")), "first\r\n" + kSep);
    QCOMPARE(app.read(QStringLiteral("Party.qla")), board);
    QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Party.qla", "Party.sig"}));

    // Within the limit both go through.
    child.start(QStringLiteral(FSIZE_CHILD), {app.path(), QStringLiteral("Party"), QStringLiteral("4096"),
                                              QStringLiteral("100")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.readAllStandardOutput(), QByteArray("note saved\nboard saved\n"));
}

void TestDurability::new_files_are_private_and_modes_are_kept()
{
    TempAppFolder app(false);
    const mode_t old_mask = ::umask(022);
    BoardSettings.title = QStringLiteral("Private");
    BoardSettings.password = QStringLiteral("secret");
    QVERIFY(save_board(QStringLiteral("Private")));
    QVERIFY(append_note(QStringLiteral("a private word")));
    QCOMPARE(mode_of(app.file("Private.qla")), mode_t(0600));
    QCOMPARE(mode_of(app.file("Private.sig")), mode_t(0600));

    // A host who chose other modes keeps them.
    QVERIFY(::chmod(QFile::encodeName(app.file("Private.qla")).constData(), 0640) == 0);
    QVERIFY(::chmod(QFile::encodeName(app.file("Private.sig")).constData(), 0604) == 0);
    QVERIFY(save_board(QStringLiteral("Private")));
    QVERIFY(append_note(QStringLiteral("another")));
    QCOMPARE(mode_of(app.file("Private.qla")), mode_t(0640));
    QCOMPARE(mode_of(app.file("Private.sig")), mode_t(0604));

    // Notes moved to a new title keep their file and its mode; notes merged
    // into an existing file keep that file's mode.
    QVERIFY(move_old_board(QStringLiteral("Private"), QStringLiteral("Moved")));
    QCOMPARE(mode_of(app.file("Moved.sig")), mode_t(0604));
    app.write(QStringLiteral("Again.qla"), "Again\r\n");
    app.write(QStringLiteral("Again.sig"), "old\r\n" + kSep);
    QVERIFY(::chmod(QFile::encodeName(app.file("Moved.sig")).constData(), 0640) == 0);
    QVERIFY(move_old_board(QStringLiteral("Again"), QStringLiteral("Moved")));
    QCOMPARE(mode_of(app.file("Moved.sig")), mode_t(0640));
    ::umask(old_mask);
}

void TestDurability::a_retitle_moves_the_notes_whole()
{
    TempAppFolder app(false);
    app.write(QStringLiteral("Party.qla"), "Party\r\n");
    app.write(QStringLiteral("Party.sig"), "one\r\n" + kSep + "two\r\n" + kSep);
    // Notes left under the new title, the last one cut short.
    app.write(QStringLiteral("Big Party.sig"), "left\r\n" + kSep + "cut sh");
    app.write(QStringLiteral("Big Party.qla"), "Big Party\r\n");
    QVERIFY(move_old_board(QStringLiteral("Party"), QStringLiteral("Big Party")));
    QCOMPARE(app.read(QStringLiteral("Big Party.sig")),
             "left\r\n" + kSep + "cut sh\r\n" + kSep + "one\r\n" + kSep + "two\r\n" + kSep);
    QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Big Party.qla", "Big Party.sig"}));

    // Notes past what is read back move whole, by their file's new name;
    // they are not merged into other notes.
    QFile::remove(app.file("Big Party.sig"));
    for (const char *with_notes_there : {"", "left\r\n^~-^,./\r\n"}) {
        app.write(QStringLiteral("Party.qla"), "Party\r\n");
        QFile notes(app.file("Party.sig"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.resize(kMaxBoardFileBytes + 1));
        if (*with_notes_there)
            app.write(QStringLiteral("Big Party.sig"), with_notes_there);
        QCOMPARE(move_old_board(QStringLiteral("Party"), QStringLiteral("Big Party")), !*with_notes_there);
        QCOMPARE(QFileInfo(app.file(*with_notes_there ? "Party.sig" : "Big Party.sig")).size(), kMaxBoardFileBytes + 1);
    }

    // Without notes, the old board file goes all the same.
    app.write(QStringLiteral("Bare.qla"), "Bare\r\n");
    QVERIFY(move_old_board(QStringLiteral("Bare"), QStringLiteral("Big Party")));
    QVERIFY(!QFile::exists(app.file("Bare.qla")));
}

void TestDurability::a_retitle_that_cannot_copy_changes_nothing()
{
    TempAppFolder app(false);
    const QByteArray notes = "one\r\n" + kSep + "two\r\n" + kSep;
    app.write(QStringLiteral("Party.qla"), "Party\r\n");
    app.write(QStringLiteral("Party.sig"), notes);
    app.write(QStringLiteral("Big Party.qla"), "Big Party\r\n");
    const auto files = [&app] {
        return QDir(app.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    };

    // A folder in the way.
    QVERIFY(QDir(app.path()).mkdir(QStringLiteral("Big Party.sig")));
    QVERIFY(!move_old_board(QStringLiteral("Party"), QStringLiteral("Big Party")));
    QCOMPARE(app.read(QStringLiteral("Party.sig")), notes);
    QCOMPARE(files(), QStringList({"Big Party.qla", "Big Party.sig", "Party.qla", "Party.sig"}));
    QVERIFY(QDir(app.path()).rmdir(QStringLiteral("Big Party.sig")));

    // A link in the way, to the old board's own notes.
    QVERIFY(QFile::link(QStringLiteral("Party.sig"), app.file("Big Party.sig")));
    QVERIFY(!move_old_board(QStringLiteral("Party"), QStringLiteral("Big Party")));
    QCOMPARE(app.read(QStringLiteral("Party.sig")), notes);
    QVERIFY(QFileInfo(app.file("Big Party.sig")).isSymLink());
    QCOMPARE(files(), QStringList({"Big Party.qla", "Big Party.sig", "Party.qla", "Party.sig"}));
}

void TestDurability::a_retitle_on_a_full_disk_changes_nothing()
{
    const TmpfsAppFolder app("size=512k");
    if (!app.why_not.isEmpty())
        QSKIP(qPrintable(app.why_not));
    // Old notes of 200 kB, and 200 kB of notes under the new title: the
    // merged file does not fit beside them.
    BoardSettings.title = QStringLiteral("Party");
    QVERIFY(save_board(QStringLiteral("Party")));
    const QString long_note(1000, QLatin1Char('p'));
    for (int i = 0; i < 200; ++i)
        QVERIFY(append_note(long_note));
    BoardSettings.title = QStringLiteral("Big Party");
    for (int i = 0; i < 200; ++i)
        QVERIFY(append_note(long_note));
    QVERIFY(save_board(QStringLiteral("Big Party")));
    const QByteArray old_notes = app.read(QStringLiteral("Party.sig"));
    const QByteArray new_notes = app.read(QStringLiteral("Big Party.sig"));
    QVERIFY(!move_old_board(QStringLiteral("Party"), QStringLiteral("Big Party")));
    QCOMPARE(app.read(QStringLiteral("Party.sig")), old_notes);
    QCOMPARE(app.read(QStringLiteral("Big Party.sig")), new_notes);
    QVERIFY(QFile::exists(app.file(QStringLiteral("Party.qla"))));
    QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Big Party.qla", "Big Party.sig", "Party.qla", "Party.sig"}));
}

QTEST_GUILESS_MAIN(TestDurability)
#include "test_durability.moc"
