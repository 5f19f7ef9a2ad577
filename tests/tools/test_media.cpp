// Checks the pictures and sounds the media generator ships: every file of
// the catalogue is there with the right size and format, at double density
// too, pictures carry real content, pictures laid on a background fit it,
// texts and arrows find their ground, sounds are clean 16-bit PCM equally
// loud, and the generator gives the same bytes every run.
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <ebur128.h>

#include <cmath>

namespace {

const QString kApp = QStringLiteral(QUILLORA_APP_DIR);

struct Picture {
    const char *name;
    int w, h;
};

const Picture kPictures[] = {
    {"mback.jpg", 640, 400},   {"miniback.jpg", 475, 280}, {"up.jpg", 40, 47},
    {"up_s.jpg", 40, 47},      {"db.jpg", 40, 47},         {"db_s.jpg", 40, 47},
    {"check.jpg", 48, 48},     {"xmark.jpg", 48, 48},      {"svf.jpg", 48, 48},
    {"svb.jpg", 48, 48},       {"lbulb.jpg", 44, 57},      {"lock.jpg", 43, 54},
    {"lpeople.jpg", 142, 48},  {"sax.jpg", 128, 59},       {"pkeys.jpg", 77, 29},
    {"mic.jpg", 94, 49},       {"fdiv1.jpg", 226, 33},     {"fdiv2.jpg", 130, 30},
    {"pbanner.jpg", 318, 35},  {"quillora.png", 256, 256}, {"quillora_48.png", 48, 48},
};

struct Animation {
    const char *stem;
    QRect area; // its place in mback.jpg
};

const Animation kAnimations[] = {
    {"new", QRect(451, 9, 94, 94)},    {"edit", QRect(514, 137, 93, 94)},
    {"go", QRect(442, 257, 95, 91)},   {"view", QRect(290, 300, 96, 92)},
    {"exit", QRect(134, 281, 95, 85)},
};

const char *const kEffects[] = {"Applause", "Chime", "Drum Roll", "Fanfare",
                                "Pop", "Slide Whistle", "Sparkle", "Oops", "Party Horn"};

// A rectangle of design units (15 to a pixel) in pixels, rounded as the
// windows round them.
QRect twips(int left, int top, int width, int height)
{
    auto px = [](int t) { return qRound(t / 15.0); };
    return QRect(px(left), px(top), px(width), px(height));
}

// Pictures the windows lay over a background, at their places on it.
struct Laid {
    const char *name;
    const char *ground;
    QRect place;
};

const Laid kLaid[] = {
    {"lbulb.jpg", "miniback.jpg", twips(5655, 780, 660, 855)},
    {"lock.jpg", "miniback.jpg", twips(1080, 2250, 645, 810)},
    {"lock.jpg", "miniback.jpg", QRect(357, 46, 43, 54)}, // the password prompt
    {"lpeople.jpg", "miniback.jpg", twips(2775, 3390, 2130, 720)},
    {"mic.jpg", "miniback.jpg", twips(5670, 45, 1410, 735)},
    {"pkeys.jpg", "miniback.jpg", twips(1170, 1380, 1155, 435)},
    {"sax.jpg", "miniback.jpg", twips(1455, 2640, 1920, 885)},
    {"fdiv1.jpg", "miniback.jpg", twips(1867, 630, 3390, 495)},
    {"fdiv2.jpg", "miniback.jpg", twips(2580, 2325, 1950, 450)},
    {"pbanner.jpg", "miniback.jpg", twips(1177, 3600, 4770, 525)},
    {"up.jpg", "mback.jpg", twips(2910, 3060, 600, 705)},
    {"up_s.jpg", "mback.jpg", twips(2910, 3060, 600, 705)},
    {"db.jpg", "mback.jpg", twips(3630, 3060, 600, 705)},
    {"db_s.jpg", "mback.jpg", twips(3630, 3060, 600, 705)},
};

// Every label, text box, list and thumbnail the wizard windows and the
// password prompt put on miniback.jpg.
struct Control {
    const char *name;
    QRect rect;
};

const Control kControls[] = {
    {"step 1 heading", twips(345, 360, 6435, 375)},
    {"step 1 title", twips(1800, 960, 3615, 375)},
    {"step 1 password caption", twips(345, 1680, 6435, 615)},
    {"step 1 password", twips(2475, 2400, 2175, 375)},
    {"step 1 frame", twips(240, 240, 6615, 2895)},
    {"step 2 heading", twips(120, 120, 6435, 375)},
    {"step 2 caption 0", twips(322, 1905, 1440, 255)},
    {"step 2 caption 1", twips(2002, 1920, 1440, 255)},
    {"step 2 caption 2", twips(3682, 1920, 1440, 255)},
    {"step 2 caption 3", twips(5362, 1920, 1440, 255)},
    {"step 2 caption 4", twips(1162, 3720, 1440, 255)},
    {"step 2 caption 5", twips(2842, 3720, 1440, 255)},
    {"step 2 caption 6", twips(4522, 3720, 1440, 255)},
    {"step 2 empty thumbnail", twips(322, 480, 1440, 1440)},
    {"step 3 caption 0", twips(352, 1905, 1440, 255)},
    {"step 3 caption 3", twips(5392, 1920, 1440, 255)},
    {"step 3 caption 4", twips(1192, 3720, 1440, 255)},
    {"step 3 caption 6", twips(4552, 3720, 1440, 255)},
    {"step 4 heading", twips(120, 135, 6915, 600)},
    {"step 4 welcome", twips(975, 720, 5175, 1215)},
    {"step 4 thanks caption", twips(120, 2160, 6915, 600)},
    {"step 4 thanks", twips(975, 2760, 5175, 375)},
    {"step 5 heading", twips(120, 120, 6915, 360)},
    {"step 5 save caption", twips(555, 720, 3195, 600)},
    {"step 5 save list", twips(3795, 720, 2775, 1035)},
    {"step 5 reset caption", twips(555, 2040, 3195, 600)},
    {"step 5 reset list", twips(3795, 2040, 2775, 1035)},
    {"step 5 tip", twips(825, 3840, 5475, 240)},
    {"finish first line", twips(120, 120, 6915, 825)},
    {"finish middle", twips(120, 1110, 6915, 1200)},
    {"finish last line", twips(120, 2745, 6915, 600)},
    {"prompt caption", QRect(130, 116, 214, 30)},
    {"prompt password", QRect(164, 138, 147, 27)},
};

const Control kClickAreas[] = {
    {"wizard back", twips(120, 3390, 585, 705)},
    {"wizard next", twips(6405, 3390, 585, 705)},
    {"prompt back", QRect(8, 225, 39, 47)},
    {"prompt next", QRect(427, 225, 39, 47)},
};

QString media(const QString &name) { return kApp + QStringLiteral("/media/") + name; }

QImage load(const QString &path)
{
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull())
        qWarning("%s: %s", qPrintable(path), qPrintable(reader.errorString()));
    return img;
}

