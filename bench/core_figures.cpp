#include "bench/core_figures.h"

#include "bench/bench_data.h"
#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/signature_store.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

QString sig_path(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name + kNotesExt;
}

// The simplest append that reaches the disk.
void bare_append(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size())
        ::fsync(fd);
    ::close(fd);
}

} // namespace

Figure load_notes_figure(const QString &folder, const QString &name)
{
    Figure figure{QStringLiteral("load_notes"), QStringLiteral("ms")};
    figure.max_ratio = 3;
    set_app_folder(folder);
    const QString path = sig_path(folder, name);

    const Sample load = [&] {
        QElapsedTimer timer;
        timer.start();
        load_notes(name);
        return elapsed_ms(timer);
    };
    const Sample read_and_split = [&] {
        QElapsedTimer timer;
        timer.start();
        {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return 0.0;
            const QList<QByteArray> lines = file.readAll().split('\n');
            keep(lines.size());
        }
        return elapsed_ms(timer);
    };
    const Medians m = measure_pair(9, 1, load, read_and_split);
    figure.value = m.a;
    figure.baseline = m.b;
    return figure;
}

Figure append_note_figure(const QString &folder)
{
    Figure figure{QStringLiteral("append_note"), QStringLiteral("ms")};
    figure.max_ratio = 1.3;
    start_board(folder, QStringLiteral("Append Party"));
    const QString note = make_note(7);
    const QByteArray bytes = note_record_bytes(note);
    const QByteArray bare_path = QFile::encodeName(sig_path(folder, QStringLiteral("Bare Append")));

    bool all_written = true;
    const Sample append = [&] {
        QElapsedTimer timer;
        timer.start();
        all_written = append_note(note) && all_written;
        return elapsed_ms(timer);
    };
    const Sample bare = [&] {
        QElapsedTimer timer;
        timer.start();
        bare_append(bare_path, bytes);
        return elapsed_ms(timer);
    };
    const Medians m = measure_pair(41, 3, append, bare);
    figure.value = m.a;
    figure.baseline = m.b;

    // Both files must have grown by the same bytes.
    const qint64 ours = QFileInfo(sig_path(folder, BoardSettings.title)).size();
    const qint64 theirs = QFileInfo(QFile::decodeName(bare_path)).size();
    if (!all_written || ours != theirs || ours != 44 * bytes.size()) {
        figure.measured = false;
        figure.note = QStringLiteral("append_note did not write the note each time");
    }
    return figure;
}

Figure memory_figure(const QString &program, const QString &folder, const QString &name)
{
    Figure figure{QStringLiteral("load_notes_memory"), QStringLiteral("MiB")};
    figure.max_ratio = 3;
    const qint64 file_size = QFileInfo(sig_path(folder, name)).size();
    QList<double> growth;
    for (int run = 0; run < 5; ++run) {
        QProcess child;
        child.start(program, {QLatin1String(kMemoryChildOption), folder, name});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            figure.measured = false;
            figure.note = QStringLiteral("the child process failed");
            return figure;
        }
        const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
        if (fields.size() != 2 || fields[1].toLongLong() <= 0) {
            figure.measured = false;
            figure.note = QStringLiteral("the child loaded no notes");
            return figure;
        }
        growth.append(fields[0].toDouble() / kMiB);
    }
    figure.value = median(growth);
    // The baseline is the file itself: the target allows three times its size.
    figure.baseline = double(file_size) / kMiB;
    return figure;
}

int run_memory_child(const QString &folder, const QString &name)
{
    set_app_folder(folder);
    const qint64 before = resident_bytes();
    load_notes(name);
    const qint64 after = resident_bytes();
    std::printf("%lld %lld\n", static_cast<long long>(after - before), static_cast<long long>(sig_count));
    return before < 0 || after < 0 ? 1 : 0;
}
