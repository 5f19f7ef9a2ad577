#include "core/line_codec.h"

#include <QStringDecoder>
#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes it
// leaves undefined map to the control characters of the same code, as
// Windows itself reads them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The text of `bytes` when they are valid UTF-8. A byte order mark at the
// start is a character of the line like any other.
bool decode_utf8(QByteArrayView bytes, QString &text)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    text = utf8(bytes);
    return !utf8.hasError();
}

bool has_high_byte(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) > 127)
            return true;
    }
    return false;
}

// The Windows-1252 byte of a character, or -1 when the code page lacks it.
int cp1252_byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QString decode_cp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

} // namespace

QByteArray encode_line(QStringView line)
{
    QByteArray bytes(line.size(), Qt::Uninitialized);
    bool high = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const int b = cp1252_byte(line[i].unicode());
        if (b < 0)
            return line.toUtf8();
        bytes[i] = static_cast<char>(b);
        high = high || b > 127;
    }
    // Windows-1252 bytes that happen to form UTF-8 ("Ã©") would be read back
    // as UTF-8 ("é"); such a line is written as UTF-8 itself.
    QString as_utf8;
    if (high && decode_utf8(bytes, as_utf8))
        return line.toUtf8();
    return bytes;
}

QString decode_line(QByteArrayView bytes)
{
    if (!has_high_byte(bytes))
        return QString::fromLatin1(bytes);
    QString text;
    if (decode_utf8(bytes, text))
        return text;
    return decode_cp1252(bytes);
}

QString widget_text(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString stored_text(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void append_text_lines(QByteArray &out, QStringView text)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        out += encode_line(text.mid(start, i - start));
        out += "\r\n";
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    out += encode_line(text.mid(start));
    out += "\r\n";
}