double luma(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }

struct Stats {
    double mean = 0, stddev = 0, min = 255;
};

Stats lumaStats(const QImage &img, QRect r = {})
{
    if (r.isNull())
        r = img.rect();
    Stats s;
    double sum = 0, sq = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double l = luma(img.pixel(x, y));
            s.min = std::min(s.min, l);
            sum += l;
            sq += l * l;
        }
    const double n = double(r.width()) * r.height();
    s.mean = sum / n;
    s.stddev = std::sqrt(std::max(0.0, sq / n - s.mean * s.mean));
    return s;
}

// Mean absolute difference per colour channel, 0..255.
double meanAbsDiff(const QImage &a, const QImage &b)
{
    Q_ASSERT(a.size() == b.size());
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QRect scaled(const QRect &r, int scale) { return QRect(r.topLeft() * scale, r.size() * scale); }

QString atScale(const char *name, int scale)
{
    QString file = QString::fromLatin1(name);
    if (scale > 1)
        file.insert(file.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    return file;
}

struct RingDiff {
    double mean = 0; // per channel, 0..255
    int max = 0;
};

// How far the outermost `width` pixels of `picture` lie from `ground`.
RingDiff ringDiff(const QImage &picture, const QImage &ground, int width)
{
    RingDiff d;
    long sum = 0, n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (x >= width && y >= width && x < picture.width() - width && y < picture.height() - width)
                continue;
            const QRgb p = picture.pixel(x, y), q = ground.pixel(x, y);
            for (const int c : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))}) {
                sum += c;
                d.max = std::max(d.max, c);
            }
            n += 3;
        }
    d.mean = double(sum) / n;
    return d;
}

