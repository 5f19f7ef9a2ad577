// Checks the pictures and sounds the media generator ships: every file of
// the catalogue is there with the right size and format, pictures carry
// real content, the hover animations start from the menu picture, sounds
// are clean 16-bit PCM equally loud, and the generator gives the same bytes
// every run.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
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
    double mean = 0, stddev = 0;
};

Stats lumaStats(const QImage &img, QRect r = {})
{
    if (r.isNull())
        r = img.rect();
    double sum = 0, sq = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double l = luma(img.pixel(x, y));
            sum += l;
            sq += l * l;
        }
    const double n = double(r.width()) * r.height();
    Stats s;
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    gen.setProcessEnvironment(env);
    gen.start(QStringLiteral(QUILLORA_MEDIAGEN), {dir});
    if (!gen.waitForFinished(60000))
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
    void textAreasStayQuiet();
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

void TestMedia::textAreasStayQuiet()
{
    // The board list rows and the wizard's text area have text laid over them.
    const QImage menu = load(media(QStringLiteral("mback.jpg")));
    const QRect rows[] = {QRect(44, 112, 362, 17), QRect(35, 130, 373, 17), QRect(35, 148, 373, 17),
                          QRect(38, 166, 366, 17), QRect(48, 184, 354, 17)};
    for (const QRect &r : rows) {
        const Stats s = lumaStats(menu, r);
        QVERIFY2(s.mean > 200 && s.stddev < 14,
                 qPrintable(QStringLiteral("row %1: mean %2 stddev %3").arg(r.y()).arg(s.mean).arg(s.stddev)));
    }
    const QImage mini = load(media(QStringLiteral("miniback.jpg")));
    const Stats middle = lumaStats(mini, QRect(QPoint(16, 16), QPoint(459, 209)));
    QVERIFY2(middle.mean > 220 && middle.stddev < 14,
             qPrintable(QStringLiteral("miniback middle: mean %1 stddev %2").arg(middle.mean).arg(middle.stddev)));
    // The arrows stand out from their surroundings.
    QVERIFY(lumaStats(mini, QRect(8, 226, 39, 47)).stddev > 20);
    QVERIFY(lumaStats(mini, QRect(427, 226, 39, 47)).stddev > 20);
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
    QVERIFY2(std::fabs(l.lufs - -16.0) <= 1.5, qPrintable(QStringLiteral("%1 LUFS").arg(l.lufs)));
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
