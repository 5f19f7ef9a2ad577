#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/single_instance.h"
#include "core/startup.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/stat.h>

namespace {

// Runs the probe and returns its answer ("claimed" or "busy").
QString probe(const QString &lock, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(INSTANCE_PROBE), {lock});
    if (!p.waitForFinished(10000))
        return QStringLiteral("timeout");
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

// A probe that keeps the lock; started and waited for until it claimed.
class Holder {
public:
    explicit Holder(const QString &lock)
    {
        process_.start(QStringLiteral(INSTANCE_PROBE), {lock, QStringLiteral("hold")});
        process_.waitForReadyRead(10000);
        answer_ = QString::fromLatin1(process_.readAllStandardOutput()).trimmed();
    }
    ~Holder() { kill(); }
    QString answer() const { return answer_; }
    void kill()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(process_.processId()), SIGKILL);
        process_.waitForFinished(10000);
    }

private:
    QProcess process_;
    QString answer_;
};

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void a_second_process_finds_the_program_running();
    void the_lock_is_per_user_runtime_folder();
    void a_lock_that_cannot_be_made_does_not_stop_the_program();
    void a_second_instance_is_told_and_goes_no_further();
    void an_odd_lock_never_keeps_the_program_from_starting();
};

void TestSingleInstance::a_second_process_finds_the_program_running()
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quillora.lock"));
    {
        Holder holder(lock);
        QCOMPARE(holder.answer(), QStringLiteral("claimed"));
        QCOMPARE(probe(lock), QStringLiteral("busy"));
        QCOMPARE(probe(lock), QStringLiteral("busy"));
        // This process counts as a second instance too.
        SingleInstance here(lock);
        QVERIFY(!here.claim());
        holder.kill();
        // The lock of the killed program is still on disk, and taken over.
        QVERIFY(QFile::exists(lock));
        QCOMPARE(probe(lock), QStringLiteral("claimed"));
    }
    {
        Holder again(lock);
        QCOMPARE(again.answer(), QStringLiteral("claimed"));
        QCOMPARE(probe(lock), QStringLiteral("busy"));
    }
    // A program that ends normally leaves no lock behind.
    QCOMPARE(probe(lock), QStringLiteral("claimed"));
    QVERIFY(!QFile::exists(lock));
}

void TestSingleInstance::the_lock_is_per_user_runtime_folder()
{
    QTemporaryDir one;
    QTemporaryDir two;
    QProcessEnvironment env_one = QProcessEnvironment::systemEnvironment();
    env_one.insert(QStringLiteral("XDG_RUNTIME_DIR"), one.path());
    QProcessEnvironment env_two = env_one;
    env_two.insert(QStringLiteral("XDG_RUNTIME_DIR"), two.path());

    QProcess holder;
    holder.setProcessEnvironment(env_one);
    holder.start(QStringLiteral(INSTANCE_PROBE), {QStringLiteral("default"), QStringLiteral("hold")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("claimed"));
    QVERIFY(QFile::exists(one.filePath(QStringLiteral("quillora.lock"))));
    QCOMPARE(probe(QStringLiteral("default"), env_one), QStringLiteral("busy"));
    QCOMPARE(probe(QStringLiteral("default"), env_two), QStringLiteral("claimed"));
    ::kill(pid_t(holder.processId()), SIGKILL);
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(probe(QStringLiteral("default"), env_one), QStringLiteral("claimed"));

    // Without a runtime folder the lock lies in the temp folder.
    QProcessEnvironment no_runtime = env_one;
    no_runtime.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    no_runtime.insert(QStringLiteral("TMPDIR"), two.path());
    QCOMPARE(probe(QStringLiteral("default"), no_runtime), QStringLiteral("claimed"));
}

void TestSingleInstance::a_lock_that_cannot_be_made_does_not_stop_the_program()
{
    QTemporaryDir dir;
    SingleInstance instance(dir.filePath(QStringLiteral("no such folder/quillora.lock")));
    QVERIFY(instance.claim());
}

void TestSingleInstance::a_second_instance_is_told_and_goes_no_further()
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quillora.lock"));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QLA"), QStringLiteral("QLA"))
        .setValue(QStringLiteral("Prefs/Sound"), QStringLiteral("0"));

    // What a save killed halfway leaves in the app folder, beside entries
    // that only look like it.
    QTemporaryDir app;
    set_app_folder(app.path());
    const QStringList left{".quillora-Ab12Cd", ".quillora-zz99QQ"};
    const QStringList kept{".quillora-short", ".quillora-Ab12Cd.sig", "Party.sig", ".quillora-Link01",
                           ".quillora-Dir001"};
    for (const QString &name : left + kept.first(3)) {
        QFile file(app.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(app.filePath(QStringLiteral("Party.sig")), app.filePath(kept[3])));
    QVERIFY(QDir(app.path()).mkdir(kept[4]));
    const auto entries = [&app] {
        return QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    const QStringList everything = entries();

    QCOMPARE(already_running_message(), QStringLiteral("Quillora 2003 is already running."));
    {
        Holder holder(lock);
        QCOMPARE(holder.answer(), QStringLiteral("claimed"));
        reset_app_state();
        anim_speed = {};
        SingleInstance second(lock);
        QVERIFY(!start_program(second));
        QCOMPARE(sound_on, kTrue);                 // the preference was not read
        QCOMPARE(anim_speed[0], qint16(0));        // nor the animation set up
        QCOMPARE(entries(), everything);           // the running copy's files stay
    }
    SingleInstance first(lock);
    QVERIFY(start_program(first));
    QCOMPARE(sound_on, kFalse);
    QCOMPARE(anim_speed, (std::array<qint16, 6>{80, 200, 200, 90, 50, 0}));
    QCOMPARE(anim_icon, qint16(-1));
    QCOMPARE(probe(lock), QStringLiteral("busy"));
    QStringList expected = kept;
    expected.sort();
    QCOMPARE(entries(), expected);
    set_app_folder(QString());
}

// Whatever lies under the lock's name, a program starts when no other runs,
// and a second one finds the first.
void TestSingleInstance::an_odd_lock_never_keeps_the_program_from_starting()
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("quillora.lock"));
    const QByteArray native = QFile::encodeName(lock);
    const std::function<void()> odd_entries[] = {
        [&] { QFile f(lock); QVERIFY(f.open(QIODevice::WriteOnly)); },
        [&] {
            static const char garbage[] = "garbage\0\xff 99999999\n";
            QFile f(lock);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(garbage, sizeof garbage - 1);
        },
        [&] { QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("quillora.lock/inside"))); },
        [&] { QVERIFY(::mkfifo(native.constData(), 0600) == 0); },
        [&] { QVERIFY(QFile::link(QStringLiteral("/dev/null"), lock)); },
        [&] { QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), lock)); },
    };
    for (const auto &make_odd_entry : odd_entries) {
        make_odd_entry();
        QCOMPARE(probe(lock), QStringLiteral("claimed"));
        {
            Holder holder(lock);
            QCOMPARE(holder.answer(), QStringLiteral("claimed"));
            QCOMPARE(probe(lock), QStringLiteral("busy"));
        }
        QCOMPARE(probe(lock), QStringLiteral("claimed"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
        if (QFileInfo(lock).isDir() && !QFileInfo(lock).isSymLink())
            QVERIFY(QDir(lock).removeRecursively());
        else
            QFile::remove(lock);
        QVERIFY(!QFileInfo::exists(lock) && !QFileInfo(lock).isSymLink());
    }
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