// The picture after a JPEG round trip at the quality the generator writes.
QImage jpegRoundTrip(const QImage &img)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(img);
    return QImage::fromData(buffer.data(), "jpeg");
}

// Sum of absolute second differences: how much fine detail a picture holds.
double detail(const QImage &picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    auto at = [&](int x, int y) { return luma(reinterpret_cast<const QRgb *>(img.constScanLine(y))[x]); };
    double sum = 0;
    for (int y = 1; y + 1 < img.height(); ++y)
        for (int x = 1; x + 1 < img.width(); ++x)
            sum += std::abs(4 * at(x, y) - at(x - 1, y) - at(x + 1, y) - at(x, y - 1) - at(x, y + 1));
    return sum / (double(img.width() - 2) * (img.height() - 2));
}

struct Wav {
    QByteArray fourcc[2];
    int format = 0, channels = 0, rate = 0, bits = 0, byteRate = 0, align = 0;
    QVector<qint16> samples;
    quint32 riffSize = 0;
    qint64 fileSize = 0;
    bool dataFound = false;
};

Wav readWav(const QString &path)
{
    Wav w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return w;
    const QByteArray b = f.readAll();
    w.fileSize = b.size();
    if (b.size() < 12)
        return w;
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    w.fourcc[0] = b.mid(0, 4);
    w.riffSize = u32(4);
    w.fourcc[1] = b.mid(8, 4);
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const quint32 len = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + len > b.size())
            break;
        if (id == "fmt " && len >= 16) {
            w.format = u16(body);
            w.channels = u16(body + 2);
            w.rate = int(u32(body + 4));
            w.byteRate = int(u32(body + 8));
            w.align = u16(body + 12);
            w.bits = u16(body + 14);
        } else if (id == "data") {
            w.dataFound = true;
            for (quint32 i = 0; i + 1 < len; i += 2)
                w.samples.append(qint16(u16(body + i)));
        }
        at = body + len + (len & 1);
    }
    return w;
}

struct Loudness {
    double lufs = 0, truePeakDb = 0;
};

// EBU R128 integrated loudness and true peak of a sound played alone, with
// half a second of silence before and after it.
Loudness measure(const QVector<qint16> &samples)
{
    ebur128_state *st = ebur128_init(1, 44100, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    const QVector<qint16> pad(22050, 0);
    ebur128_add_frames_short(st, pad.constData(), pad.size());
    ebur128_add_frames_short(st, samples.constData(), samples.size());
    ebur128_add_frames_short(st, pad.constData(), pad.size());
    Loudness l;
    double peak = 0;
    ebur128_loudness_global(st, &l.lufs);
    ebur128_true_peak(st, 0, &peak);
    l.truePeakDb = 20 * std::log10(peak);
    ebur128_destroy(&st);
    return l;
}

QMap<QString, QByteArray> readTree(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return files;
}

bool runGenerator(const QString &dir)
{
    QProcess gen;
    gen.start(QStringLiteral(QUILLORA_MEDIAGEN), {dir});
    if (!gen.waitForFinished(-1))
        return false;
    return gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void backdropsReadAsThumbnails();
    void animationsStartFromTheMenu_data();
    void animationsStartFromTheMenu();
    void doubleDensity_data();
    void doubleDensity();
    void picturesFitTheirGround_data();
    void picturesFitTheirGround();
    void menuRowsStayQuiet();
    void wizardControlsLieOnEvenPaper_data();
    void wizardControlsLieOnEvenPaper();
    void arrowsLieUnderTheClickAreas_data();
    void arrowsLieUnderTheClickAreas();
    void pressedButtonsLookPushedIn();
    void appIconIsTransparentAroundTheArt();
    void sounds_data();
    void sounds();
    void generatorIsDeterministic();
};

void TestMedia::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("minStddev");
    for (const Picture &p : kPictures)
        QTest::newRow(p.name) << QString::fromLatin1(p.name) << QSize(p.w, p.h) << 12.0;
    for (int i = 0; i < 7; ++i) {
        const QString b = QStringLiteral("b_%1.jpg").arg(i), t = QStringLiteral("t_%1.jpg").arg(i);
        QTest::newRow(qPrintable(b)) << b << QSize(1280, 800) << 8.0;
        QTest::newRow(qPrintable(t)) << t << QSize(129, 121) << 12.0;
    }
    for (const Animation &a : kAnimations)
        for (int k = 1; k <= 10; ++k) {
            const QString f = QStringLiteral("%1_%2.jpg").arg(QLatin1String(a.stem)).arg(k);
            QTest::newRow(qPrintable(f)) << f << a.area.size() << 12.0;
        }
}

