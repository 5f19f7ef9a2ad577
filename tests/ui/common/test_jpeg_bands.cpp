#include "tests/support/test_support.h"
#include "ui/common/jpeg_bands.h"
#include "ui/common/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

namespace {

// The main menu's backdrop, as the build stores it: in bands of 48 rows.
QByteArray backdrop_file()
{
    QFile file(QStringLiteral(QUILLORA_APP_DIR "/media/mback.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray plain_jpeg(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    return buffer.data();
}

qsizetype segment_length(const QByteArray &jpeg, qsizetype at)
{
    return 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
}

// Where the first header segment with `marker` starts (its 0xFF), or -1.
qsizetype segment_at(const QByteArray &jpeg, uchar marker)
{
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF) {
        if (uchar(jpeg[at + 1]) == marker)
            return at;
        if (uchar(jpeg[at + 1]) == 0xDA)
            break;
        at += segment_length(jpeg, at);
    }
    return -1;
}

QByteArray without_segments(QByteArray jpeg, uchar marker)
{
    for (qsizetype at = segment_at(jpeg, marker); at >= 0; at = segment_at(jpeg, marker))
        jpeg.remove(at, segment_length(jpeg, at));
    return jpeg;
}

QImage decode_in_order(const JpegBands &bands, bool *all_decoded)
{
    QImage image(bands.size(), QImage::Format_RGB32);
    *all_decoded = true;
    for (int band = 0; band < bands.count(); ++band)
        *all_decoded = bands.decode(band, image.bits(), image.bytesPerLine()) && *all_decoded;
    return image;
}

int largest_difference(const QImage &a, const QImage &b, int row)
{
    int largest = 0;
    for (int x = 0; x < a.width(); ++x) {
        const QRgb p = a.pixel(x, row);
        const QRgb q = b.pixel(x, row);
        largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                            std::abs(qBlue(p) - qBlue(q))});
    }
    return largest;
}

} // namespace

class JpegBandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { init_ui_test_environment(); }

    void backdrop_decodes_band_by_band_as_a_whole_decode_does()
    {
        const QByteArray file = backdrop_file();
        const std::optional<JpegBands> bands = JpegBands::split(file);
        QVERIFY(bands);
        QCOMPARE(bands->size(), QSize(640, 400));
        QCOMPARE(bands->count(), 9); // eight of 48 rows and one of 16
        QVERIFY(!bands->decode(9, nullptr, 0));
        QVERIFY(!bands->decode(-1, nullptr, 0));

        bool all_decoded = false;
        const QImage banded = decode_in_order(*bands, &all_decoded);
        QVERIFY(all_decoded);
        const QImage whole = QImage::fromData(file).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(whole.size(), banded.size());
        // Rows away from a band's edge are exactly those of a whole decode;
        // the two rows at an edge get their colour smoothed within the band.
        for (int row = 0; row < whole.height(); ++row) {
            const bool at_edge = (row % 48 == 47 && row < 399) || (row % 48 == 0 && row > 0);
            const int difference = largest_difference(whole, banded, row);
            if (at_edge)
                QVERIFY2(difference <= 48, qPrintable(QStringLiteral("row %1").arg(row)));
            else
                QVERIFY2(difference == 0, qPrintable(QStringLiteral("row %1").arg(row)));
        }

        // Two threads sharing the bands out make the same picture.
        QImage shared(bands->size(), QImage::Format_RGB32);
        uchar *const bits = shared.bits();
        std::atomic<int> next{0};
        std::atomic<bool> ok{true};
        const auto decode_some = [&] {
            for (int band = next++; band < bands->count(); band = next++)
                ok = bands->decode(band, bits, shared.bytesPerLine()) && ok;
        };
        std::thread helper(decode_some);
        decode_some();
        helper.join();
        QVERIFY(ok);
        QCOMPARE(shared, banded);
    }

    void files_that_are_not_in_bands_are_refused()
    {
        const QByteArray file = backdrop_file();
        QVERIFY(JpegBands::split(file));
        const qsizetype restarts = segment_at(file, 0xDD);
        QVERIFY(restarts > 0);
        const qsizetype frame = segment_at(file, 0xC0);
        QVERIFY(frame > 0);
        const qsizetype data = file.indexOf("\xFF\xD0", segment_at(file, 0xDA));
        QVERIFY(data > 0);
        QImage colour(64, 48, QImage::Format_RGB32);
        colour.fill(QColor(200, 80, 40));

        QByteArray uneven = file; // restarts that fall inside a row of blocks
        uneven[restarts + 5] = char(uchar(uneven[restarts + 5]) - 1);
        QByteArray misnumbered = file; // the first restart numbered 2
        misnumbered[data + 1] = char(0xD2);
        QByteArray oriented = file; // an Exif segment the bands would lose
        oriented.insert(2, QByteArray("\xFF\xE1\x00\x08" "Exif\x00\x00", 10));
        QByteArray overlong = file; // a header longer than the file
        overlong[restarts + 2] = char(0x7F);
        QByteArray stray = file; // a marker inside the compressed data
        stray[data + 1] = char(0xC4);
        QByteArray progressive = file;
        progressive[frame + 1] = char(0xC2);
        QByteArray one_component = file; // the frame's count of components
        one_component[frame + 9] = char(1);

        const QList<std::pair<const char *, QByteArray>> refused{
            {"empty", QByteArray()},
            {"not a JPEG", QByteArray("GIF89a and then some")},
            {"no restart markers", plain_jpeg(colour)},
            {"progressive", progressive},
            {"one component", one_component},
            {"no restart interval", without_segments(file, 0xDD)},
            {"uneven interval", uneven},
            {"misnumbered restart", misnumbered},
            {"Exif", oriented},
            {"overlong header", overlong},
            {"stray marker", stray},
            {"cut short", file.left(file.size() / 2)},
            {"cut in the headers", file.left(restarts + 3)},
        };
        for (const auto &[what, bytes] : refused)
            QVERIFY2(!JpegBands::split(bytes), what);
    }

    void picture_read_gives_the_banded_picture_however_it_is_read()
    {
        TempAppFolder folder;
        const std::optional<JpegBands> bands = JpegBands::split(backdrop_file());
        QVERIFY(bands);
        bool all_decoded = false;
        const QImage expected = decode_in_order(*bands, &all_decoded);
        QVERIFY(all_decoded);

        // Taken at once (read by the caller alone), after the worker has
        // finished alone, and at times between, when the two share the bands.
        for (qint64 wait_us : {0, 100, 200, 300, 400, 500, 600, 800, 1000, 1500, 30000}) {
            PictureRead read(QStringLiteral("mback.jpg"));
            QElapsedTimer timer;
            timer.start();
            while (timer.nsecsElapsed() < wait_us * 1000) {
            }
            QVERIFY2(read.take().toImage().convertToFormat(QImage::Format_RGB32) == expected,
                     qPrintable(QStringLiteral("taken after %1 us").arg(wait_us)));
        }
        PictureRead later(QStringLiteral("mback.jpg"));
        QCOMPARE(later.take().toImage().convertToFormat(QImage::Format_RGB32), expected);
        // Taken again: read again by the caller alone.
        QCOMPARE(later.take().toImage().convertToFormat(QImage::Format_RGB32), expected);
    }

    void picture_read_of_bands_that_do_not_decode_gives_what_a_plain_read_gives()
    {
        TempAppFolder folder(false);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("media")));
        // Without its quantisation tables the file still splits into bands,
        // but no band decodes, and neither does the whole file.
        const QByteArray tableless = without_segments(backdrop_file(), 0xDB);
        QVERIFY(JpegBands::split(tableless));
        folder.write(QStringLiteral("media/pic.jpg"), tableless);
        // Qt reports libjpeg's complaint about the file as a warning.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
        QVERIFY(load_picture(QStringLiteral("pic.jpg")).isNull());
        QVERIFY(PictureRead(QStringLiteral("pic.jpg")).take().isNull());
        PictureRead later(QStringLiteral("pic.jpg"));
        QThread::msleep(30);
        QVERIFY(later.take().isNull());
        QLoggingCategory::setFilterRules(QString());
    }
};

QTEST_MAIN(JpegBandsTest)
#include "test_jpeg_bands.moc"
