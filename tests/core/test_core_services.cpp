#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/prefs.h"
#include "core/signature_store.h"
#include "core/sound.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString prefs_file()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/QLA/QLA.conf");
}

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QLA"),
                     QStringLiteral("QLA"));
}

QByteArray read_file(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCoreServices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sound_preference_values();
    void storing_the_preference_writes_the_settings_file();
    void a_settings_file_that_is_no_plain_file_means_sound_on();
    void file_names_match_without_regard_to_case();
    void saving_in_another_case_keeps_one_board_file();
    void board_sounds_follow_the_sound_menu();
};

void TestCoreServices::initTestCase()
{
    // The store must be this test's own, never the user's.
    QVERIFY2(prefs_file().contains(QStringLiteral("quillora-test.")), qPrintable(prefs_file()));
}

void TestCoreServices::sound_preference_values()
{
    store().clear();
    sound_on = kFalse;
    load_prefs();
    QCOMPARE(sound_on, kTrue); // absent

    const QList<QPair<QString, qint16>> cases = {
        {"0", kFalse}, {"1", kTrue}, {"yes", kTrue}, {"00", kTrue}, {"", kTrue}, {"-1", kTrue},
        {"off", kTrue}, {"0", kFalse}};
    for (const auto &[value, expected] : cases) {
        store().setValue(QStringLiteral("Prefs/Sound"), value);
        sound_on = qint16(expected == kTrue ? kFalse : kTrue);
        load_prefs();
        QVERIFY2(sound_on == expected, qPrintable(value));
    }
    // A value under another group does not count.
    store().remove(QStringLiteral("Prefs"));
    store().setValue(QStringLiteral("Sound"), QStringLiteral("0"));
    load_prefs();
    QCOMPARE(sound_on, kTrue);
}

void TestCoreServices::storing_the_preference_writes_the_settings_file()
{
    store().clear();
    QFile::remove(prefs_file());
    store_sound_pref(false);
    QByteArray text = read_file(prefs_file());
    QVERIFY2(text.contains("[Prefs]\nSound=0\n"), text.constData());
    load_prefs();
    QCOMPARE(sound_on, kFalse);

    store_sound_pref(true);
    text = read_file(prefs_file());
    QVERIFY2(text.contains("[Prefs]\nSound=1\n"), text.constData());
    QVERIFY(!text.contains("Sound=0"));
    load_prefs();
    QCOMPARE(sound_on, kTrue);
}

// A pipe would hang the start for ever, a link would be read or written
// through, a huge file read whole: each counts as sound on and is left as it
// is when the preference is stored.
void TestCoreServices::a_settings_file_that_is_no_plain_file_means_sound_on()
{
    const QString elsewhere = prefs_file() + QStringLiteral(".elsewhere");
    const QList<std::function<void()>> odd_entries{
        [] { QVERIFY(::mkfifo(QFile::encodeName(prefs_file()).constData(), 0600) == 0); },
        [&] { QVERIFY(QFile::link(elsewhere, prefs_file())); },
        [] { QVERIFY(QFile::link(QStringLiteral("/dev/zero"), prefs_file())); },
        [] {
            QFile big(prefs_file());
            QVERIFY(big.open(QIODevice::WriteOnly));
            big.write("[Prefs]\nSound=0\n");
            QVERIFY(big.resize(1 << 20));
        },
    };
    // A hang ends the test instead of blocking it.
    struct Alarm {
        Alarm() { ::alarm(20); }
        ~Alarm() { ::alarm(0); }
    } guard;
    QVERIFY(QDir().mkpath(QFileInfo(prefs_file()).path()));
    for (const auto &make_odd_entry : odd_entries) {
        QFile::remove(prefs_file());
        QFile::remove(elsewhere);
        QFile target(elsewhere);
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write("[Prefs]\nSound=0\n");
        target.close();
        make_odd_entry();
        const QFileInfo before(prefs_file());
        sound_on = kFalse;
        load_prefs();
        QCOMPARE(sound_on, kTrue);
        store_sound_pref(true);
        const QFileInfo after(prefs_file());
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.size(), before.size());
        QCOMPARE(read_file(elsewhere), QByteArray("[Prefs]\nSound=0\n"));
    }
    QFile::remove(prefs_file());
    QFile::remove(elsewhere);
}