void TestMedia::pictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(double, minStddev);
    QImageReader reader(media(name));
    QCOMPARE(reader.format(), name.endsWith(QLatin1String(".png")) ? QByteArray("png") : QByteArray("jpeg"));
    QCOMPARE(reader.size(), size);
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(img.size(), size);
    // A flat or nearly flat picture is a placeholder, not artwork.
    const Stats s = lumaStats(img.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32));
    QVERIFY2(s.stddev > minStddev, qPrintable(QStringLiteral("stddev %1").arg(s.stddev)));
}

void TestMedia::backdropsReadAsThumbnails()
{
    for (int i = 0; i < 7; ++i) {
        const QImage thumb = load(media(QStringLiteral("b_%1.jpg").arg(i)))
                                 .scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(!thumb.isNull());
        const Stats s = lumaStats(thumb);
        QVERIFY2(s.stddev > 6, qPrintable(QStringLiteral("b_%1 thumbnail stddev %2").arg(i).arg(s.stddev)));
        QVERIFY2(s.mean > 60 && s.mean < 245, qPrintable(QStringLiteral("b_%1 mean %2").arg(i).arg(s.mean)));
    }
}

void TestMedia::animationsStartFromTheMenu_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QRect>("area");
    for (const Animation &a : kAnimations)
        QTest::newRow(a.stem) << QString::fromLatin1(a.stem) << a.area;
}

void TestMedia::animationsStartFromTheMenu()
{
    QFETCH(QString, stem);
    QFETCH(QRect, area);
    const QImage menu = load(media(QStringLiteral("mback.jpg")));
    QVERIFY(!menu.isNull());
    QVector<QImage> frames;
    for (int k = 1; k <= 10; ++k) {
        frames << load(media(QStringLiteral("%1_%2.jpg").arg(stem).arg(k)));
        QCOMPARE(frames.last().size(), area.size());
    }
    // The hover starts where the menu picture is: only JPEG noise apart. Two
    // encodings on differently aligned 8x8 blocks differ by about 3 on these
    // busy pictures; the same region one pixel off already differs by about 9.
    const double start = meanAbsDiff(frames[0], menu.copy(area));
    QVERIFY2(start < 4.5, qPrintable(QStringLiteral("frame 1 vs menu: %1").arg(start)));
    // The frames move, and frame 10 is the far end of the motion.
    const double extreme = meanAbsDiff(frames[0], frames[9]);
    QVERIFY2(extreme > 4.0, qPrintable(QStringLiteral("frame 1 vs 10: %1").arg(extreme)));
    for (int k = 1; k < 9; ++k) {
        const double d = meanAbsDiff(frames[0], frames[k]);
        QVERIFY2(d <= extreme + 0.5, qPrintable(QStringLiteral("frame %1 moves past frame 10: %2 > %3")
                                                    .arg(k + 1).arg(d).arg(extreme)));
        QVERIFY2(meanAbsDiff(frames[k], frames[k - 1]) > 0.3,
                 qPrintable(QStringLiteral("frames %1 and %2 are the same").arg(k).arg(k + 1)));
    }
}

