#include "ui/board/board_text.h"

#include "core/signature_store.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kNoteRule = QString(60, QLatin1Char('-')) + kCrLf;

} // namespace

QString export_text(const QString &title, const NoteTable &notes, qsizetype count)
{
    QString out = title + QStringLiteral(" Signatures") + kCrLf + kCrLf;
    // One allocation for the whole text: growing it note by note copies
    // megabytes over and over for a big party.
    qsizetype size = out.size() + count * kNoteRule.size();
    for (qsizetype i = 0; i < count; ++i)
        size += notes.at(i).size();
    out.reserve(size);
    for (qsizetype i = 0; i < count; ++i) {
        out += notes.at(i);
        out += kNoteRule;
    }
    return out;
}
