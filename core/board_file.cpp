#include "core/board_file.h"

#include "core/app_folder.h"
#include "core/line_codec.h"
#include "core/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <limits>

BoardDefinition BoardSettings;

namespace {

// A number is written as its digits with a blank in the place of the sign
// when it is not negative, and one blank behind: " 3 ", "-1 ".
QByteArray number_line(qint16 value)
{
    QByteArray text = QByteArray::number(value);
    if (value >= 0)
        text.prepend(' ');
    return text + ' ';
}

// Digits with an optional sign, decimal point and exponent: "3", "-1",
// "2.5", ".5", "1e3".
bool is_decimal_number(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
            ++i;
        return i - from;
    };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == n;
}

// Blanks around the number are ignored; a line that is not a number counts
// as 0; the nearest integer is taken (halves go to the even one). A number
// outside the 16-bit range leaves the field as it was.
void read_number(const QString &line, qint16 &field)
{
    const QString text = line.trimmed();
    if (!is_decimal_number(text)) {
        field = 0;
        return;
    }
    // An exponent too large for a double gives an infinity.
    const double value = text.toDouble();
    if (!std::isfinite(value))
        return;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return;
    field = static_cast<qint16>(rounded);
}

// Every field but the welcome message is one line of the file; a line break
// inside one would shift all the fields after it.
QString one_line(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

void reset_board()
{
    BoardSettings = BoardDefinition{};
    BoardSettings.welcome_msg = kDefaultWelcome;
    BoardSettings.thanks_msg = kDefaultThanks;
}

QByteArray board_file_bytes(const BoardDefinition &board)
{
    QByteArray out;
    // The board file keeps the thank-you message before the welcome message,
    // which is last so that it may run over several lines.
    append_text_lines(out, one_line(board.title));
    append_text_lines(out, one_line(board.password));
    out += number_line(board.backdrop_idx) + "\r\n";
    out += number_line(board.theme_idx) + "\r\n";
    append_text_lines(out, one_line(board.save_sound));
    append_text_lines(out, one_line(board.reset_sound));
    append_text_lines(out, one_line(board.thanks_msg));
    append_text_lines(out, board.welcome_msg);
    return out;
}

void parse_board_file(const QByteArray &bytes, BoardDefinition &board)
{
    QVector<QByteArrayView> lines;
    for_each_line(QByteArrayView(bytes), [&lines](QByteArrayView line) { lines.append(line); });
    auto line = [&lines](qsizetype i) { return decode_line(lines[i]); };
    const qsizetype n = lines.size();

    if (n > 0) {
        board.title = line(0);
        board.loaded_title = board.title;
    }
    if (n > 1)
        board.password = line(1);
    // A missing number line counts as 0.
    if (n > 2) read_number(line(2), board.backdrop_idx); else board.backdrop_idx = 0;
    if (n > 3) read_number(line(3), board.theme_idx); else board.theme_idx = 0;
    if (n > 4)
        board.save_sound = line(4);
    if (n > 5)
        board.reset_sound = line(5);
    if (n > 6)
        board.thanks_msg = line(6);
    board.welcome_msg.clear();
    for (qsizetype i = 7; i < n; ++i) {
        board.welcome_msg += line(i);
        board.welcome_msg += QStringLiteral("\r\n");
    }
}

ReadResult load_board(const QString &name)
{
    const QString path = find_app_file(name, kBoardExt);
    if (path.isEmpty())
        return ReadResult::Unreadable;
    QByteArray bytes;
    const ReadResult result = read_regular_file(path, kMaxBoardFileBytes, bytes);
    if (result == ReadResult::Read)
        parse_board_file(bytes, BoardSettings);
    return result;
}

bool save_board(const QString &name)
{
    const QString path = resolve_app_file(name, kBoardExt);
    if (!replace_file(path, board_file_bytes(BoardSettings)))
        return false;
    // A board retitled only in letter case keeps one board file, under the
    // spelling the host gave it last.
    const QString wanted = app_path(name + kBoardExt);
    if (QFileInfo(path).fileName() != QFileInfo(wanted).fileName() && !QFile::rename(path, wanted))
        qCWarning(lcFiles) << "could not rename" << path << "to" << wanted;
    return true;
}

bool title_fits_file_names(const QString &title)
{
    return names_app_file(title, kBoardExt) && names_app_file(title, kNotesExt);
}

QString strip_ext(const QString &name)
{
    return name.size() < 4 ? QString() : name.left(name.size() - 4);
}

QStringList board_files(const QString &folder)
{
    QStringList boards;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::NoSort);
    for (const QString &entry : entries) {
        if (entry.endsWith(kBoardExt, Qt::CaseInsensitive))
            boards.append(entry);
    }
    std::sort(boards.begin(), boards.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return boards;
}
