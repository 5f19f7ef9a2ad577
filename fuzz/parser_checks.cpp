#include "fuzz/parser_checks.h"

#include "core/board_file.h"
#include "core/line_codec.h"
#include "core/signature_store.h"

#include <QStringList>

BoardDefinition default_board()
{
    BoardDefinition board;
    board.welcome_msg = kDefaultWelcome;
    board.thanks_msg = kDefaultThanks;
    return board;
}

QString differing_field(const BoardDefinition &a, const BoardDefinition &b)
{
    if (a.title != b.title) return QStringLiteral("title");
    if (a.loaded_title != b.loaded_title) return QStringLiteral("loaded_title");
    if (a.password != b.password) return QStringLiteral("password");
    if (a.backdrop_idx != b.backdrop_idx) return QStringLiteral("backdrop_idx");
    if (a.theme_idx != b.theme_idx) return QStringLiteral("theme_idx");
    if (a.save_sound != b.save_sound) return QStringLiteral("save_sound");
    if (a.reset_sound != b.reset_sound) return QStringLiteral("reset_sound");
    if (a.thanks_msg != b.thanks_msg) return QStringLiteral("thanks_msg");
    if (a.welcome_msg != b.welcome_msg) return QStringLiteral("welcome_msg");
    return {};
}

namespace {

// The lines of a file read the plain way: every CR LF, CR and LF ends a
// line; an end at the very end makes no extra empty line.
QList<QByteArray> plain_lines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString crlf(const QString &text)
{
    return text + QStringLiteral("\r\n");
}

} // namespace

QString check_board_bytes(const QByteArray &bytes)
{
    BoardDefinition first = default_board();
    parse_board_file(bytes, first);
    if (first.loaded_title != first.title)
        return QStringLiteral("loaded_title is not the title");
    const QList<QByteArray> lines = plain_lines(bytes);
    if (lines.size() > 7 && !first.welcome_msg.endsWith(QStringLiteral("\r\n")))
        return QStringLiteral("welcome message without its last line end");
    if (lines.size() <= 7 && !first.welcome_msg.isEmpty())
        return QStringLiteral("welcome message from a file of seven lines or fewer");

    // Saved and read again, the board is the same; only the welcome message
    // was given back its last line end, which saving adds.
    BoardDefinition to_save = first;
    if (to_save.welcome_msg.endsWith(QStringLiteral("\r\n")))
        to_save.welcome_msg.chop(2);
    const QByteArray saved = board_file_bytes(to_save);
    BoardDefinition second = default_board();
    parse_board_file(saved, second);
    if (first.welcome_msg.isEmpty())
        first.welcome_msg = QStringLiteral("\r\n");
    const QString field = differing_field(first, second);
    if (!field.isEmpty())
        return QStringLiteral("%1 changed when saved and read again").arg(field);
    if (!saved.endsWith("\r\n"))
        return QStringLiteral("saved file does not end with CR LF");
    return {};
}

QString check_notes_bytes(const QByteArray &bytes)
{
    NoteTable table;
    const qsizetype count = parse_notes(bytes, table);

    // Against a plain reading of the same lines.
    QStringList expected{QString()};
    for (const QByteArray &line : plain_lines(bytes)) {
        if (line == "^~-^,./")
            expected.append(QString());
        else
            expected.last() += crlf(decode_line(line));
    }
    if (count != expected.size() - 1)
        return QStringLiteral("%1 records counted, %2 separator lines").arg(count).arg(expected.size() - 1);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (table.at(i) != expected[i])
            return QStringLiteral("slot %1 differs").arg(i);
    }
    if (!table.at(count + 1).isEmpty() || !table.at(-1).isEmpty())
        return QStringLiteral("a slot beyond the table holds text");

    // Appended again one by one, the notes read back the same; a record with
    // no line at all comes back as one empty line, as append_note writes it.
    QByteArray again;
    for (qsizetype i = 0; i < count; ++i) {
        QString note = table.at(i);
        note.chop(2);
        again += note_record_bytes(note);
    }
    NoteTable reread;
    if (parse_notes(again, reread) != count)
        return QStringLiteral("count changed when written again");
    for (qsizetype i = 0; i < count; ++i) {
        const QString want = table.at(i).isEmpty() ? QStringLiteral("\r\n") : table.at(i);
        if (reread.at(i) != want)
            return QStringLiteral("note %1 changed when written again").arg(i);
    }

    // The bytes taken as a typed note (UTF-16): written and read back whole.
    if (bytes.size() % 2 == 0) {
        const QString typed = QString::fromRawData(reinterpret_cast<const QChar *>(bytes.constData()),
                                                   bytes.size() / 2);
        QString normal = typed;
        normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QStringList typed_lines = normal.split(QLatin1Char('\n'));
        if (typed.isValidUtf16() && !typed_lines.contains(QStringLiteral("^~-^,./"))) {
            NoteTable one;
            if (parse_notes(note_record_bytes(typed), one) != 1)
                return QStringLiteral("a typed note is not one record");
            if (one.at(0) != crlf(typed_lines.join(QStringLiteral("\r\n"))))
                return QStringLiteral("a typed note changed on its way through the file");
        }
    }
    return {};
}
