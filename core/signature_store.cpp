#include "core/signature_store.h"

#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/line_codec.h"
#include "core/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

NoteTable sig_text;
qsizetype sig_count = 0;
qsizetype sig_pos = 0;

namespace {

// Enough of a file's end to see its last line when that line could be a
// separator, and the line before it.
constexpr qsizetype kTailBytes = 24;

QByteArray read_tail(int fd, off_t size)
{
    const qsizetype n = qsizetype(qMin<off_t>(size, kTailBytes));
    QByteArray tail(n, Qt::Uninitialized);
    if (::pread(fd, tail.data(), size_t(n), size - n) != n)
        return {};
    return tail;
}

enum class Appended { Yes, No, Full };

// Writes all of `bytes` to the end of the file, after closing a record cut
// short, and forces them to the disk; nothing when the file would grow past
// kMaxBoardFileBytes.
Appended append_durably(const QString &path, const QByteArray &bytes)
{
    const int fd = open_regular_file(path, O_RDWR | O_APPEND | O_CREAT);
    if (fd < 0)
        return Appended::No;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return Appended::No;
    }
    bool ok = true;
    QByteArray closing;
    if (st.st_size > 0) {
        const QByteArray tail = read_tail(fd, st.st_size);
        ok = tail.size() == qMin<off_t>(st.st_size, kTailBytes);
        closing = record_closing(tail, tail.size() == st.st_size);
    }
    if (ok && st.st_size + closing.size() + bytes.size() > kMaxBoardFileBytes) {
        ::close(fd);
        return Appended::Full;
    }
    ok = ok && write_all(fd, closing.constData(), closing.size())
         && write_all(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    // A note that did not get in whole (a full disk, a file-size limit)
    // leaves no part of it behind, so trying again does not write it twice.
    if (!ok && ::ftruncate(fd, st.st_size) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (ok && st.st_size == 0)
        sync_folder_of(path);
    return ok ? Appended::Yes : Appended::No;
}

} // namespace

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
    out += kSeparatorBytes;
    out += "\r\n";
    return out;
}

namespace {

bool is_line_end(char c)
{
    return c == '\r' || c == '\n';
}

// `text` without the one line end it ends with, if any.
QByteArrayView without_line_end(QByteArrayView text)
{
    if (text.endsWith("\r\n"))
        return text.chopped(2);
    if (!text.isEmpty() && is_line_end(text.back()))
        return text.chopped(1);
    return text;
}

// Where the last line of `text` starts; -1 when it starts before `text` does
// (`text` being only the end of the file).
qsizetype last_line_start(QByteArrayView text, bool whole)
{
    qsizetype start = text.size();
    while (start > 0 && !is_line_end(text[start - 1]))
        --start;
    return start > 0 || whole ? start : -1;
}

} // namespace

QByteArray record_closing(QByteArrayView tail, bool whole)
{
    const QByteArrayView separator(kSeparatorBytes);
    const QByteArray closed_here = "\r\n" + separator.toByteArray() + "\r\n";
    if (tail.isEmpty())
        return {};
    if (is_line_end(tail.back())) {
        const QByteArrayView body = without_line_end(tail);
        const qsizetype start = last_line_start(body, whole);
        if (start >= 0 && body.sliced(start) == separator)
            return {};
        return closed_here.sliced(2);
    }
    // A separator line cut short right after a note's text is completed; any
    // other line cut short is a note's text, kept as a note of its own.
    const qsizetype start = last_line_start(tail, whole);
    if (start <= 0 || !separator.startsWith(tail.sliced(start)))
        return closed_here;
    const QByteArrayView before = without_line_end(tail.first(start));
    const qsizetype previous = last_line_start(before, whole);
    if (previous >= 0 && before.sliced(previous) == separator)
        return closed_here;
    return separator.sliced(tail.size() - start).toByteArray() + "\r\n";
}

bool append_note(const QString &text, bool *board_full)
{
    const QString path = resolve_app_file(BoardSettings.title, kNotesExt);
    if (path.isEmpty())
        return false;
    const Appended appended = append_durably(path, note_record_bytes(text));
    if (board_full)
        *board_full = appended == Appended::Full;
    return appended == Appended::Yes;
}

qsizetype parse_notes(QByteArrayView bytes, NoteTable &table)
{
    table = NoteTable();
    table.reserve(bytes.size());
    const QByteArrayView separator(kSeparatorBytes);
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

qsizetype whole_records_size(QByteArrayView bytes)
{
    const QByteArrayView separator(kSeparatorBytes);
    for (qsizetype at = bytes.lastIndexOf(separator); at >= 0; at = bytes.first(at).lastIndexOf(separator)) {
        const qsizetype end = at + separator.size();
        if ((at > 0 && !is_line_end(bytes[at - 1])) || end == bytes.size() || !is_line_end(bytes[end]))
            continue;
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        return end + (crlf ? 2 : 1);
    }
    return 0;
}

ReadResult load_notes(const QString &name)
{
    sig_text = NoteTable();
    sig_count = 0;
    sig_pos = 0;
    const QString path = find_app_file(name, kNotesExt);
    if (path.isEmpty())
        return ReadResult::Unreadable;
    QByteArray bytes;
    const ReadResult result = read_file_start(path, kMaxBoardFileBytes, bytes);
    if (result == ReadResult::Partial)
        bytes.truncate(whole_records_size(bytes));
    if (result != ReadResult::Unreadable)
        sig_count = parse_notes(bytes, sig_text);
    return result;
}