void TestMedia::doubleDensity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("sharper"); // holds lines and edges finer than its 1x pixels
    for (const Picture &p : kPictures)
        if (QByteArray(p.name).endsWith(".jpg"))
            QTest::newRow(p.name) << QString::fromLatin1(p.name) << true;
    // Halo, clouds, marble and swirls are soft gradients and noise at any size.
    const QList<int> soft = {0, 1, 2, 5};
    for (int i = 0; i < 7; ++i) {
        QTest::addRow("b_%d", i) << QStringLiteral("b_%1.jpg").arg(i) << !soft.contains(i);
        QTest::addRow("t_%d", i) << QStringLiteral("t_%1.jpg").arg(i) << true;
    }
    for (const Animation &a : kAnimations)
        for (int k = 1; k <= 10; ++k)
            QTest::addRow("%s_%d", a.stem, k) << QStringLiteral("%1_%2.jpg").arg(QLatin1String(a.stem)).arg(k) << true;
}

void TestMedia::doubleDensity()
{
    QFETCH(QString, name);
    QFETCH(bool, sharper);
    const QImage normal = load(media(name));
    const QImage dense = load(media(atScale(qPrintable(name), 2)));
    QVERIFY(!normal.isNull() && !dense.isNull());
    QCOMPARE(dense.size(), normal.size() * 2);
    if (name.startsWith(QLatin1String("b_")))
        QVERIFY(dense.width() >= 2560);
    // The same picture ...
    const double apart = meanAbsDiff(dense.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), normal);
    QVERIFY2(apart < 6, qPrintable(QStringLiteral("@2x shrunk vs 1x: %1").arg(apart)));
    if (!sharper)
        return;
    // ... drawn at the larger size: its edges are twice as crisp as those of
    // the normal picture blown up (drawn about 2 to 4 times the detail,
    // blown up about 1.0 to 1.1).
    const double drawn = detail(dense);
    const double blownUp = detail(normal.scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QVERIFY2(drawn > 1.5 * blownUp, qPrintable(QStringLiteral("detail %1 vs blown up %2").arg(drawn).arg(blownUp)));
}

void TestMedia::picturesFitTheirGround_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ground");
    QTest::addColumn<QRect>("place");
    for (const int scale : {1, 2})
        for (const Laid &l : kLaid)
            QTest::addRow("%s at %d,%d", qPrintable(atScale(l.name, scale)), l.place.x(), l.place.y())
                << atScale(l.name, scale) << atScale(l.ground, scale) << scaled(l.place, scale);
}

void TestMedia::picturesFitTheirGround()
{
    QFETCH(QString, name);
    QFETCH(QString, ground);
    QFETCH(QRect, place);
    const QImage picture = load(media(name)), background = load(media(ground));
    QVERIFY(!picture.isNull() && !background.isNull());
    QCOMPARE(picture.size(), place.size());
    // Along its edge a picture is its background, up to JPEG noise: what one
    // more encoding of that part of the background on its own blocks costs,
    // and the blur of the drawing's own edges a few pixels further in. A
    // picture on a white box instead of the paper is 5 apart on average.
    const QImage under = background.copy(place);
    const RingDiff d = ringDiff(picture, under, 2), noise = ringDiff(jpegRoundTrip(under), under, 2);
    qInfo("%s on %s: edge mean %.2f max %d (JPEG alone: %.2f, %d)", qPrintable(name), qPrintable(ground), d.mean,
          d.max, noise.mean, noise.max);
    QVERIFY2(d.mean < 2 * noise.mean + 2 && d.max < 2 * noise.max + 16,
             qPrintable(QStringLiteral("mean %1 max %2").arg(d.mean).arg(d.max)));
}

void TestMedia::menuRowsStayQuiet()
{
    // The board list rows have text laid over them.
    const QImage menu = load(media(QStringLiteral("mback.jpg")));
    const QRect rows[] = {QRect(44, 112, 362, 17), QRect(35, 130, 373, 17), QRect(35, 148, 373, 17),
                          QRect(38, 166, 366, 17), QRect(48, 184, 354, 17)};
    for (const QRect &r : rows) {
        const Stats s = lumaStats(menu, r);
        QVERIFY2(s.mean > 200 && s.stddev < 14,
                 qPrintable(QStringLiteral("row %1: mean %2 stddev %3").arg(r.y()).arg(s.mean).arg(s.stddev)));
    }
}

