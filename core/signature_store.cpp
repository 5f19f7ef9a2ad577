#include "core/signature_store.h"

#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/line_codec.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

NoteTable sig_text;
qsizetype sig_count = 0;
qsizetype sig_pos = 0;

namespace {

const QString kSigExt = QStringLiteral(".sig");

bool write_all(int fd, const char *p, qsizetype left)
{
    while (left > 0) {
        const ssize_t written = ::write(fd, p, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= written;
    }
    return true;
}

// A record cut short by a crash may end in the middle of a line; the next
// record then starts on a line of its own, so its first line stays whole.
bool ends_mid_line(int fd, off_t size)
{
    if (size == 0)
        return false;
    char last = '\n';
    if (::pread(fd, &last, 1, size - 1) != 1)
        return false;
    return last != '\r' && last != '\n';
}

// A new file's name reaches the disk with its folder.
void sync_folder(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Writes all of `bytes` to the end of the file and forces them to the disk.
bool append_durably(const QString &path, const QByteArray &bytes)
{
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK: a pipe of that name must not hang the board.
    const int fd = ::open(native.constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    bool ok = true;
    if (ends_mid_line(fd, st.st_size))
        ok = write_all(fd, "\r\n", 2);
    ok = ok && write_all(fd, bytes.constData(), bytes.size());
    // A note that did not get in whole (a full disk) leaves no part of it
    // behind to join the next one.
    if (!ok && ::ftruncate(fd, st.st_size) != 0)
        ok = false;
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (ok && st.st_size == 0)
        sync_folder(path);
    return ok;
}

} // namespace

void NoteTable::clear()
{
    text_ = QString();
    starts_ = QList<qsizetype>{0};
}

QString NoteTable::at(qsizetype i) const
{
    if (i < 0 || i >= starts_.size())
        return {};
    const qsizetype begin = starts_[i];
    const qsizetype end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
    return text_.mid(begin, end - begin);
}

void NoteTable::append_line(QStringView line)
{
    text_ += line;
    text_ += QLatin1String("\r\n");
}

QByteArray note_record_bytes(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    append_text_lines(out, text);
    out += kNoteSeparator.toLatin1();
    out += "\r\n";
    return out;
}

bool append_note(const QString &text)
{
    const QString path = resolve_app_file(BoardSettings.title, kSigExt);
    if (path.isEmpty())
        return false;
    return append_durably(path, note_record_bytes(text));
}

qsizetype parse_notes(QByteArrayView bytes, NoteTable &table)
{
    table.clear();
    table.reserve(bytes.size());
    const QByteArrayView separator("^~-^,./");
    qsizetype count = 0;
    for_each_line(bytes, [&](QByteArrayView line) {
        if (line == separator) {
            ++count;
            table.end_note();
        } else {
            table.append_line(decode_line(line));
        }
    });
    table.squeeze();
    return count;
}

void load_notes(const QString &name)
{
    sig_text.clear();
    sig_count = 0;
    sig_pos = 0;
    const QString path = find_app_file(name, kSigExt);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    sig_count = parse_notes(bytes, sig_text);
}
