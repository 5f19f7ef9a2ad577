#include "common.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QImageWriter>
#include <QtMath>

#include <cstdio>

namespace mg {

const QColor kPartyColours[8] = {
    QColor(233, 64, 87),  QColor(255, 168, 38), QColor(255, 214, 64), QColor(76, 190, 110),
    QColor(48, 160, 220), QColor(150, 90, 210), QColor(250, 110, 170), QColor(30, 200, 190),
};

Rng::Rng(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull)
{
    if (m_state == 0)
        m_state = 0x1234567ull;
    for (int i = 0; i < 4; ++i)
        next();
}

std::uint32_t Rng::next()
{
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return std::uint32_t((m_state * 0x2545F4914F6CDD1Dull) >> 32);
}

double Rng::uniform() { return next() / 4294967296.0; }
double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
int Rng::below(int n) { return n <= 0 ? 0 : int(next() % std::uint32_t(n)); }

namespace {
struct FaceFile {
    Face face;
    const char *file;
    bool bold;
    bool italic;
};
const FaceFile kFaceFiles[] = {
    {Face::Sans, "DejaVuSans.ttf", false, false},
    {Face::SansBold, "DejaVuSans-Bold.ttf", true, false},
    {Face::SansCondensedBold, "DejaVuSansCondensed-Bold.ttf", true, false},
    {Face::Serif, "DejaVuSerif.ttf", false, false},
    {Face::SerifBold, "DejaVuSerif-Bold.ttf", true, false},
    {Face::SerifBoldItalic, "DejaVuSerif-BoldItalic.ttf", true, true},
};
QHash<int, QFont> &faces()
{
    static QHash<int, QFont> table;
    return table;
}
} // namespace

bool loadFonts()
{
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    bool ok = true;
    for (const FaceFile &f : kFaceFiles) {
        const int id = QFontDatabase::addApplicationFont(dir + QLatin1String(f.file));
        if (id < 0) {
            std::fprintf(stderr, "mediagen: cannot load font %s\n", f.file);
            ok = false;
            continue;
        }
        const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
        QFont font(family);
        font.setBold(f.bold);
        font.setItalic(f.italic);
        font.setStyleStrategy(QFont::PreferAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
        faces().insert(int(f.face), font);
    }
    return ok;
}

QFont font(Face face, qreal pixelSize)
{
    QFont f = faces().value(int(face));
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    return f;
}

namespace {
int g_scale = 1;
} // namespace

int drawScale() { return g_scale; }
void setDrawScale(int scale) { g_scale = scale; }

void Output::fail(const QString &what)
{
    std::fprintf(stderr, "mediagen: %s\n", qPrintable(what));
    ok = false;
}

namespace {

QString scaledName(const QString &name)
{
    if (drawScale() == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(drawScale()) + name.mid(dot);
}

} // namespace

void saveJpeg(Output &out, const QImage &img, const QString &plainName)
{
    const QString name = scaledName(plainName);
    QImageWriter writer(out.mediaDir + QLatin1Char('/') + name, "jpeg");
    writer.setQuality(90);
    writer.setOptimizedWrite(true);
    if (!writer.write(img.convertToFormat(QImage::Format_RGB32)))
        out.fail(name + QStringLiteral(": ") + writer.errorString());
}

void savePng(Output &out, const QImage &img, const QString &name)
{
    QImageWriter writer(out.mediaDir + QLatin1Char('/') + name, "png");
    writer.setCompression(9);
    if (!writer.write(img))
        out.fail(name + QStringLiteral(": ") + writer.errorString());
}

QImage downscale(const QImage &img, QSize size)
{
    if (img.size() == size)
        return img;
    return img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage render(QSize size, int ss, QColor fill, const DrawFn &draw)
{
    // At double density the picture itself holds half the supersampling.
    const int scale = drawScale(), factor = scale * std::max(1, ss / scale);
    QImage big(size * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(fill);
    {
        QPainter p(&big);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
        p.scale(factor, factor);
        draw(p);
    }
    return downscale(big, size * scale);
}

QImage scaledCanvas(QSize size)
{
    return QImage(size * drawScale(), QImage::Format_RGB32);
}

void useLogicalUnits(QPainter &p)
{
    p.scale(drawScale(), drawScale());
}

QImage drawnOver(const QImage &ground, const QRect &place, const QImage &layer)
{
    const int scale = drawScale();
    QImage shot = ground.copy(QRect(place.topLeft() * scale, place.size() * scale));
    QPainter p(&shot);
    p.drawImage(0, 0, layer);
    return shot;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = qBound(0.0, t, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

void softShadow(QPainter &p, const QPainterPath &path, QPointF off, qreal blur, int alpha)
{
    p.save();
    p.translate(off);
    const int steps = 6;
    p.setBrush(Qt::NoBrush);
    for (int i = steps; i >= 1; --i) {
        const qreal w = blur * i / steps;
        p.setPen(QPen(QColor(0, 0, 0, alpha / steps), w * 2, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha / 2));
    p.drawPath(path);
    p.restore();
}

void vFill(QPainter &p, const QPainterPath &path, const QColor &top, const QColor &bottom)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(path, g);
}

void glossyFill(QPainter &p, const QPainterPath &path, const QColor &base, bool highlight)
{
    const QRectF r = path.boundingRect();
    QRadialGradient g(r.center() + QPointF(-r.width() * 0.2, -r.height() * 0.25),
                      qMax(r.width(), r.height()) * 0.75);
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(150));
    p.fillPath(path, g);
    if (!highlight)
        return;
    QRectF hl(r.left() + r.width() * 0.18, r.top() + r.height() * 0.08, r.width() * 0.42,
              r.height() * 0.3);
    QRadialGradient h(hl.center(), hl.width() * 0.6);
    h.setColorAt(0, QColor(255, 255, 255, 170));
    h.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(h);
    p.drawEllipse(hl);
    p.restore();
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points, qreal rotDeg)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = qDegreesToRadians(rotDeg + 180.0 * i / points);
        const qreal r = (i % 2) ? inner : outer;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void sparkle(QPainter &p, QPointF c, qreal r, const QColor &col)
{
    QRadialGradient glow(c, r);
    glow.setColorAt(0, withAlpha(col, 120));
    glow.setColorAt(1, withAlpha(col, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r, r);
    p.setBrush(col);
    p.drawPath(starPath(c, r, r * 0.18, 4, 0));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(c, r * 0.12, r * 0.12);
}

void confetti(QPainter &p, Rng &rng, const QRectF &area, int count, qreal size,
              const QList<QRectF> &avoid, int alpha)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const QColor col = withAlpha(kPartyColours[rng.below(8)], alpha);
        const qreal s = size * rng.range(0.6, 1.3);
        const qreal rot = rng.range(0, 180);
        const int shape = rng.below(3);
        bool hidden = false;
        for (const QRectF &r : avoid)
            hidden = hidden || r.adjusted(-s, -s, s, s).contains(c);
        if (hidden)
            continue;
        p.save();
        p.translate(c);
        p.rotate(rot);
        p.setBrush(col);
        if (shape == 0)
            p.drawRect(QRectF(-s / 2, -s / 4, s, s / 2));
        else if (shape == 1)
            p.drawEllipse(QPointF(0, 0), s * 0.33, s * 0.33);
        else
            p.drawPath(starPath(QPointF(0, 0), s * 0.5, s * 0.22));
        p.restore();
    }
}

void streamer(QPainter &p, QPointF a, QPointF b, qreal amp, qreal waves, qreal width,
              const QColor &col)
{
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    const int steps = 80;
    QPainterPath edgeA, edgeB;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal ph = t * waves * 2 * M_PI;
        const QPointF c = a + d * t + n * (std::sin(ph) * amp);
        // The ribbon twists: its visible width follows the cosine of the wave.
        const qreal w = width * (0.35 + 0.65 * std::fabs(std::cos(ph * 0.5)));
        const QPointF pa = c + n * (w / 2), pb = c - n * (w / 2);
        if (i == 0) {
            edgeA.moveTo(pa);
            edgeB.moveTo(pb);
        } else {
            edgeA.lineTo(pa);
            edgeB.lineTo(pb);
        }
    }
    QPainterPath ribbon = edgeA;
    ribbon.connectPath(edgeB.toReversed());
    ribbon.closeSubpath();
    QLinearGradient g(a, a + n * width * 3);
    g.setSpread(QGradient::ReflectSpread);
    g.setColorAt(0, col.lighter(125));
    g.setColorAt(1, col.darker(115));
    p.setPen(QPen(col.darker(140), 0.6));
    p.setBrush(g);
    p.drawPath(ribbon);
}

void drawBalloon(QPainter &p, QPointF c, qreal r, const QColor &col, QPointF knotTo)
{
    const QPointF knot = c + QPointF(0, r * 1.18);
    QPainterPath string(knot);
    const QPointF mid = (knot + knotTo) / 2;
    string.cubicTo(mid + QPointF(-8, -10), mid + QPointF(8, 10), knotTo);
    p.setPen(QPen(QColor(120, 90, 90, 190), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    QPainterPath body;
    body.moveTo(knot);
    body.cubicTo(c + QPointF(-r * 1.35, r * 0.75), c + QPointF(-r * 1.05, -r * 1.25), c + QPointF(0, -r * 1.1));
    body.cubicTo(c + QPointF(r * 1.05, -r * 1.25), c + QPointF(r * 1.35, r * 0.75), knot);
    softShadow(p, body, QPointF(3, 4), 4, 40);
    glossyFill(p, body, col);
    QPainterPath tie;
    tie.moveTo(knot);
    tie.lineTo(knot + QPointF(-3, 4));
    tie.lineTo(knot + QPointF(3, 4));
    tie.closeSubpath();
    p.fillPath(tie, col.darker(130));
}

} // namespace mg