void TestMedia::wizardControlsLieOnEvenPaper_data()
{
    QTest::addColumn<QString>("ground");
    QTest::addColumn<QRect>("rect");
    for (const int scale : {1, 2})
        for (const Control &c : kControls)
            QTest::addRow("%s @%dx", c.name, scale) << atScale("miniback.jpg", scale) << scaled(c.rect, scale);
}

void TestMedia::wizardControlsLieOnEvenPaper()
{
    QFETCH(QString, ground);
    QFETCH(QRect, rect);
    const QImage mini = load(media(ground));
    QVERIFY(!mini.isNull());
    QVERIFY(mini.rect().contains(rect));
    // Light everywhere under the text, and no pattern, frame or ribbon.
    const Stats s = lumaStats(mini, rect);
    qInfo("ground: mean %.1f min %.1f stddev %.2f", s.mean, s.min, s.stddev);
    QVERIFY2(s.min > 235 && s.stddev < 1.5,
             qPrintable(QStringLiteral("mean %1 min %2 stddev %3").arg(s.mean).arg(s.min).arg(s.stddev)));
}

void TestMedia::arrowsLieUnderTheClickAreas_data()
{
    QTest::addColumn<QString>("ground");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QRect>("area");
    for (const int scale : {1, 2})
        for (const Control &c : kClickAreas)
            QTest::addRow("%s @%dx", c.name, scale) << atScale("miniback.jpg", scale) << scale << scaled(c.rect, scale);
}

void TestMedia::arrowsLieUnderTheClickAreas()
{
    QFETCH(QString, ground);
    QFETCH(int, scale);
    QFETCH(QRect, area);
    const QImage mini = load(media(ground));
    QVERIFY(!mini.isNull());
    // The drawing is what stands out from the paper, looked for a good way
    // around the click area (but not on the rim of the window).
    const QRgb paper = mini.pixel(mini.width() / 2, mini.height() / 2);
    const QRect around = area.adjusted(-12 * scale, -12 * scale, 12 * scale, 12 * scale)
                             .intersected(mini.rect().adjusted(7 * scale, 7 * scale, -7 * scale, -7 * scale));
    QRect drawing;
    QPointF centre;
    int inside = 0, count = 0;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x) {
            const QRgb p = mini.pixel(x, y);
            if (std::abs(qRed(p) - qRed(paper)) + std::abs(qGreen(p) - qGreen(paper)) +
                    std::abs(qBlue(p) - qBlue(paper)) < 60)
                continue;
            drawing |= QRect(x, y, 1, 1);
            centre += QPointF(x + 0.5, y + 0.5);
            ++count;
            inside += area.contains(x, y);
        }
    QVERIFY(count > 0);
    centre /= count;
    const QPointF offset = centre - QRectF(area).center();
    qInfo("arrow drawing %d,%d %dx%d covers %.0f%% of the area, centre off by %.1f,%.1f", drawing.x(), drawing.y(),
          drawing.width(), drawing.height(), 100.0 * inside / (area.width() * area.height()), offset.x(), offset.y());
    QVERIFY2(area.adjusted(-2 * scale, -2 * scale, 2 * scale, 2 * scale).contains(drawing),
             qPrintable(QStringLiteral("drawing %1,%2 %3x%4").arg(drawing.x()).arg(drawing.y())
                            .arg(drawing.width()).arg(drawing.height())));
    // Its shadow pulls the middle of the drawing a little down and right.
    QVERIFY2(std::hypot(offset.x(), offset.y()) < 4.0 * scale, "the arrow is off the middle of its click area");
    QVERIFY2(inside > area.width() * area.height() / 2, "the arrow is too small for its click area");
}

void TestMedia::pressedButtonsLookPushedIn()
{
    for (const char *stem : {"up", "db"}) {
        const QImage normal = load(media(QStringLiteral("%1.jpg").arg(QLatin1String(stem))));
        const QImage pressed = load(media(QStringLiteral("%1_s.jpg").arg(QLatin1String(stem))));
        QVERIFY(lumaStats(pressed).mean < lumaStats(normal).mean - 8);
    }
    // Up and down are different pictures: one is the other upside down, roughly.
    const QImage up = load(media(QStringLiteral("up.jpg"))), down = load(media(QStringLiteral("db.jpg")));
    QVERIFY(meanAbsDiff(up, down) > 5);
}

