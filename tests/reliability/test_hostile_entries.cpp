#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/safe_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Entries of the app folder that are not the regular files they are named
// as: links out of the folder, dangling links, links to a pipe or a device,
// and files far larger than any party. Every operation of the program on
// them returns at once, changes nothing outside the folder and reads no more
// than the limit.
namespace {

// Peak resident memory of this process, in megabytes.
long peak_megabytes()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A read of /dev/zero or a wait on a pipe would never end: the process then
// ends with a message instead of hanging until the test runner gives up.
void watchdog(int)
{
    static const char text[] = "an operation hung on a hostile entry\n";
    (void)!::write(2, text, sizeof text - 1);
    ::_exit(3);
}

struct Watchdog {
    Watchdog()
    {
        std::signal(SIGALRM, watchdog);
        ::alarm(20);
    }
    ~Watchdog() { ::alarm(0); }
};

// An app folder beside a folder "outside" that the program must never touch.
class Folders {
public:
    Folders()
    {
        QDir(root_.path()).mkdir(QStringLiteral("app"));
        QDir(root_.path()).mkdir(QStringLiteral("outside"));
        set_app_folder(app());
        reset_board();
    }
    ~Folders() { set_app_folder(QString()); }
    QString app() const { return root_.filePath(QStringLiteral("app")); }
    QString app_file(const QString &name) const { return app() + QLatin1Char('/') + name; }
    QString outside(const QString &name) const { return root_.filePath(QStringLiteral("outside/") + name); }
    void link(const QString &target, const QString &name) const
    {
        QVERIFY(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(app_file(name)).constData()) == 0);
    }
    QStringList outside_entries() const
    {
        return QDir(root_.filePath(QStringLiteral("outside"))).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir root_;
};

QByteArray read_bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_bytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every operation on the board `title`, whose two files are hostile: none
// may read, write or list them.
void refuse_all(const QString &title)
{
    reset_board();
    BoardSettings.title = title;
    QVERIFY(!save_board(title));
    QVERIFY(!append_note(QStringLiteral("a guest's note")));
    reset_board();
    QCOMPARE(load_board(title), ReadResult::Unreadable);
    QCOMPARE(BoardSettings.title, QString());
    QCOMPARE(BoardSettings.welcome_msg, kDefaultWelcome);
    sig_count = 5;
    QCOMPARE(load_notes(title), ReadResult::Unreadable);
    QCOMPARE(sig_count, qsizetype(0));
    QCOMPARE(find_app_file(title, QStringLiteral(".sig")), QString());
    QCOMPARE(find_app_file(title, QStringLiteral(".qla")), QString());
}

} // namespace

class TestHostileEntries : public QObject {
    Q_OBJECT

private slots:
    void links_out_of_the_folder_are_not_followed();
    void dangling_links_create_nothing_outside();
    void a_link_to_a_pipe_does_not_block();
    void a_link_to_an_endless_device_is_not_read();
    void files_over_the_limit_are_not_read();
    void a_file_at_the_limit_is_read();
    void a_file_that_grows_while_read_stays_bounded();
};

void TestHostileEntries::links_out_of_the_folder_are_not_followed()
{
    const Watchdog guard;
    Folders f;
    const QByteArray victim = "someone else's file\r\n^~-^,./\r\n";
    write_bytes(f.outside(QStringLiteral("victim.txt")), victim);
    f.link(f.outside(QStringLiteral("victim.txt")), QStringLiteral("Ext.sig"));
    f.link(f.outside(QStringLiteral("victim.txt")), QStringLiteral("Ext.qla"));
    // Also under another spelling of the title.
    f.link(f.outside(QStringLiteral("victim.txt")), QStringLiteral("other.sig"));
    f.link(f.outside(QStringLiteral("victim.txt")), QStringLiteral("other.qla"));
    refuse_all(QStringLiteral("Ext"));
    refuse_all(QStringLiteral("Other"));
    QCOMPARE(read_bytes(f.outside(QStringLiteral("victim.txt"))), victim);
    QVERIFY(QFileInfo(f.app_file(QStringLiteral("Ext.qla"))).isSymLink());
    QVERIFY(QFileInfo(f.app_file(QStringLiteral("Ext.sig"))).isSymLink());
    QCOMPARE(f.outside_entries(), QStringList{"victim.txt"});
}

void TestHostileEntries::dangling_links_create_nothing_outside()
{
    const Watchdog guard;
    Folders f;
    f.link(f.outside(QStringLiteral("made.sig")), QStringLiteral("Dangling.sig"));
    f.link(f.outside(QStringLiteral("made.qla")), QStringLiteral("Dangling.qla"));
    refuse_all(QStringLiteral("Dangling"));
    QCOMPARE(f.outside_entries(), QStringList());
}

void TestHostileEntries::a_link_to_a_pipe_does_not_block()
{
    const Watchdog guard;
    Folders f;
    QVERIFY(::mkfifo(QFile::encodeName(f.outside(QStringLiteral("pipe"))).constData(), 0600) == 0);
    f.link(f.outside(QStringLiteral("pipe")), QStringLiteral("Pipe.sig"));
    f.link(f.outside(QStringLiteral("pipe")), QStringLiteral("Pipe.qla"));
    refuse_all(QStringLiteral("Pipe"));
    // A pipe in the folder itself, not through a link.
    QVERIFY(::mkfifo(QFile::encodeName(f.app_file(QStringLiteral("Here.qla"))).constData(), 0600) == 0);
    QVERIFY(::mkfifo(QFile::encodeName(f.app_file(QStringLiteral("Here.sig"))).constData(), 0600) == 0);
    refuse_all(QStringLiteral("Here"));
    QByteArray bytes;
    QCOMPARE(read_regular_file(f.app_file(QStringLiteral("Here.qla")), kMaxMediaFileBytes, bytes),
             ReadResult::Unreadable);
}

