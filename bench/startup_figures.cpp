#include "bench/startup_figures.h"

#include "bench/first_paint.h"
#include "core/board_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRuns = 41;
constexpr int kWarmup = 3;

double quantile(QList<double> samples, double q)
{
    std::sort(samples.begin(), samples.end());
    return samples[qsizetype(std::lround(q * double(samples.size() - 1)))];
}

// A copy of the built app folder (program, media, sounds), no boards: what a
// host has after installing.
bool copy_app_folder(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QDir(from).relativeFilePath(path);
        if (relative.endsWith(kBoardExt) || relative.endsWith(kNotesExt))
            continue;
        const QString target = to + QLatin1Char('/') + relative;
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(path, target))
            return false;
    }
    return QFileInfo(to + QStringLiteral("/quillora")).isExecutable();
}

// The private folders of a person's session, made once: the program meets
// its settings and lock folders as it does on the second start of a day.
QStringList session_environment(const QString &folder)
{
    const QString runtime = folder + QStringLiteral("/runtime");
    for (const QString &sub : {QStringLiteral("/home/.config"), QStringLiteral("/home/.local/share"),
                               QStringLiteral("/home/.cache"), QStringLiteral("/runtime")})
        QDir().mkpath(folder + sub);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return {
        QStringLiteral("PATH=") + qEnvironmentVariable("PATH"),
        QStringLiteral("LANG=C.UTF-8"),
        QStringLiteral("HOME=") + folder + QStringLiteral("/home"),
        QStringLiteral("XDG_CONFIG_HOME=") + folder + QStringLiteral("/home/.config"),
        QStringLiteral("XDG_DATA_HOME=") + folder + QStringLiteral("/home/.local/share"),
        QStringLiteral("XDG_CACHE_HOME=") + folder + QStringLiteral("/home/.cache"),
        QStringLiteral("XDG_RUNTIME_DIR=") + runtime,
    };
}

Figure not_measured(Figure figure, const QString &why)
{
    figure.measured = false;
    figure.note = why;
    return figure;
}

QString spread(const QList<double> &samples)
{
    return QStringLiteral("%1 (quartiles %2-%3)")
        .arg(quantile(samples, 0.5), 0, 'f', 1)
        .arg(quantile(samples, 0.25), 0, 'f', 1)
        .arg(quantile(samples, 0.75), 0, 'f', 1);
}

// The program and the bare window launched in turn, the order swapped every
// round so a drift of the machine favours neither.
Figure compare(FirstPaintClock &clock, Figure figure, const QStringList &program, const QStringList &bare,
               const QStringList &environment)
{
    QList<double> programs;
    QList<double> bares;
    for (int round = 0; round < kWarmup + kRuns; ++round) {
        double a = 0;
        double b = 0;
        if (round % 2) {
            b = clock.launch_to_paint(bare, environment);
            a = clock.launch_to_paint(program, environment);
        } else {
            a = clock.launch_to_paint(program, environment);
            b = clock.launch_to_paint(bare, environment);
        }
        if (a < 0 || b < 0)
            return not_measured(figure, QStringLiteral("a window was not painted on %1").arg(clock.display()));
        if (round >= kWarmup) {
            programs.append(a);
            bares.append(b);
        }
    }
    figure.value = quantile(programs, 0.5);
    figure.baseline = quantile(bares, 0.5);
    figure.note = QStringLiteral("%1 launches each on %2: program %3 ms, bare window %4 ms")
                      .arg(kRuns)
                      .arg(clock.display(), spread(programs), spread(bares));
    return figure;
}

} // namespace

QList<Figure> startup_figures(const QString &app_folder, const QString &bare_program, const QString &work_folder,
                              bool with_bus, bool without_bus)
{
    Figure bus_figure{QStringLiteral("startup_to_main_menu"), QStringLiteral("ms")};
    Figure no_bus_figure{QStringLiteral("startup_to_main_menu_no_bus"), QStringLiteral("ms")};
    bus_figure.max_ratio = 1.3;
    no_bus_figure.max_ratio = 1.3;
    QList<Figure> figures;
    const auto all_not_measured = [&](const QString &why) {
        if (with_bus)
            figures.append(not_measured(bus_figure, why));
        if (without_bus)
            figures.append(not_measured(no_bus_figure, why));
        return figures;
    };

    const QString app = work_folder + QStringLiteral("/app");
    if (!copy_app_folder(app_folder, app))
        return all_not_measured(QStringLiteral("the app folder %1 could not be copied").arg(app_folder));
    if (!QFileInfo(bare_program).isExecutable())
        return all_not_measured(QStringLiteral("%1 was not built").arg(bare_program));
    FirstPaintClock clock;
    if (!clock.ready())
        return all_not_measured(clock.why());

    const QStringList program{app + QStringLiteral("/quillora")};
    const QStringList bare{bare_program, app + QStringLiteral("/media/mback.jpg")};
    const QStringList environment = session_environment(work_folder);
    if (with_bus) {
        const SessionBus bus;
        const QStringList with_bus_environment =
            environment + QStringList{QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + bus.address()};
        if (bus.address().isEmpty()) {
            figures.append(not_measured(bus_figure, QStringLiteral("dbus-daemon could not be started")));
        } else {
            figures.append(compare(clock, bus_figure, program, bare, with_bus_environment));
            // No target: how much of the difference a window pays for
            // showing the same widgets, text above all.
            figures.append(compare(clock, {QStringLiteral("startup_beside_same_widgets"), QStringLiteral("ms")},
                                   program, bare + QStringList{QStringLiteral("widgets")}, with_bus_environment));
        }
    }
    if (without_bus)
        figures.append(compare(clock, no_bus_figure, program, bare, environment));
    return figures;
}