void TestMedia::appIconIsTransparentAroundTheArt()
{
    const QImage icon = load(media(QStringLiteral("quillora.png"))).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(icon.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(255, 0), QPoint(0, 255), QPoint(255, 255)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    QCOMPARE(qAlpha(icon.pixel(128, 128)), 255);
    int opaque = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            opaque += qAlpha(icon.pixel(x, y)) > 128;
    QVERIFY2(opaque > 256 * 256 / 3, qPrintable(QString::number(opaque)));

    // The window icon is the same art at title-bar size.
    const QImage small = load(media(QStringLiteral("quillora_48.png"))).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(small.pixel(0, 0)), 0);
    QVERIFY(meanAbsDiff(small, icon.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)) < 3);
}

void TestMedia::sounds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("maxSeconds");
    QTest::newRow("ptime") << media(QStringLiteral("ptime.wav")) << 3.0;
    for (const char *e : kEffects)
        QTest::newRow(e) << kApp + QStringLiteral("/audio/%1.wav").arg(QLatin1String(e)) << 2.0;
}

void TestMedia::sounds()
{
    QFETCH(QString, path);
    QFETCH(double, maxSeconds);
    const Wav w = readWav(path);
    QCOMPARE(w.fourcc[0], QByteArray("RIFF"));
    QCOMPARE(w.fourcc[1], QByteArray("WAVE"));
    QCOMPARE(qint64(w.riffSize) + 8, w.fileSize);
    QCOMPARE(w.format, 1);
    QCOMPARE(w.channels, 1);
    QCOMPARE(w.rate, 44100);
    QCOMPARE(w.bits, 16);
    QCOMPARE(w.align, 2);
    QCOMPARE(w.byteRate, 88200);
    QVERIFY(w.dataFound);
    const double seconds = w.samples.size() / 44100.0;
    QVERIFY2(seconds > 0.1 && seconds < maxSeconds, qPrintable(QString::number(seconds)));
    // No click at either end, and no clipping.
    QVERIFY2(std::abs(w.samples.first()) < 200 && std::abs(w.samples.last()) < 200,
             qPrintable(QStringLiteral("%1 .. %2").arg(w.samples.first()).arg(w.samples.last())));
    int clipped = 0;
    for (qint16 s : w.samples)
        clipped += std::abs(int(s)) >= 32767;
    QCOMPARE(clipped, 0);
    // Every sound equally loud to the ear, with room above its peaks.
    const Loudness l = measure(w.samples);
    qInfo("%s: %.1f LUFS, true peak %.1f dBTP", qPrintable(QFileInfo(path).fileName()), l.lufs, l.truePeakDb);
    QVERIFY2(std::fabs(l.lufs - -16.0) <= 0.5, qPrintable(QStringLiteral("%1 LUFS").arg(l.lufs)));
    QVERIFY2(l.truePeakDb <= -1.0, qPrintable(QStringLiteral("%1 dBTP").arg(l.truePeakDb)));
}

void TestMedia::generatorIsDeterministic()
{
    QTemporaryDir first, second;
    QVERIFY(first.isValid() && second.isValid());
    QVERIFY(runGenerator(first.path()));
    QVERIFY(runGenerator(second.path()));
    const QMap<QString, QByteArray> a = readTree(first.path()), b = readTree(second.path());
    QCOMPARE(a.keys(), b.keys());
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        QVERIFY2(it.value() == b.value(it.key()), qPrintable(it.key() + QStringLiteral(" differs between runs")));
    // What the generator writes is the catalogue the program is built with.
    const QMap<QString, QByteArray> built = readTree(kApp + QStringLiteral("/media"));
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (it.key().startsWith(QLatin1String("media/")))
            QVERIFY2(built.value(it.key().mid(6)) == it.value(), qPrintable(it.key() + QStringLiteral(" is stale")));
    QVERIFY(a.size() >= 20 + 14 + 50 + 1 + 8);
}

QTEST_GUILESS_MAIN(TestMedia)
#include "test_media.moc"
