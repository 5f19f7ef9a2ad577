#include "ui/board/board_text.h"

#include "core/signature_store.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kNoteRule = QString(60, QLatin1Char('-')) + kCrLf;

} // namespace

QString widget_text(const QString &text)
{
    QString out = text;
    out.replace(kCrLf, QStringLiteral("\n"));
    return out;
}

QString stored_text(const QString &widget_text)
{
    QString out = widget_text;
    // A document's raw text separates its blocks with U+2029.
    out.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    out.replace(QChar::LineSeparator, QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), kCrLf);
    return out;
}

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
