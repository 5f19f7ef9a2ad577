// The two backdrops made of painted objects: red roses, and sea shells on
// a beach.
#include "noise.h"

#include <QtMath>

namespace mg {

namespace {

QPainterPath petal(qreal len, qreal width)
{
    QPainterPath p(QPointF(0, 0));
    p.cubicTo(-width, -len * 0.3, -width * 1.15, -len * 0.95, 0, -len);
    p.cubicTo(width * 1.15, -len * 0.95, width, -len * 0.3, 0, 0);
    return p;
}

void leaf(QPainter &p, QPointF c, qreal len, qreal angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath shape(QPointF(0, 0));
    shape.cubicTo(len * 0.35, -len * 0.32, len * 0.75, -len * 0.25, len, 0);
    shape.cubicTo(len * 0.75, len * 0.25, len * 0.35, len * 0.32, 0, 0);
    softShadow(p, shape, QPointF(4, 6), 6, 60);
    QLinearGradient g(0, -len * 0.3, 0, len * 0.3);
    g.setColorAt(0, QColor(96, 160, 70));
    g.setColorAt(1, QColor(30, 90, 40));
    p.fillPath(shape, g);
    p.setPen(QPen(QColor(170, 220, 140, 160), len * 0.02));
    p.drawLine(QPointF(len * 0.05, 0), QPointF(len * 0.9, 0));
    for (int i = 1; i < 5; ++i) {
        const qreal x = len * 0.18 * i;
        p.drawLine(QPointF(x, 0), QPointF(x + len * 0.12, -len * 0.12));
        p.drawLine(QPointF(x, 0), QPointF(x + len * 0.12, len * 0.12));
    }
    p.restore();
}

void ringOfPetals(QPainter &p, QPointF c, int count, qreal len, qreal width, qreal rot,
                  const QColor &base)
{
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(c);
        p.rotate(rot + 360.0 * i / count);
        const QPainterPath shape = petal(len, width);
        QRadialGradient g(QPointF(0, 0), len);
        g.setColorAt(0, base.darker(210));
        g.setColorAt(0.55, base);
        g.setColorAt(0.92, base.lighter(125));
        g.setColorAt(1, base.lighter(140));
        p.setPen(QPen(base.darker(170), len * 0.02));
        p.setBrush(g);
        p.drawPath(shape);
        p.restore();
    }
}

void rose(QPainter &p, Rng &rng, QPointF c, qreal r)
{
    const qreal rot = rng.range(0, 360);
    for (int i = 0; i < 3; ++i)
        leaf(p, c, r * rng.range(1.25, 1.6), rot + 40 + i * 120 + rng.range(-20, 20));
    const QColor base = QColor::fromHsv(350 + rng.below(10) - 5 < 0 ? 355 : (350 + rng.below(10)) % 360,
                                        200 + rng.below(40), 190 + rng.below(40));
    QPainterPath disc;
    disc.addEllipse(c, r * 0.9, r * 0.9);
    softShadow(p, disc, QPointF(6, 9), 10, 70);
    ringOfPetals(p, c, 5, r, r * 0.62, rot, base);
    ringOfPetals(p, c, 5, r * 0.74, r * 0.5, rot + 36, base.darker(105));
    ringOfPetals(p, c, 4, r * 0.5, r * 0.4, rot + 18, base.darker(112));
    // The tightly wound centre.
    QRadialGradient bud(c, r * 0.3);
    bud.setColorAt(0, base.darker(230));
    bud.setColorAt(1, base.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(bud);
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.setPen(QPen(base.lighter(130), r * 0.03, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const qreal rr = r * (0.08 + 0.055 * i);
        p.drawArc(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), int((rot + i * 95) * 16), 200 * 16);
    }
}

// Places items on a jittered grid so the whole picture, edges included, is covered.
QList<QPointF> scatter(Rng &rng, int cols, int rows, qreal jitter)
{
    QList<QPointF> points;
    const qreal cw = 1280.0 / cols, ch = 800.0 / rows;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            points << QPointF((col + 0.5 + rng.range(-jitter, jitter)) * cw,
                              (row + 0.5 + rng.range(-jitter, jitter)) * ch);
    return points;
}

void scallop(QPainter &p, QPointF c, qreal r, qreal angle, const QColor &tint)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const int ribs = 11;
    QPainterPath shell(QPointF(0, r * 0.45));
    for (int i = 0; i <= ribs; ++i) {
        const qreal a = qDegreesToRadians(-160.0 + 140.0 * i / ribs);
        const QPointF edge(std::cos(a) * r, std::sin(a) * r * 0.95 + r * 0.1);
        if (i == 0)
            shell.lineTo(edge);
        else {
            const qreal m = qDegreesToRadians(-160.0 + 140.0 * (i - 0.5) / ribs);
            shell.quadTo(QPointF(std::cos(m) * r * 1.1, std::sin(m) * r * 1.05 + r * 0.1), edge);
        }
    }
    shell.closeSubpath();
    QPainterPath ears;
    ears.addRect(QRectF(-r * 0.3, r * 0.3, r * 0.6, r * 0.22));
    shell = shell.united(ears);
    softShadow(p, shell, QPointF(5, 8), 9, 80);
    QRadialGradient g(QPointF(0, r * 0.45), r * 1.1);
    g.setColorAt(0, tint.darker(150));
    g.setColorAt(0.5, tint);
    g.setColorAt(1, tint.lighter(125));
    p.fillPath(shell, g);
    p.setPen(QPen(tint.darker(170), r * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < ribs; ++i) {
        const qreal a = qDegreesToRadians(-160.0 + 140.0 * (i + 0.5) / ribs);
        p.drawLine(QPointF(0, r * 0.42), QPointF(std::cos(a) * r * 0.97, std::sin(a) * r * 0.92 + r * 0.1));
    }
    p.setPen(QPen(tint.darker(190), r * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shell);
    p.restore();
}

// A turban shell: whorls stacked into a spire, with its pink opening.
void spiralShell(QPainter &p, QPointF c, qreal r, qreal angle, const QColor &tint)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath outline;
    outline.moveTo(-r, 0);
    outline.quadTo(-r * 0.7, -r * 1.2, 0, -r * 1.9);
    outline.quadTo(r * 0.7, -r * 1.2, r, 0);
    outline.quadTo(0, r * 0.9, -r, 0);
    softShadow(p, outline, QPointF(5, 8), 9, 80);
    qreal y = 0, w = r;
    for (int i = 0; i < 6; ++i) {
        const qreal h = w * 0.62;
        const QRectF whorl(-w, y - h, 2 * w, h * 1.55);
        QLinearGradient g(whorl.topLeft(), whorl.topRight());
        g.setColorAt(0, tint.lighter(115));
        g.setColorAt(0.45, tint.lighter(130));
        g.setColorAt(1, tint.darker(150));
        p.setPen(QPen(tint.darker(180), qMax(0.8, w * 0.03)));
        p.setBrush(g);
        p.drawEllipse(whorl);
        // Brown bands spiralling round each whorl.
        p.save();
        QPainterPath clip;
        clip.addEllipse(whorl);
        p.setClipPath(clip);
        p.setPen(QPen(QColor(150, 90, 50, 120), w * 0.09));
        for (int k = -3; k <= 3; ++k)
            p.drawLine(QPointF(k * w * 0.34 - w * 0.2, whorl.bottom()), QPointF(k * w * 0.34 + w * 0.2, whorl.top()));
        p.restore();
        y -= h * 0.78;
        w *= 0.72;
    }
    const QRectF mouth(r * 0.05, -r * 0.35, r * 0.85, r * 0.78);
    QRadialGradient mg(mouth.center(), mouth.width() * 0.6);
    mg.setColorAt(0, QColor(200, 90, 110));
    mg.setColorAt(0.7, QColor(250, 180, 180));
    mg.setColorAt(1, QColor(255, 236, 220));
    p.setPen(QPen(tint.darker(160), r * 0.03));
    p.setBrush(mg);
    p.drawEllipse(mouth);
    p.restore();
}

void starfish(QPainter &p, QPointF c, qreal r, qreal angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath star = starPath(QPointF(0, 0), r, r * 0.42);
    QPainterPathStroker st;
    st.setWidth(r * 0.18);
    st.setJoinStyle(Qt::RoundJoin);
    star = star.united(st.createStroke(star)).simplified();
    softShadow(p, star, QPointF(5, 7), 8, 80);
    glossyFill(p, star, QColor(240, 120, 60), false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 150));
    for (int arm = 0; arm < 5; ++arm) {
        const qreal a = qDegreesToRadians(-90.0 + 72 * arm);
        for (int k = 1; k <= 4; ++k)
            p.drawEllipse(QPointF(std::cos(a), std::sin(a)) * (r * 0.18 * k), r * 0.045, r * 0.045);
    }
    p.restore();
}

QImage beach()
{
    const Noise noise(44);
    return shade(kBackdropSize, 2, [&](double x, double y) {
        const double shore = 70 + 22 * std::sin(x * 0.006) + noise.fbm(x / 200.0, 3.3, 4) * 60;
        const double grain = noise.fbm(x / 7.0, y / 7.0, 2);
        const double ripple = 0.5 + 0.5 * std::sin(y * 0.06 + noise.fbm(x / 300.0, y / 300.0, 3) * 9);
        QRgb sand = mixRgb(qRgb(244, 222, 180), qRgb(222, 190, 140), ripple * 0.35 + grain * 0.4);
        sand = mixRgb(sand, qRgb(200, 168, 120), smoothstep(shore + 60, shore, y) * 0.5);
        if (y > shore)
            return sand;
        const double depth = std::clamp((shore - y) / 80.0, 0.0, 1.0);
        const QRgb water = mixRgb(qRgb(120, 214, 210), qRgb(30, 150, 190), depth);
        const double foam = smoothstep(16, 0, shore - y) + smoothstep(0.62, 0.8, noise.fbm(x / 40.0, y / 14.0, 3)) * 0.6;
        return mixRgb(water, qRgb(250, 255, 255), std::min(1.0, foam));
    });
}

} // namespace