void TestHostileEntries::a_link_to_an_endless_device_is_not_read()
{
    const Watchdog guard;
    Folders f;
    const long before = peak_megabytes();
    for (const char *device : {"/dev/zero", "/dev/urandom"}) {
        QFile::remove(f.app_file(QStringLiteral("Zero.sig")));
        QFile::remove(f.app_file(QStringLiteral("Zero.qla")));
        f.link(QString::fromLatin1(device), QStringLiteral("Zero.sig"));
        f.link(QString::fromLatin1(device), QStringLiteral("Zero.qla"));
        refuse_all(QStringLiteral("Zero"));
    }
    qInfo("peak memory grew by %ld MB reading links to devices", peak_megabytes() - before);
    QVERIFY2(peak_megabytes() - before < 64, "a device was read into memory");
}

void TestHostileEntries::files_over_the_limit_are_not_read()
{
    const Watchdog guard;
    Folders f;
    const long before = peak_megabytes();
    // Sparse files: 2 GB that take no room on the disk.
    for (const QString &name : {QStringLiteral("Huge.qla"), QStringLiteral("Huge.sig")}) {
        QFile file(f.app_file(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(2) << 30));
    }
    reset_board();
    QCOMPARE(load_board(QStringLiteral("Huge")), ReadResult::TooLarge);
    QCOMPARE(BoardSettings.welcome_msg, kDefaultWelcome);
    // Of the notes, only the start is read: it holds no whole note.
    QCOMPARE(load_notes(QStringLiteral("Huge")), ReadResult::Partial);
    QCOMPARE(sig_count, qsizetype(0));
    // One byte over the limit is over it.
    QFile::resize(f.app_file(QStringLiteral("Huge.sig")), kMaxBoardFileBytes + 1);
    QCOMPARE(load_notes(QStringLiteral("Huge")), ReadResult::Partial);
    qInfo("peak memory grew by %ld MB reading files over the limit", peak_megabytes() - before);
    QVERIFY2(peak_megabytes() - before < 64, "a file over the limit was read into memory");
    // Still a board, listed; it takes no more notes.
    QVERIFY(!find_app_file(QStringLiteral("Huge"), QStringLiteral(".sig")).isEmpty());
    BoardSettings.title = QStringLiteral("Huge");
    bool full = false;
    QVERIFY(!append_note(QStringLiteral("one more"), &full));
    QVERIFY(full);
    QCOMPARE(QFileInfo(f.app_file(QStringLiteral("Huge.sig"))).size(), kMaxBoardFileBytes + 1);
}

void TestHostileEntries::a_file_at_the_limit_is_read()
{
    Folders f;
    QByteArray notes;
    notes.reserve(kMaxBoardFileBytes);
    const QByteArray record = "a guest's note of a good length, as at a real party\r\n^~-^,./\r\n";
    while (notes.size() + record.size() <= kMaxBoardFileBytes)
        notes += record;
    notes += QByteArray(kMaxBoardFileBytes - notes.size(), 'x');
    write_bytes(f.app_file(QStringLiteral("Full.sig")), notes);
    QCOMPARE(load_notes(QStringLiteral("Full")), ReadResult::Read);
    QCOMPARE(sig_count, qsizetype(kMaxBoardFileBytes / record.size()));
    QCOMPARE(sig_text.at(sig_count), QString(kMaxBoardFileBytes % record.size(), QLatin1Char('x')) + QStringLiteral("\r\n"));
}

// A file that reports a small size and then grows under the reader: only
// the limit and one byte more are ever read.
void TestHostileEntries::a_file_that_grows_while_read_stays_bounded()
{
    Folders f;
    const QString path = f.app_file(QStringLiteral("grows.jpg"));
    write_bytes(path, QByteArray(100, 'a'));
    QByteArray bytes;
    QCOMPARE(read_regular_file(path, 99, bytes), ReadResult::TooLarge);
    QVERIFY(bytes.isEmpty());
    QCOMPARE(read_regular_file(path, 100, bytes), ReadResult::Read);
    QCOMPARE(bytes, QByteArray(100, 'a'));
    // /proc files say they are empty and are not: read to the limit only.
    QCOMPARE(read_regular_file(QStringLiteral("/proc/self/maps"), 10, bytes), ReadResult::TooLarge);
    QVERIFY(!is_plain_file(QStringLiteral("/dev/zero"), kMaxMediaFileBytes));
    f.link(path, QStringLiteral("link.jpg"));
    QVERIFY(!is_plain_file(f.app_file(QStringLiteral("link.jpg")), kMaxMediaFileBytes));
    QVERIFY(is_plain_file(path, 100));
    QVERIFY(!is_plain_file(path, 99));
}

QTEST_GUILESS_MAIN(TestHostileEntries)
#include "test_hostile_entries.moc"
