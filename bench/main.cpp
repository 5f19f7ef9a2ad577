// Measures the work that grows with a party against the simplest code doing
// the same raw work, on data it makes itself in a temporary folder. Prints one
// line per figure and exits with 1 when a target is missed.
#include "bench/bench_data.h"
#include "bench/core_figures.h"
#include "bench/measure.h"
#include "bench/startup_figures.h"
#include "bench/window_figures.h"

#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/sound.h"
#include "ui/common/window_conventions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kNotes = 100000;
constexpr int kBoards = 5000;
const QString kBigBoard = QStringLiteral("Big Party");

QtMessageHandler default_handler = nullptr;

// The offscreen platform warns about every fixed-size window; a real screen
// would not, so that warning is dropped and every other one kept.
void drop_offscreen_noise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    default_handler(type, context, message);
}

void print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// A board with kNotes notes, its board file and its media.
bool make_note_folder(const QString &folder)
{
    link_media(folder);
    const QByteArray notes = make_signature_bytes(kNotes);
    print(QStringLiteral("# %1 notes, %2 bytes").arg(kNotes).arg(notes.size()));
    return write_file(folder + QLatin1Char('/') + kBigBoard + kNotesExt, notes)
           && write_boards(folder, 1) // a neighbour, so the folder is not bare
           && write_file(folder + QLatin1Char('/') + kBigBoard + kBoardExt,
                         QByteArrayLiteral("Big Party\r\n\r\n2\r\n4\r\nchime\r\npop\r\nWelcome!\r\nThank you!\r\n"));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], kMemoryChildOption) == 0)
        return run_memory_child(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    default_handler = qInstallMessageHandler(drop_offscreen_noise);

    // Settings and the single-instance lock live in the bench's own folders.
    // A session's runtime folder is a memory file system (/run/user/<uid>),
    // so the bench's one is made in /dev/shm where there is one.
    QTemporaryDir root;
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir runtime(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/quillora-bench-XXXXXX")
                                                       : root.filePath(QStringLiteral("runtime-XXXXXX")));
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));

    int qt_argc = 1;
    QApplication app(qt_argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    apply_application_conventions();
    set_sound_player(nullptr);
    count_messages();

    const QString notes_folder = root.filePath(QStringLiteral("notes"));
    const QString append_folder = root.filePath(QStringLiteral("append"));
    const QString boards_folder = root.filePath(QStringLiteral("boards"));
    const QString empty_folder = root.filePath(QStringLiteral("empty"));
    const QString saves_folder = root.filePath(QStringLiteral("saves"));
    for (const QString &folder : {notes_folder, append_folder, boards_folder, empty_folder, saves_folder})
        QDir().mkpath(folder);
    link_media(boards_folder);
    link_media(empty_folder);
    link_media(saves_folder);
    if (!root.isValid() || !runtime.isValid() || !make_note_folder(notes_folder) || !write_boards(boards_folder, kBoards)) {
        print(QStringLiteral("could not write the bench data into %1").arg(root.path()));
        return 2;
    }
    if (!media_present())
        print(QStringLiteral("# no media folder was built: the windows are measured without pictures"));

    // Figure names on the command line pick the figures to measure.
    QStringList wanted;
    for (int i = 1; i < argc; ++i)
        wanted.append(QString::fromLocal8Bit(argv[i]));
    QList<Figure> figures;
    const auto pick = [&](const char *name) { return wanted.isEmpty() || wanted.contains(QLatin1String(name)); };
    const auto run = [&](Figure figure) {
        print(figure.line());
        if (figure.measured && !figure.note.isEmpty())
            print(QStringLiteral("#   ") + figure.note);
        figures.append(figure);
    };
    // Memory first, in fresh child processes.
    if (pick("load_notes_memory"))
        run(memory_figure(QCoreApplication::applicationFilePath(), notes_folder, kBigBoard));
    if (pick("load_notes"))
        run(load_notes_figure(notes_folder, kBigBoard));
    if (pick("append_note"))
        run(append_note_figure(append_folder));
    if (pick("export_text"))
        run(export_figure(notes_folder, kBigBoard));
    if (pick("browse_next_previous"))
        run(browse_figure(notes_folder, kBigBoard));
    if (pick("main_menu_board_list"))
        run(main_menu_figure(boards_folder, empty_folder, kBoards));
    if (pick("guest_saves_memory"))
        run(guest_saves_memory_figure(saves_folder));
    set_app_folder(QString());
    const bool with_bus = pick("startup_to_main_menu");
    const bool without_bus = pick("startup_to_main_menu_no_bus");
    if (with_bus || without_bus) {
        const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/quillora_bare_window");
        for (const Figure &figure : startup_figures(QStringLiteral(QUILLORA_APP_DIR), bare,
                                                    root.filePath(QStringLiteral("startup")), with_bus, without_bus))
            run(figure);
    }

    bool all_met = true;
    for (const Figure &figure : figures) {
        if (figure.met())
            continue;
        all_met = false;
        QString target;
        if (figure.max_ratio > 0)
            target += QStringLiteral("ratio <= %1").arg(figure.max_ratio);
        if (figure.max_value > 0)
            target += QStringLiteral(", value < %1 %2").arg(figure.max_value).arg(figure.unit);
        print(QStringLiteral("target missed: %1 (%2)").arg(figure.name, target));
    }
    if (swallowed_messages() > 0)
        print(QStringLiteral("# %1 message boxes were answered while measuring").arg(swallowed_messages()));
    if (all_met)
        print(QStringLiteral("all targets met"));
    return all_met ? 0 : 1;
}
