#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QByteArray>
#include <QByteArrayView>

#include "core/safe_file.h"

inline constexpr char kSeparatorBytes[] = "^~-^,./";

// The notes of the current board, one slot per note, each line of a note
// followed by CR LF. It holds every note of the file; the slot after the last
// counted note holds the lines of a record that was cut short, if any.
class NoteTable {
public:
    // Text of slot i; empty for a slot the table does not have.
    QString at(qsizetype i) const;
    // Number of slots, the record cut short included.
    qsizetype slot_count() const { return starts_.size(); }

    // Building the table while reading a file.
    void reserve(qsizetype chars) { text_.reserve(chars); }
    void append_line(QStringView line);
    void end_note() { starts_.append(text_.size()); }
    void squeeze() { text_.squeeze(); starts_.squeeze(); }

private:
    QString text_;
    QList<qsizetype> starts_{0};
};

extern NoteTable sig_text;
extern qsizetype sig_count; // complete records found by the last load_notes
extern qsizetype sig_pos;   // the note on show while browsing

// Appends one record (the note, then the separator line) to the signature
// file of BoardSettings.title and flushes it to the disk. A record cut short
// at the end of the file is closed first, so the new note starts a record of
// its own; the cut text stays as a note of its own. A new file gets mode
// 0600. Returns whether the note reached the disk. A note that would make the
// file larger than kMaxBoardFileBytes is not written, and *board_full is
// then set, so that every note saved can be read back.
bool append_note(const QString &text, bool *board_full = nullptr);

inline const QString kNotesCutMessage = QStringLiteral(
    "This Quillora holds more signatures than can be shown at once. You can browse and export "
    "the first ones; the others were left in its signature file, untouched.");

// Reads the signature file of that name into the note table; sig_pos = 0.
// A file that cannot be read gives an empty table and sig_count 0. Of a file
// larger than kMaxBoardFileBytes, the whole records within its first
// kMaxBoardFileBytes bytes are read (Partial); the rest is not looked at.
ReadResult load_notes(const QString &name);

// What goes before a new record at the end of a file ending in `tail` (its
// last bytes, at least 24 of them; `whole` when tail is the whole file): nothing after a
// separator line; the rest of a separator line cut short after a note's
// text; else a line end (when missing) and a separator line, which make a
// record cut short a note of its own.
QByteArray record_closing(QByteArrayView tail, bool whole);

// The bytes append_note writes for one note.
QByteArray note_record_bytes(QStringView text);
// Fills the note table from signature file bytes; returns the record count.
qsizetype parse_notes(QByteArrayView bytes, NoteTable &table);
// The length of the whole records that `bytes` (the start of a file) begins
// with: up to the line end of its last separator line.
qsizetype whole_records_size(QByteArrayView bytes);
