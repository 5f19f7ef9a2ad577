#include "core/sound_effect_player.h"
#include "tests/support/test_support.h"

#include <QLoggingCategory>
#include <QTest>

// Sound problems pass silently: a request prints nothing, also where no
// sound server runs, and what else the program says still prints.
class SoundEffectPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void requests_print_nothing_and_leave_other_warnings()
    {
        TempAppFolder app(false);
        app.write(QStringLiteral("Chime.wav"), "RIFF");
        static QStringList printed;
        const QtMessageHandler test_log = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &context, const QString &message) {
                printed.append(QLatin1String(context.category) + QStringLiteral(": ") + message);
            });
        {
            SoundEffectPlayer player;
            player.play(app.file(QStringLiteral("Chime.wav")));
            player.play(QStringLiteral(" "));
            static const QLoggingCategory multimedia("qt.multimedia.player");
            qCWarning(multimedia) << "a multimedia warning";
            qWarning("the program's warning");
        }
        qInstallMessageHandler(test_log);
        QCOMPARE(printed, QStringList{QStringLiteral("default: the program's warning")});
    }
};

QTEST_MAIN(SoundEffectPlayerTest)
#include "test_sound_effect_player.moc"
