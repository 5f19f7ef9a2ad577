// The seven theme pictures, 129 x 121 on white: they sit on the white
// panel of a board.
#include "generators.h"

#include <QtMath>

namespace mg {

namespace {

const QColor kGold(232, 180, 50);

void ribbonBow(QPainter &p, QPointF c, qreal s, const QColor &col)
{
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath loop(c);
        loop.cubicTo(c + QPointF(side * s * 1.4, -s * 1.1), c + QPointF(side * s * 1.5, s * 0.6), c);
        glossyFill(p, loop, col, false);
        QPainterPath tail(c);
        tail.lineTo(c + QPointF(side * s * 0.9, s * 1.3));
        tail.lineTo(c + QPointF(side * s * 0.45, s * 1.4));
        tail.closeSubpath();
        p.fillPath(tail, col.darker(115));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(col.darker(125));
    p.drawEllipse(c, s * 0.3, s * 0.3);
}

void paintBalloons(QPainter &p)
{
    const QPointF knot(62, 112);
    drawBalloon(p, QPointF(38, 40), 19, QColor(235, 60, 90), knot);
    drawBalloon(p, QPointF(88, 36), 19, QColor(60, 160, 230), knot);
    drawBalloon(p, QPointF(63, 26), 20, QColor(255, 196, 40), knot);
    drawBalloon(p, QPointF(50, 66), 16, QColor(150, 90, 210), knot);
    drawBalloon(p, QPointF(80, 68), 16, QColor(70, 196, 110), knot);
    ribbonBow(p, knot + QPointF(0, -6), 6, QColor(240, 80, 140));
}

void firework(QPainter &p, QPointF c, qreal r, const QColor &col)
{
    for (int i = 0; i < 14; ++i) {
        const qreal a = 2 * M_PI * i / 14;
        const QPointF d(std::cos(a), std::sin(a));
        QLinearGradient g(c + d * r * 0.2, c + d * r);
        g.setColorAt(0, withAlpha(col, 0));
        g.setColorAt(1, col);
        p.setPen(QPen(QBrush(g), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + d * r * 0.25, c + d * r);
        p.setPen(Qt::NoPen);
        p.setBrush(col.lighter(130));
        p.drawEllipse(c + d * r * 1.08, 1.3, 1.3);
    }
}

void paintChampagne(QPainter &p)
{
    firework(p, QPointF(36, 30), 24, QColor(240, 70, 120));
    firework(p, QPointF(98, 24), 18, QColor(60, 150, 240));
    Rng rng(71);
    confetti(p, rng, QRectF(4, 4, 121, 113), 34, 5.5);
    p.save();
    p.translate(70, 112);
    p.rotate(28);
    QPainterPath bottle;
    bottle.moveTo(-13, 0);
    bottle.lineTo(-13, -44);
    bottle.cubicTo(-13, -56, -5, -58, -4.5, -68);
    bottle.lineTo(-4.5, -80);
    bottle.lineTo(4.5, -80);
    bottle.lineTo(4.5, -68);
    bottle.cubicTo(5, -58, 13, -56, 13, -44);
    bottle.lineTo(13, 0);
    bottle.closeSubpath();
    QLinearGradient g(-13, 0, 13, 0);
    g.setColorAt(0, QColor(10, 60, 30));
    g.setColorAt(0.3, QColor(60, 140, 80));
    g.setColorAt(0.45, QColor(20, 90, 45));
    g.setColorAt(1, QColor(5, 35, 15));
    softShadow(p, bottle, QPointF(2, 2), 3, 70);
    p.fillPath(bottle, g);
    QPainterPath foil;
    foil.addRect(QRectF(-5, -80, 10, 16));
    vFill(p, foil, QColor(255, 230, 130), QColor(200, 150, 30));
    QPainterPath label;
    label.addRoundedRect(QRectF(-11, -34, 22, 18), 2, 2);
    vFill(p, label, QColor(255, 250, 230), QColor(235, 220, 180));
    p.setPen(QPen(kGold, 0.8));
    p.drawRect(QRectF(-8, -31, 16, 12));
    // The cork has flown off in a spray of bubbles.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 22; ++i) {
        const qreal y = -84 - rng.range(0, 22);
        const qreal x = rng.range(-1, 1) * (-y - 80) * 0.55;
        p.setBrush(QColor(255, 236, 150, 170));
        p.drawEllipse(QPointF(x, y), rng.range(1, 2.6), rng.range(1, 2.6));
    }
    p.restore();
    QPainterPath cork;
    cork.addRoundedRect(QRectF(-4, -5, 8, 10), 2.5, 2.5);
    p.save();
    p.translate(112, 44);
    p.rotate(50);
    vFill(p, cork, QColor(230, 190, 130), QColor(170, 120, 70));
    p.restore();
}

void paintMortarboard(QPainter &p)
{
    QPainterPath cap;
    cap.moveTo(32, 62);
    cap.cubicTo(32, 86, 96, 86, 96, 62);
    cap.lineTo(96, 50);
    cap.lineTo(32, 50);
    cap.closeSubpath();
    softShadow(p, cap, QPointF(2, 4), 4, 80);
    QLinearGradient cg(32, 0, 96, 0);
    cg.setColorAt(0, QColor(20, 22, 34));
    cg.setColorAt(0.4, QColor(70, 74, 96));
    cg.setColorAt(1, QColor(14, 14, 24));
    p.fillPath(cap, cg);
    QPainterPath board;
    board.moveTo(64, 22);
    board.lineTo(122, 44);
    board.lineTo(64, 66);
    board.lineTo(6, 44);
    board.closeSubpath();
    softShadow(p, board, QPointF(1, 3), 3, 90);
    QLinearGradient bg(40, 24, 90, 66);
    bg.setColorAt(0, QColor(90, 96, 124));
    bg.setColorAt(1, QColor(18, 18, 30));
    p.fillPath(board, bg);
    p.setPen(QPen(QColor(120, 126, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(board);
    QPainterPath edge;
    edge.moveTo(6, 44);
    edge.lineTo(64, 66);
    edge.lineTo(122, 44);
    edge.lineTo(122, 47);
    edge.lineTo(64, 69.5);
    edge.lineTo(6, 47);
    edge.closeSubpath();
    p.fillPath(edge, QColor(8, 8, 14));
    // The tassel.
    p.setPen(QPen(kGold, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(64, 44), QPointF(104, 52));
    p.drawLine(QPointF(104, 52), QPointF(106, 78));
    QPainterPath tassel;
    tassel.moveTo(103, 76);
    tassel.lineTo(109, 76);
    tassel.lineTo(112, 96);
    tassel.lineTo(100, 96);
    tassel.closeSubpath();
    vFill(p, tassel, QColor(255, 220, 100), QColor(200, 140, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QRadialGradient(QPointF(63, 43), 4));
    glossyFill(p, [] { QPainterPath b; b.addEllipse(QPointF(64, 44), 4, 3); return b; }(), kGold, false);
    sparkle(p, QPointF(20, 18), 9, QColor(255, 200, 60));
    sparkle(p, QPointF(110, 16), 7, QColor(255, 200, 60));
    sparkle(p, QPointF(22, 90), 6, QColor(120, 170, 255));
}

void paintDiploma(QPainter &p)
{
    p.save();
    p.translate(64, 64);
    p.rotate(-22);
    QPainterPath roll;
    roll.addRoundedRect(QRectF(-50, -14, 100, 28), 4, 4);
    softShadow(p, roll, QPointF(3, 5), 4, 80);
    QLinearGradient g(0, -14, 0, 14);
    g.setColorAt(0, QColor(250, 240, 210));
    g.setColorAt(0.35, QColor(255, 252, 238));
    g.setColorAt(1, QColor(206, 186, 140));
    p.fillPath(roll, g);
    QRadialGradient endG(QPointF(50, 0), 14);
    endG.setColorAt(0, QColor(190, 170, 120));
    endG.setColorAt(1, QColor(240, 228, 196));
    p.setPen(QPen(QColor(170, 150, 100), 0.7));
    p.setBrush(endG);
    p.drawEllipse(QPointF(49, 0), 5, 14);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(46, -8, 6, 16), 0, 360 * 16);
    p.setPen(QPen(QColor(200, 180, 130), 0.6));
    p.drawLine(QPointF(-40, -6), QPointF(38, -6));
    QPainterPath band;
    band.addRect(QRectF(-6, -14.5, 10, 29));
    vFill(p, band, QColor(230, 50, 60), QColor(150, 20, 30));
    p.restore();
    ribbonBow(p, QPointF(63, 64), 12, QColor(220, 40, 50));
    // A wax seal hanging from the bow.
    const QPointF seal(70, 94);
    QPainterPath sealPath = starPath(seal, 12, 10, 12, 0);
    softShadow(p, sealPath, QPointF(1, 2), 2, 70);
    glossyFill(p, sealPath, QColor(200, 40, 50));
    p.setPen(QPen(QColor(255, 210, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(starPath(seal, 6, 2.6));
}

void candle(QPainter &p, QPointF base, qreal h, const QColor &col)
{
    QPainterPath stick;
    stick.addRoundedRect(QRectF(base.x() - 2.5, base.y() - h, 5, h), 1.5, 1.5);
    glossyFill(p, stick, col, false);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    for (qreal y = base.y() - h + 3; y < base.y(); y += 4)
        p.drawLine(QPointF(base.x() - 2.5, y + 1.5), QPointF(base.x() + 2.5, y - 1));
    const QPointF f(base.x(), base.y() - h - 6);
    QRadialGradient glow(f, 9);
    glow.setColorAt(0, QColor(255, 230, 120, 160));
    glow.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(f, 9, 9);
    QPainterPath flame(f + QPointF(0, -6));
    flame.cubicTo(f + QPointF(4, 0), f + QPointF(3.5, 5), f + QPointF(0, 5));
    flame.cubicTo(f + QPointF(-3.5, 5), f + QPointF(-4, 0), f + QPointF(0, -6));
    QRadialGradient fg(f + QPointF(0, 2), 6);
    fg.setColorAt(0, QColor(255, 255, 220));
    fg.setColorAt(0.5, QColor(255, 200, 40));
    fg.setColorAt(1, QColor(240, 100, 20));
    p.fillPath(flame, fg);
}

void cakeTier(QPainter &p, const QRectF &r, const QColor &sponge, const QColor &icing)
{
    QPainterPath body;
    body.addRoundedRect(r, 4, 4);
    softShadow(p, body, QPointF(2, 3), 3, 60);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, sponge.lighter(110));
    g.setColorAt(0.6, sponge);
    g.setColorAt(1, sponge.darker(125));
    p.fillPath(body, g);
    QPainterPath drip(QPointF(r.left(), r.top() + 4));
    const int n = 7;
    for (int i = 0; i < n; ++i) {
        const qreal x0 = r.left() + r.width() * i / n, x1 = r.left() + r.width() * (i + 1) / n;
        const qreal depth = r.height() * (0.35 + 0.25 * ((i * 5) % 3));
        drip.cubicTo(QPointF(x0, r.top() + depth + 4), QPointF(x1, r.top() + depth + 4), QPointF(x1, r.top() + 4));
    }
    drip.lineTo(r.right(), r.top());
    drip.lineTo(r.left(), r.top());
    drip.closeSubpath();
    QPainterPath clipped = drip.intersected(body);
    vFill(p, clipped, icing.lighter(115), icing.darker(110));
    p.setPen(Qt::NoPen);
    Rng rng(qRound(r.width()));
    for (int i = 0; i < 12; ++i) {
        p.setBrush(kPartyColours[rng.below(8)]);
        p.drawEllipse(QPointF(rng.range(r.left() + 4, r.right() - 4), rng.range(r.center().y() + 2, r.bottom() - 3)), 1.1, 1.1);
    }
}

void paintCake(QPainter &p)
{
    QPainterPath plate;
    plate.addEllipse(QRectF(8, 100, 113, 14));
    vFill(p, plate, QColor(240, 244, 250), QColor(180, 186, 200));
    cakeTier(p, QRectF(16, 70, 97, 36), QColor(250, 210, 150), QColor(250, 130, 170));
    cakeTier(p, QRectF(32, 42, 65, 30), QColor(250, 220, 170), QColor(255, 250, 250));
    const QColor cols[] = {QColor(60, 160, 230), QColor(250, 110, 170), QColor(255, 200, 40),
                           QColor(70, 196, 110), QColor(150, 90, 210)};
    for (int i = 0; i < 5; ++i)
        candle(p, QPointF(40 + i * 12.3, 45 + (i % 2) * 1.5), 16 + (i % 2) * 3, cols[i]);
}

void gift(QPainter &p, const QRectF &r, const QColor &paper, const QColor &ribbon)
{
    QPainterPath box;
    box.addRect(r);
    softShadow(p, box, QPointF(2, 3), 3, 70);
    glossyFill(p, box, paper, false);
    p.fillRect(QRectF(r.center().x() - r.width() * 0.08, r.top(), r.width() * 0.16, r.height()), ribbon);
    const QRectF lid(r.left() - 3, r.top() - 7, r.width() + 6, 9);
    QPainterPath lidPath;
    lidPath.addRoundedRect(lid, 1.5, 1.5);
    vFill(p, lidPath, paper.lighter(120), paper.darker(110));
    p.fillRect(QRectF(r.center().x() - r.width() * 0.08, lid.top(), r.width() * 0.16, lid.height()), ribbon.lighter(110));
    ribbonBow(p, QPointF(r.center().x(), lid.top()), r.width() * 0.2, ribbon);
}

void paintPresents(QPainter &p)
{
    gift(p, QRectF(12, 62, 50, 50), QColor(60, 150, 230), QColor(255, 210, 60));
    gift(p, QRectF(58, 80, 36, 32), QColor(240, 70, 110), QColor(255, 255, 255));
    // A party hat leaning on the presents.
    QPainterPath hat;
    hat.moveTo(86, 96);
    hat.lineTo(104, 18);
    hat.lineTo(124, 98);
    hat.cubicTo(114, 104, 96, 104, 86, 96);
    softShadow(p, hat, QPointF(2, 3), 3, 70);
    glossyFill(p, hat, QColor(150, 80, 210), false);
    p.save();
    p.setClipPath(hat);
    p.setPen(QPen(QColor(255, 214, 64), 4));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(70, 40 + i * 14), QPointF(130, 20 + i * 14));
    p.restore();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        const qreal a = 2 * M_PI * i / 10;
        p.setBrush(kPartyColours[i % 8]);
        p.drawEllipse(QPointF(104 + std::cos(a) * 4, 16 + std::sin(a) * 4), 3.2, 3.2);
    }
    Rng rng(55);
    confetti(p, rng, QRectF(4, 4, 80, 50), 16, 5);
}

void ring(QPainter &p, QPointF c, qreal r, qreal thick)
{
    QPainterPath band;
    band.addEllipse(c, r, r * 0.92);
    band.addEllipse(c, r - thick, r * 0.92 - thick);
    band.setFillRule(Qt::OddEvenFill);
    QConicalGradient g(c, 45);
    g.setColorAt(0, QColor(255, 246, 190));
    g.setColorAt(0.25, QColor(220, 160, 40));
    g.setColorAt(0.5, QColor(255, 236, 150));
    g.setColorAt(0.75, QColor(170, 110, 20));
    g.setColorAt(1, QColor(255, 246, 190));
    p.setPen(QPen(QColor(150, 100, 20), 0.7));
    p.setBrush(g);
    p.drawPath(band);
}

void paintRings(QPainter &p)
{
    ring(p, QPointF(50, 70), 28, 6);
    ring(p, QPointF(80, 66), 28, 6);
    // The first ring passes over the second at the bottom crossing.
    p.save();
    p.setClipRect(QRectF(40, 70, 30, 40));
    ring(p, QPointF(50, 70), 28, 6);
    p.restore();
    QPainterPath stone;
    stone.moveTo(80, 26);
    stone.lineTo(90, 34);
    stone.lineTo(80, 46);
    stone.lineTo(70, 34);
    stone.closeSubpath();
    QLinearGradient sg(70, 26, 90, 46);
    sg.setColorAt(0, QColor(255, 255, 255));
    sg.setColorAt(0.5, QColor(180, 220, 255));
    sg.setColorAt(1, QColor(120, 160, 220));
    p.setPen(QPen(QColor(100, 130, 180), 0.7));
    p.setBrush(sg);
    p.drawPath(stone);
    p.drawLine(QPointF(70, 34), QPointF(90, 34));
    sparkle(p, QPointF(94, 24), 9, QColor(255, 255, 255));
    sparkle(p, QPointF(98, 24), 6, QColor(255, 220, 120));
    QPainterPath heart;
    const QPointF h(30, 26);
    heart.moveTo(h + QPointF(0, 11));
    heart.cubicTo(h + QPointF(-16, 0), h + QPointF(-8, -12), h + QPointF(0, -4));
    heart.cubicTo(h + QPointF(8, -12), h + QPointF(16, 0), h + QPointF(0, 11));
    glossyFill(p, heart, QColor(235, 70, 100));
    sparkle(p, QPointF(112, 98), 6, QColor(255, 200, 80));
    sparkle(p, QPointF(16, 100), 5, QColor(255, 140, 170));
}

} // namespace

void writeThemes(Output &out)
{
    const DrawFn themes[7] = {paintBalloons, paintChampagne, paintMortarboard, paintDiploma,
                              paintCake,     paintPresents,  paintRings};
    for (int i = 0; i < 7; ++i)
        saveJpeg(out, render(QSize(129, 121), 4, Qt::white, themes[i]), QStringLiteral("t_%1.jpg").arg(i));
}

} // namespace mg