QImage rosesBackdrop()
{
    const Noise noise(33);
    QImage img = shade(kBackdropSize, 4, [&](double x, double y) {
        const double n = noise.fbm(x / 220.0, y / 220.0, 4);
        return mixRgb(qRgb(255, 236, 236), qRgb(246, 200, 208), n * 0.8 + y / 1600.0);
    });
    QPainter p(&img);
    useLogicalUnits(p);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(333);
    const QList<QPointF> spots = scatter(rng, 6, 4, 0.3);
    for (const QPointF &c : spots)
        rose(p, rng, c, rng.range(80, 112));
    return img;
}

QImage shellsBackdrop()
{
    QImage img = beach();
    QPainter p(&img);
    useLogicalUnits(p);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(444);
    const QColor tints[] = {QColor(250, 190, 170), QColor(255, 226, 190), QColor(236, 180, 200),
                            QColor(246, 214, 160)};
    QList<QPointF> spots = scatter(rng, 6, 4, 0.28);
    for (int i = 0; i < spots.size(); ++i) {
        const QPointF c = spots[i] + QPointF(0, spots[i].y() < 200 ? 40 : 0);
        const int kind = (i * 7 + rng.below(3)) % 4;
        const qreal angle = rng.range(-50, 50);
        if (kind == 0 || kind == 3)
            scallop(p, c, rng.range(62, 84), angle, rng.pick(tints));
        else if (kind == 1)
            spiralShell(p, c + QPointF(0, 40), rng.range(44, 56), angle * 1.5, rng.pick(tints));
        else
            starfish(p, c, rng.range(58, 78), angle);
    }
    return img;
}

} // namespace mg