void TestCoreServices::file_names_match_without_regard_to_case()
{
    TempAppFolder app;
    app.write(QStringLiteral("Party.QLA"), "Party\r\n\r\n 2 \r\n");
    QCOMPARE(find_app_file(QStringLiteral("party"), QStringLiteral(".qla")), app.file("Party.QLA"));
    QCOMPARE(resolve_app_file(QStringLiteral("PARTY"), QStringLiteral(".qla")), app.file("Party.QLA"));
    load_board(QStringLiteral("party"));
    QCOMPARE(BoardSettings.title, QStringLiteral("Party"));
    QCOMPARE(BoardSettings.backdrop_idx, qint16(2));
    QCOMPARE(find_app_file(QStringLiteral("PARTY"), QStringLiteral(".qla")), app.file("Party.QLA"));
    QCOMPARE(find_app_file(QStringLiteral("party"), QStringLiteral(".sig")), QString());

    // A name that is not there resolves to its own spelling.
    QCOMPARE(find_app_file(QStringLiteral("New"), QStringLiteral(".qla")), QString());
    QCOMPARE(resolve_app_file(QStringLiteral("New"), QStringLiteral(".qla")), app.file("New.qla"));

    // A folder of that name is not a board file.
    QDir(app.path()).mkdir(QStringLiteral("x.qla"));
    QCOMPARE(find_app_file(QStringLiteral("x"), QStringLiteral(".qla")), QString());
    QCOMPARE(find_app_file(QStringLiteral("X"), QStringLiteral(".QLA")), QString());

    // Names beginning with "." are ordinary boards.
    app.write(QStringLiteral(".Hidden.qla"), ".Hidden\r\n");
    QCOMPARE(find_app_file(QStringLiteral(".hidden"), QStringLiteral(".qla")), app.file(".Hidden.qla"));
        BoardSettings.title = QStringLiteral(".dot");
    QVERIFY(save_board(QStringLiteral(".dot")));
    QVERIFY(QFileInfo(app.file(".dot.qla")).isFile());

    // No name reaches outside the app folder.
    QCOMPARE(resolve_app_file(QStringLiteral("../Party"), QStringLiteral(".qla")), QString());
    QCOMPARE(resolve_app_file(QStringLiteral("a") + QChar(0), QStringLiteral(".qla")), QString());
    QCOMPARE(find_app_file(QStringLiteral("Party") + QChar(0), QStringLiteral(".QLA")), QString());
    QCOMPARE(find_app_file(QString(), QStringLiteral(".qla")), QString());
}

void TestCoreServices::saving_in_another_case_keeps_one_board_file()
{
    TempAppFolder app;
    app.write(QStringLiteral("party.qla"), "party\r\n");
    BoardSettings.title = QStringLiteral("Party");
    BoardSettings.password = QStringLiteral("pw");
    QVERIFY(save_board(QStringLiteral("Party")));
    QCOMPARE(QDir(app.path()).entryList(QStringList{"*.qla"}, QDir::Files), QStringList{"Party.qla"});
    reset_board();
    load_board(QStringLiteral("PARTY"));
    QCOMPARE(BoardSettings.title, QStringLiteral("Party"));
    QCOMPARE(BoardSettings.password, QStringLiteral("pw"));
}

void TestCoreServices::board_sounds_follow_the_sound_menu()
{
    TempAppFolder app;
    app.make_audio_folder({QStringLiteral("Ding.WAV"), QStringLiteral("chime.wav")});
    SoundRecorder sounds;

    sound_on = kFalse;
    play_sound(QStringLiteral("chime"));
    QCOMPARE(sounds.paths, QStringList());
    // The start-up sound and the wizard's preview do not ask the menu.
    play_file(media_path(QStringLiteral("ptime.wav")));
    QCOMPARE(sounds.paths, QStringList{app.file("media/ptime.wav")});

    sounds.paths.clear();
    sound_on = kTrue;
    play_sound(QStringLiteral("chime"));
    play_sound(QStringLiteral("ding"));
    play_sound(QString());
    play_sound(QStringLiteral("missing"));
    cut_sound();
    QCOMPARE(sounds.paths, QStringList({app.file("audio/chime.wav"), app.file("audio/Ding.WAV"),
                                        app.file("audio/.wav"), app.file("audio/missing.wav"),
                                        QStringLiteral(" ")}));
    QVERIFY(sounds.paths[2].endsWith(QStringLiteral("/audio/.wav")));
}

QTEST_GUILESS_MAIN(TestCoreServices)
#include "test_core_services.moc"
