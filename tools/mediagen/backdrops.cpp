// The seven board backdrops, 1280 x 800. They are stretched over a whole
// board window and also shown as small thumbnails, so they are smooth and
// bold. Noise is evaluated at half resolution and scaled up.
#include "generators.h"
#include "noise.h"

#include <QtMath>

namespace mg {

namespace {

constexpr int kReduce = 2;

QImage haloBackdrop()
{
    QImage img = scaledCanvas(kBackdropSize);
    QPainter p(&img);
    useLogicalUnits(p);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(640, 400);
    QRadialGradient g(c, 820);
    g.setColorAt(0, QColor(255, 253, 240));
    g.setColorAt(0.28, QColor(255, 240, 190));
    g.setColorAt(0.42, QColor(255, 214, 150));
    g.setColorAt(0.62, QColor(236, 176, 200));
    g.setColorAt(1, QColor(140, 130, 210));
    p.fillRect(img.rect(), g);
    // Soft beams of light around the halo.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 36; i += 2) {
        QPainterPath beam;
        beam.moveTo(c);
        beam.arcTo(QRectF(c.x() - 1100, c.y() - 1100, 2200, 2200), i * 10.0 + 3, 6.0);
        beam.closeSubpath();
        QRadialGradient bg(c, 900);
        bg.setColorAt(0.2, QColor(255, 255, 235, 0));
        bg.setColorAt(0.45, QColor(255, 255, 235, 60));
        bg.setColorAt(1, QColor(255, 255, 235, 0));
        p.setBrush(bg);
        p.drawPath(beam);
    }
    // Floating out-of-focus lights.
    Rng rng(100);
    for (int i = 0; i < 40; ++i) {
        const double a = rng.range(0, 2 * M_PI), r = rng.range(330, 700);
        const QPointF b = c + QPointF(std::cos(a) * r * 1.2, std::sin(a) * r * 0.75);
        const qreal size = rng.range(14, 46);
        QRadialGradient dot(b, size);
        dot.setColorAt(0, QColor(255, 255, 255, 90));
        dot.setColorAt(0.8, QColor(255, 255, 255, 50));
        dot.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(dot);
        p.drawEllipse(b, size, size);
    }
    return img;
}

QImage cloudsBackdrop()
{
    const Noise noise(11);
    return shade(kBackdropSize, kReduce, [&](double x, double y) {
        const double v = y / 800.0;
        const QRgb sky = mixRgb(qRgb(52, 128, 214), qRgb(160, 206, 245), v);
        const double n = noise.fbm(x / 260.0, y / 150.0, 6);
        const double cover = smoothstep(0.38, 0.68, n);
        // Shade the underside of the clouds by sampling a little higher up.
        const double above = noise.fbm(x / 260.0, (y - 22) / 150.0, 5);
        const double shadow = std::clamp((above - n) * 5.0 + 0.5, 0.0, 1.0);
        const QRgb cloud = mixRgb(qRgb(255, 255, 255), qRgb(186, 198, 220), shadow * 0.8);
        return mixRgb(sky, cloud, cover);
    });
}

QImage marbleBackdrop()
{
    const Noise noise(22);
    return shade(kBackdropSize, kReduce, [&](double x, double y) {
        const double t = noise.fbm(x / 420.0, y / 420.0, 7) * 2 - 1;
        const double u = noise.fbm(x / 260.0 + 9, y / 260.0, 6) * 2 - 1;
        const double veins = std::fabs(std::sin((x * 0.0021 + y * 0.0013) * M_PI * 2 + t * 7.0));
        const double fine = std::fabs(std::sin((x * 0.0016 - y * 0.0031) * M_PI * 2 + u * 9.0 + 1.3));
        const double cloud = noise.fbm(x / 180.0 + 40, y / 180.0, 5);
        QRgb base = mixRgb(qRgb(250, 214, 222), qRgb(236, 170, 188), cloud);
        base = mixRgb(base, qRgb(255, 244, 246), smoothstep(0.6, 0.95, cloud));
        base = mixRgb(base, qRgb(176, 92, 120), std::pow(1 - veins, 9) * 0.8);
        return mixRgb(base, qRgb(255, 250, 250), std::pow(1 - fine, 16) * 0.9);
    });
}

QRgb hsv(double h, double s, double v)
{
    h = h - std::floor(h);
    return QColor::fromHsvF(float(h), float(s), float(v)).rgb();
}

QImage psychoBackdrop()
{
    const Noise noise(55);
    return shade(kBackdropSize, kReduce, [&](double x, double y) {
        const double dx = (x - 640) / 400.0, dy = (y - 400) / 400.0;
        const double r = std::hypot(dx, dy), a = std::atan2(dy, dx);
        const double swirl = a * 3 + r * 7 + std::sin(r * 5) * 1.2 + noise.fbm(x / 400.0, y / 400.0, 3) * 2;
        const double band = 0.5 + 0.5 * std::sin(swirl * 2);
        const double hue = swirl / (2 * M_PI) + r * 0.35;
        const double rings = 0.5 + 0.5 * std::sin(r * 30 - a * 2);
        return hsv(hue, 0.62 + 0.3 * band, 0.75 + 0.2 * rings);
    });
}

QImage woodBackdrop()
{
    const Noise noise(66);
    const int plank = 160;
    QImage img = shade(kBackdropSize, kReduce, [&](double x, double y) {
        const int row = int(y) / plank;
        const double v = y - row * plank;
        const double shift = row * 613.0;
        const double warp = noise.fbm((x + shift) / 500.0, v / 90.0 + row * 7, 4) * 46;
        const double rings = (v + warp + std::sin((x + shift) * 0.004) * 18) * 0.09;
        const double band = std::pow(0.5 + 0.5 * std::sin(rings * 2 * M_PI), 3);
        const double fibre = noise.fbm((x + shift) / 160.0, v / 3.0, 3);
        QRgb c = mixRgb(qRgb(214, 158, 96), qRgb(160, 96, 46), band * 0.75 + fibre * 0.35);
        const double tone = noise.at(row * 3.1 + 0.5, 0.7);
        return mixRgb(c, qRgb(130, 74, 34), tone * 0.3);
    });
    // Plank seams, with the joints of each row staggered.
    QPainter p(&img);
    useLogicalUnits(p);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row * plank < 800; ++row) {
        const qreal y = row * plank;
        if (row > 0) {
            p.fillRect(QRectF(0, y - 1.5, 1280, 3), QColor(70, 36, 14, 200));
            p.fillRect(QRectF(0, y + 1.5, 1280, 1.5), QColor(255, 220, 170, 70));
        }
        const qreal joint = 220 + (row * 437) % 700;
        p.fillRect(QRectF(joint - 1.5, y, 3, plank), QColor(70, 36, 14, 180));
        p.fillRect(QRectF(joint + 1.5, y, 1.5, plank), QColor(255, 220, 170, 60));
        QLinearGradient shade(0, y, 0, y + plank);
        shade.setColorAt(0, QColor(255, 230, 190, 40));
        shade.setColorAt(0.5, QColor(255, 230, 190, 0));
        shade.setColorAt(1, QColor(60, 30, 10, 40));
        p.fillRect(QRectF(0, y, 1280, plank), shade);
    }
    return img;
}

} // namespace

void writeBackdrops(Output &out)
{
    saveJpeg(out, haloBackdrop(), QStringLiteral("b_0.jpg"));
    saveJpeg(out, cloudsBackdrop(), QStringLiteral("b_1.jpg"));
    saveJpeg(out, marbleBackdrop(), QStringLiteral("b_2.jpg"));
    saveJpeg(out, rosesBackdrop(), QStringLiteral("b_3.jpg"));
    saveJpeg(out, shellsBackdrop(), QStringLiteral("b_4.jpg"));
    saveJpeg(out, psychoBackdrop(), QStringLiteral("b_5.jpg"));
    saveJpeg(out, woodBackdrop(), QStringLiteral("b_6.jpg"));
}

} // namespace mg
