#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

// Files of the app folder are opened only as regular files and never through
// a symbolic link: a link, a folder, a pipe or a device of a wanted name
// counts as a file that cannot be read or written. Reads are bounded.

// Board and signature files above this size are not read whole, and no note
// makes a signature file grow past it: above any real party (100,000 notes
// make about 6 MB), and small enough that the host's view and export of a
// file that size open within about a second.
inline constexpr qint64 kMaxBoardFileBytes = 8 * 1024 * 1024;
// Pictures and sounds of the media and audio folders.
inline constexpr qint64 kMaxMediaFileBytes = 64 * 1024 * 1024;

// Opens path without following a link, without blocking on a pipe, and only
// when it is a regular file. flags are those of open(2) (O_RDONLY, O_RDWR |
// O_APPEND | O_CREAT...); a file it creates gets mode 0600. Returns the file
// descriptor, or -1.
int open_regular_file(const QString &path, int flags);

// Partial: only the start of a longer file was read.
enum class ReadResult { Read, Unreadable, TooLarge, Partial };

// Reads the whole file into `bytes` when it is a regular file of at most
// `limit` bytes; otherwise `bytes` stays empty.
ReadResult read_regular_file(const QString &path, qint64 limit, QByteArray &bytes);

// Reads the file's first `limit` bytes, or all of a shorter one (Read); a
// longer file gives its first `limit` bytes and Partial.
ReadResult read_file_start(const QString &path, qint64 limit, QByteArray &bytes);

// True when path names a regular file (not a link) of at most `limit` bytes.
bool is_plain_file(const QString &path, qint64 limit);

// Replaces the file at path by `bytes` in one step: a temporary file beside
// it is written, flushed to the disk and renamed over it, so a failure leaves
// the old file exactly as it was. A new file gets mode 0600, an existing one
// keeps its mode. Refuses (returns false) when path is a link or not a
// regular file.
bool replace_file(const QString &path, const QByteArray &bytes);

// Removes the temporary files replace_file leaves in `folder` when the
// program is killed while it saves: regular files of exactly their name
// pattern, never a link or anything else. Only when no other copy of the
// program runs, so none of them is in use.
void remove_stale_temp_files(const QString &folder);

// Gives the regular file at `from` (not a link) the name `to` in one step,
// only when nothing of that name exists; the new name reaches the disk.
bool move_regular_file(const QString &from, const QString &to);

// Writes all of the bytes, going on after a short write.
bool write_all(int fd, const char *data, qsizetype size);

// Flushes the folder of path, so that a new or renamed name reaches the disk.
void sync_folder_of(const QString &path);

// File operations that fail without the user being told: the data is safe
// and only a flush or a tidying step did not happen. Off by default;
// QT_LOGGING_RULES="quillora.files.warning=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(lcFiles)

// A write beyond the process's file-size limit fails with an error instead
// of ending the program. Called at start-up.
void ignore_file_size_signal();
