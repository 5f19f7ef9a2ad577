#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Texts in board and signature files are lines in Windows-1252, each ended by
// CR LF. A line that Windows-1252 cannot hold is written as UTF-8; a line read
// back is taken as UTF-8 when it is valid UTF-8 holding a byte above 127, and
// as Windows-1252 otherwise.
QByteArray encode_line(QStringView line);
QString decode_line(QByteArrayView bytes);

// Appends every line of `text` (line breaks CR LF, LF or CR) to `out`, each
// encoded and followed by CR LF. An empty text gives one empty line.
void append_text_lines(QByteArray &out, QStringView text);

// Texts in memory break their lines with CR LF, as the files do; a text
// widget breaks them with "\n", a document's raw text with U+2029 between
// paragraphs and U+2028 inside one.
QString widget_text(QString text);
QString stored_text(QString text);

// Calls fn(line) for every line of `bytes`. A line ends at CR, at CR LF or at
// LF, which is not part of it; a last line without an end counts too.
template <typename Fn> void for_each_line(QByteArrayView bytes, Fn &&fn)
{
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c != '\r' && c != '\n')
            continue;
        fn(QByteArrayView(p + start, i - start));
        if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        fn(QByteArrayView(p + start, n - start));
}
