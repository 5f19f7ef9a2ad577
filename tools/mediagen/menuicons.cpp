// The five action pictures of the main menu. Each one is a function of the
// motion phase so that the resting picture in mback.jpg and the first hover
// frame come from the very same drawing.
#include "menu.h"

#include <QtMath>

namespace mg {

const MenuIconPlace kMenuIcons[5] = {
    {MenuIcon::New, QRect(451, 9, 94, 94), "new"},
    {MenuIcon::Edit, QRect(514, 137, 93, 94), "edit"},
    {MenuIcon::Go, QRect(442, 257, 95, 91), "go"},
    {MenuIcon::View, QRect(290, 300, 96, 92), "view"},
    {MenuIcon::Exit, QRect(134, 281, 95, 85), "exit"},
};

namespace {

const QColor kWoodLight(176, 112, 58);
const QColor kWoodDark(112, 64, 28);

void groundShadow(QPainter &p, QPointF c, qreal rx, qreal ry, int alpha)
{
    QRadialGradient g(c, rx);
    g.setColorAt(0, QColor(40, 10, 20, alpha));
    g.setColorAt(1, QColor(40, 10, 20, 0));
    p.save();
    p.translate(c);
    p.scale(1, ry / rx);
    p.translate(-c);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, rx, rx);
    p.restore();
}

void woodLeg(QPainter &p, QPointF a, QPointF b, qreal w)
{
    p.setPen(QPen(kWoodDark.darker(130), w + 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(kWoodLight, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(kWoodLight.lighter(130), w * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a + QPointF(-w * 0.2, 0), b + QPointF(-w * 0.2, 0));
}

} // namespace

QPainterPath handwriting(QPointF start, qreal turns, qreal step, qreal loop, qreal height)
{
    QPainterPath path(start);
    const int n = qMax(2, int(turns * 24));
    for (int i = 1; i <= n; ++i) {
        const qreal u = turns * 2 * M_PI * i / n;
        // Loop heights wander a little, the way a hand does.
        const qreal h = height * (0.75 + 0.25 * std::sin(u * 0.31 + start.x() * 0.7));
        path.lineTo(start + QPointF(step * u + loop * std::sin(u), -h * 0.5 * (1 - std::cos(u))));
    }
    return path;
}

namespace {

void paintNew(QPainter &p, QSizeF, double t)
{
    groundShadow(p, QPointF(47, 88), 36 - 8 * t, 5 - t, 110 - int(40 * t));
    p.translate(47, 88 - 6 * t);
    p.rotate(-5 * t);
    p.translate(-47, -88);
    woodLeg(p, QPointF(26, 56), QPointF(18, 88), 4);
    woodLeg(p, QPointF(68, 56), QPointF(76, 88), 4);
    const QRectF slate = drawChalkboard(p, QRectF(11, 8, 72, 56), 5, 11);
    // A fresh, empty board with a twinkle: chalk star and a couple of swishes.
    const qreal r = 11 + 5 * t;
    const QPointF c = slate.center() + QPointF(0, -1);
    QPainterPath star = starPath(c, r, r * 0.42, 5, -90 + 10 * t);
    p.setPen(QPen(QColor(255, 246, 170, 235), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 240, 150, 60 + int(80 * t)));
    p.drawPath(star);
    for (int i = 0; i < 4; ++i) {
        const qreal a = qDegreesToRadians(-45.0 + 90 * i + 20 * t);
        const QPointF d(std::cos(a), std::sin(a));
        QPainterPath ray(c + d * (r + 3));
        ray.lineTo(c + d * (r + 6 + 3 * t));
        chalkStroke(p, ray, 1.4, 200);
    }
    QPainterPath swish(QPointF(slate.left() + 6, slate.bottom() - 6));
    swish.cubicTo(slate.left() + 14, slate.bottom() - 12, slate.left() + 20, slate.bottom() - 2,
                  slate.left() + 28, slate.bottom() - 8);
    chalkStroke(p, swish, 1.2, 150);
    // Tray with chalk and sponge.
    QPainterPath tray;
    tray.addRoundedRect(QRectF(9, 63, 76, 4.5), 1.5, 1.5);
    vFill(p, tray, kWoodLight.lighter(115), kWoodDark);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(24, 60.5, 11, 3), 1.2, 1.2);
    p.setBrush(QColor(255, 200, 210));
    p.drawRoundedRect(QRectF(38, 60.8, 7, 2.8), 1.2, 1.2);
    p.setBrush(QColor(70, 90, 160));
    p.drawRoundedRect(QRectF(58, 58.5, 14, 5), 1.5, 1.5);
    p.setBrush(QColor(240, 225, 200));
    p.drawRect(QRectF(58, 62, 14, 1.5));
}

// A pencil lying along +x with its point at the origin.
void drawPencil(QPainter &p, qreal len, qreal w)
{
    const qreal cone = w * 1.25, ferrule = w * 0.9, eraser = w * 0.85;
    const qreal bodyEnd = len - ferrule - eraser;
    QPainterPath body;
    body.addRect(QRectF(cone, -w / 2, bodyEnd - cone, w));
    QLinearGradient g(0, -w / 2, 0, w / 2);
    g.setColorAt(0.0, QColor(255, 236, 120));
    g.setColorAt(0.33, QColor(255, 214, 40));
    g.setColorAt(0.34, QColor(250, 190, 20));
    g.setColorAt(0.66, QColor(236, 166, 10));
    g.setColorAt(0.67, QColor(214, 132, 6));
    g.setColorAt(1.0, QColor(170, 96, 0));
    p.fillPath(body, g);
    QPainterPath wood;
    wood.moveTo(cone, -w / 2);
    wood.cubicTo(cone * 0.7, -w / 2 + 1, w * 0.4, -w * 0.12, 0, 0);
    wood.cubicTo(w * 0.4, w * 0.12, cone * 0.7, w / 2 - 1, cone, w / 2);
    wood.closeSubpath();
    QLinearGradient wg(0, -w / 2, 0, w / 2);
    wg.setColorAt(0, QColor(250, 222, 180));
    wg.setColorAt(1, QColor(206, 160, 110));
    p.fillPath(wood, wg);
    QPainterPath lead;
    lead.moveTo(w * 0.42, -w * 0.13);
    lead.lineTo(0, 0);
    lead.lineTo(w * 0.42, w * 0.13);
    lead.closeSubpath();
    p.fillPath(lead, QColor(55, 55, 65));
    QLinearGradient mg(0, -w / 2, 0, w / 2);
    mg.setColorAt(0, QColor(245, 245, 250));
    mg.setColorAt(0.4, QColor(175, 178, 190));
    mg.setColorAt(1, QColor(105, 108, 120));
    p.fillRect(QRectF(bodyEnd, -w / 2 - 0.3, ferrule, w + 0.6), mg);
    p.setPen(QPen(QColor(120, 120, 135), 0.5));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(bodyEnd + ferrule * i / 3, -w / 2), QPointF(bodyEnd + ferrule * i / 3, w / 2));
    QPainterPath rub;
    rub.addRoundedRect(QRectF(len - eraser - 1, -w / 2, eraser + 1, w), w * 0.3, w * 0.3);
    QLinearGradient rg(0, -w / 2, 0, w / 2);
    rg.setColorAt(0, QColor(255, 180, 190));
    rg.setColorAt(1, QColor(210, 90, 110));
    p.fillPath(rub, rg);
    p.fillRect(QRectF(len - eraser - 1, -w / 2, 1.2, w), mg);
}

void paintEdit(QPainter &p, QSizeF, double t)
{
    // A note card to write on.
    QTransform cardPlace;
    cardPlace.translate(36, 72);
    cardPlace.rotate(-4);
    p.save();
    p.setTransform(cardPlace, true);
    QPainterPath card;
    card.addRoundedRect(QRectF(-32, -19, 64, 38), 2, 2);
    softShadow(p, card, QPointF(1.5, 2), 3, 70);
    vFill(p, card, QColor(255, 255, 252), QColor(240, 236, 222));
    p.setPen(QPen(QColor(140, 180, 230, 150), 0.7));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(-28, -10 + 9 * i), QPointF(28, -10 + 9 * i));
    p.setPen(QPen(QColor(230, 110, 120, 160), 0.7));
    p.drawLine(QPointF(-22, -18), QPointF(-22, 18));
    // What has been written so far: the writing grows with the phase.
    const qreal turns = 1.6 + 1.3 * t;
    const QPainterPath ink = handwriting(QPointF(-17, 5), turns, 1.6, 3.0, 8);
    p.setPen(QPen(QColor(60, 60, 80), 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink);
    const QPointF tip = cardPlace.map(ink.currentPosition());
    p.restore();

    p.save();
    p.translate(tip);
    const qreal angle = 58 - 5 * t + 3 * std::sin(turns * 2 * M_PI);
    p.rotate(-angle);
    QPainterPath outline;
    outline.addRect(QRectF(8, -7, 62, 14));
    softShadow(p, outline, QPointF(2.5, 3.5), 3, 60);
    drawPencil(p, 72, 14);
    p.restore();
}

void lamp(QPainter &p, QPointF c, qreal r, const QColor &col, bool lit)
{
    p.setPen(Qt::NoPen);
    QRadialGradient rim(c, r + 2.5);
    rim.setColorAt(0.7, QColor(10, 12, 12));
    rim.setColorAt(1, QColor(60, 66, 64));
    p.setBrush(rim);
    p.drawEllipse(c, r + 2.5, r + 2.5);
    QRadialGradient lens(c + QPointF(-r * 0.3, -r * 0.3), r * 1.3);
    if (lit) {
        lens.setColorAt(0, QColor(240, 255, 240));
        lens.setColorAt(0.35, col.lighter(120));
        lens.setColorAt(1, col.darker(130));
    } else {
        lens.setColorAt(0, col.darker(180));
        lens.setColorAt(1, col.darker(420));
    }
    p.setBrush(lens);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 255, lit ? 170 : 60));
    p.drawEllipse(QRectF(c.x() - r * 0.55, c.y() - r * 0.7, r * 0.6, r * 0.35));
    // The visor above the lens.
    QPainterPath hood;
    hood.moveTo(c + QPointF(-r - 3, 0));
    hood.arcTo(QRectF(c.x() - r - 3, c.y() - r - 3, 2 * r + 6, 2 * r + 6), 180, -180);
    hood.arcTo(QRectF(c.x() - r - 1, c.y() - r - 0.2, 2 * r + 2, 2 * r + 2), 0, 180);
    hood.closeSubpath();
    vFill(p, hood, QColor(70, 78, 76), QColor(20, 24, 24));
}

void paintGo(QPainter &p, QSizeF, double t)
{
    const QPointF green(47.5, 63);
    QPainterPath pole;
    pole.addRect(QRectF(43, 74, 9, 17));
    QLinearGradient pg(43, 0, 52, 0);
    pg.setColorAt(0, QColor(70, 74, 80));
    pg.setColorAt(0.4, QColor(170, 176, 182));
    pg.setColorAt(1, QColor(60, 64, 70));
    p.fillPath(pole, pg);
    QPainterPath box;
    box.addRoundedRect(QRectF(29, 4, 37, 74), 9, 9);
    softShadow(p, box, QPointF(3, 3), 4, 90);
    QLinearGradient bg(29, 0, 66, 0);
    bg.setColorAt(0, QColor(52, 62, 58));
    bg.setColorAt(0.35, QColor(96, 110, 104));
    bg.setColorAt(1, QColor(28, 34, 32));
    p.fillPath(box, bg);
    p.setPen(QPen(QColor(20, 24, 22), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(box);
    lamp(p, QPointF(47.5, 17), 9, QColor(230, 40, 40), false);
    lamp(p, QPointF(47.5, 40), 9, QColor(250, 180, 20), false);
    // The green lamp glows, brighter and wider as the hover goes on.
    const qreal gr = 17 + 10 * t;
    QRadialGradient glow(green, gr);
    glow.setColorAt(0, QColor(120, 255, 140, 170 + int(60 * t)));
    glow.setColorAt(0.45, QColor(80, 240, 110, 90 + int(60 * t)));
    glow.setColorAt(1, QColor(60, 230, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(green, gr, gr);
    lamp(p, green, 9, QColor(40, 220, 80), true);
    p.setPen(QPen(QColor(200, 255, 200, int(230 * t)), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(green + d * 15, green + d * (17 + 7 * t));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, int(120 + 100 * t)));
    p.drawEllipse(green + QPointF(-2, -2), 2.5 + t, 2.5 + t);
}

void eye(QPainter &p, QPointF c, qreal rx, qreal ry, QPointF look)
{
    QRadialGradient white(c + QPointF(-rx * 0.3, -ry * 0.35), rx * 1.5);
    white.setColorAt(0, QColor(255, 255, 255));
    white.setColorAt(0.7, QColor(238, 238, 245));
    white.setColorAt(1, QColor(180, 182, 200));
    p.setPen(QPen(QColor(40, 30, 40), 1.3));
    p.setBrush(white);
    p.drawEllipse(c, rx, ry);
    const QPointF pc = c + QPointF(look.x() * rx * 0.45, look.y() * ry * 0.42);
    QRadialGradient iris(pc, rx * 0.55);
    iris.setColorAt(0, QColor(60, 140, 220));
    iris.setColorAt(0.6, QColor(30, 80, 170));
    iris.setColorAt(1, QColor(15, 40, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(pc, rx * 0.52, rx * 0.52);
    p.setBrush(QColor(10, 10, 20));
    p.drawEllipse(pc, rx * 0.28, rx * 0.28);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(pc + QPointF(-rx * 0.16, -rx * 0.18), rx * 0.12, rx * 0.12);
}

void paintView(QPainter &p, QSizeF, double t)
{
    groundShadow(p, QPointF(48, 88), 40, 4, 100);
    woodLeg(p, QPointF(20, 78), QPointF(16, 90), 3.5);
    woodLeg(p, QPointF(76, 78), QPointF(80, 90), 3.5);
    // The eyes look from left, up, to the right.
    const qreal a = M_PI * (1.0 + t);
    const QPointF look(std::cos(a) * 0.95, std::sin(a) * 0.8 + 0.25);
    const qreal lift = 2.5 * std::sin(M_PI * t * 0.5);
    eye(p, QPointF(36, 23 - lift), 12, 14, look);
    eye(p, QPointF(60, 23 - lift), 12, 14, look);
    p.setPen(QPen(QColor(60, 35, 25), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(26, 4 - lift * 1.6, 20, 8), 30 * 16, 120 * 16);
    p.drawArc(QRectF(50, 4 - lift * 1.6, 20, 8), 30 * 16, 120 * 16);
    const QRectF slate = drawChalkboard(p, QRectF(7, 30, 82, 50), 5, 23);
    // Signatures scribbled on the board.
    const qreal widths[3] = {4.2, 3.0, 3.6};
    for (int i = 0; i < 3; ++i) {
        const QPointF start(slate.left() + 7 + 4 * (i % 2), slate.top() + 10 + 12 * i);
        chalkStroke(p, handwriting(start, widths[i], 1.6, 2.9, 6.5 - i), 1.0, 215);
    }
    QPainterPath heart;
    const QPointF h(slate.right() - 9, slate.bottom() - 9);
    heart.moveTo(h + QPointF(0, 4));
    heart.cubicTo(h + QPointF(-7, -1), h + QPointF(-3, -6), h + QPointF(0, -2));
    heart.cubicTo(h + QPointF(3, -6), h + QPointF(7, -1), h + QPointF(0, 4));
    p.setPen(QPen(QColor(255, 170, 190, 230), 1.2));
    p.setBrush(QColor(255, 150, 180, 90));
    p.drawPath(heart);
}

void paintDoorLeaf(QPainter &p, const QRectF &leaf, qreal light)
{
    QPainterPath door;
    door.addRect(leaf);
    QLinearGradient g(leaf.topLeft(), leaf.topRight());
    g.setColorAt(0, mix(QColor(150, 78, 40), QColor(120, 60, 30), light));
    g.setColorAt(1, mix(QColor(118, 58, 26), QColor(80, 38, 16), light));
    p.fillPath(door, g);
    p.setPen(QPen(QColor(70, 34, 14), 0.8));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const QRectF panel(leaf.left() + 6, leaf.top() + 6 + i * 30, leaf.width() - 12, 24);
        p.setPen(QPen(QColor(70, 34, 14), 1.0));
        p.drawRect(panel);
        p.setPen(QPen(QColor(200, 130, 80, 160), 0.7));
        p.drawLine(panel.bottomLeft() + QPointF(0.8, -0.8), panel.bottomRight() + QPointF(-0.8, -0.8));
        p.drawLine(panel.topRight() + QPointF(-0.8, 0.8), panel.bottomRight() + QPointF(-0.8, -0.8));
    }
    QRadialGradient knob(QPointF(leaf.right() - 6.5, leaf.top() + 35), 3);
    knob.setColorAt(0, QColor(255, 240, 170));
    knob.setColorAt(1, QColor(170, 120, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(knob);
    p.drawEllipse(QPointF(leaf.right() - 6, leaf.top() + 35.5), 2.6, 2.6);
}

void paintExit(QPainter &p, QSizeF, double t)
{
    const QRectF opening(27, 21, 41, 64);
    QPainterPath frame;
    frame.addRect(QRectF(21, 17, 53, 68));
    softShadow(p, frame, QPointF(2, 1), 3, 80);
    vFill(p, frame, QColor(250, 246, 236), QColor(214, 204, 186));
    // Warm party light behind the door.
    QLinearGradient light(opening.topLeft(), opening.bottomLeft());
    light.setColorAt(0, QColor(255, 252, 220));
    light.setColorAt(1, QColor(255, 200, 90));
    p.fillRect(opening, light);
    Rng rng(77);
    p.save();
    p.setClipRect(opening);
    confetti(p, rng, opening, 18, 3.2);
    p.restore();
    // The leaf swings on its left hinge away from the viewer.
    const qreal ang = qDegreesToRadians(72.0 * t);
    const qreal w = opening.width() * std::cos(ang);
    const qreal shrink = 3.5 * std::sin(ang);
    QPolygonF quad;
    quad << opening.topLeft() << QPointF(opening.left() + w, opening.top() + shrink)
         << QPointF(opening.left() + w, opening.bottom() - shrink * 0.4) << opening.bottomLeft();
    QTransform map;
    const QRectF leaf(0, 0, opening.width(), opening.height());
    QTransform::quadToQuad(QPolygonF(leaf).mid(0, 4), quad, map);
    p.save();
    p.setTransform(map, true);
    paintDoorLeaf(p, leaf, t);
    p.restore();
    p.setPen(QPen(QColor(150, 130, 100), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(opening);
    // The EXIT sign above.
    QPainterPath sign;
    sign.addRoundedRect(QRectF(27, 1.5, 41, 14), 2.5, 2.5);
    QRadialGradient sg(QPointF(47.5, 8), 26);
    sg.setColorAt(0, QColor(60, 220, 110).lighter(100 + int(25 * t)));
    sg.setColorAt(1, QColor(10, 130, 60));
    p.fillPath(sign, sg);
    p.setPen(QPen(QColor(230, 255, 235), 0.8));
    p.drawRoundedRect(QRectF(28.3, 2.8, 38.4, 11.4), 1.8, 1.8);
    p.setFont(font(Face::SansBold, 9.5));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(27, 1.5, 41, 14), Qt::AlignCenter, QStringLiteral("EXIT"));
}

} // namespace

void chalkStroke(QPainter &p, const QPainterPath &path, qreal width, int alpha)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, alpha / 3), width * 2.2, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(250, 252, 245, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QRectF drawChalkboard(QPainter &p, const QRectF &r, qreal frame, std::uint64_t seed)
{
    QPainterPath outer;
    outer.addRoundedRect(r, frame * 0.6, frame * 0.6);
    softShadow(p, outer, QPointF(2, 3), 3.5, 90);
    QLinearGradient wood(r.topLeft(), r.bottomRight());
    wood.setColorAt(0, kWoodLight.lighter(112));
    wood.setColorAt(0.5, kWoodLight);
    wood.setColorAt(1, kWoodDark);
    p.fillPath(outer, wood);
    Rng rng(seed);
    p.save();
    p.setClipPath(outer);
    p.setPen(QPen(QColor(90, 50, 20, 70), 0.5));
    for (int i = 0; i < 10; ++i) {
        const qreal y = r.top() + rng.range(0, r.height());
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y + rng.range(-1, 1)));
    }
    p.restore();
    const QRectF slate = r.adjusted(frame, frame, -frame, -frame);
    QRadialGradient g(slate.center() + QPointF(-slate.width() * 0.2, -slate.height() * 0.3),
                      slate.width() * 0.8);
    g.setColorAt(0, QColor(62, 108, 84));
    g.setColorAt(1, QColor(26, 56, 42));
    p.fillRect(slate, g);
    // Old chalk smudges.
    p.save();
    p.setClipRect(slate);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const QPointF c(rng.range(slate.left(), slate.right()), rng.range(slate.top(), slate.bottom()));
        const qreal rr = rng.range(slate.width() * 0.1, slate.width() * 0.25);
        QRadialGradient s(c, rr);
        s.setColorAt(0, QColor(255, 255, 255, 22));
        s.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(s);
        p.drawEllipse(c, rr, rr * 0.6);
    }
    p.restore();
    p.setPen(QPen(QColor(10, 25, 18, 160), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(slate);
    p.setPen(QPen(QColor(255, 220, 170, 120), 0.6));
    p.drawLine(r.topLeft() + QPointF(frame * 0.5, 0.6), r.topRight() + QPointF(-frame * 0.5, 0.6));
    return slate;
}

void drawQuill(QPainter &p, qreal len, const QColor &vane)
{
    QPainterPath feather;
    feather.moveTo(0, -len * 0.22);
    feather.cubicTo(len * 0.2, -len * 0.35, len * 0.2, -len * 0.8, len * 0.02, -len);
    feather.cubicTo(-len * 0.06, -len * 0.8, -len * 0.16, -len * 0.45, 0, -len * 0.22);
    QLinearGradient g(-len * 0.15, 0, len * 0.2, 0);
    g.setColorAt(0, vane.lighter(115));
    g.setColorAt(0.5, vane);
    g.setColorAt(1, vane.darker(135));
    p.fillPath(feather, g);
    p.save();
    p.setClipPath(feather);
    p.setPen(QPen(vane.darker(160), len * 0.006));
    for (int i = 0; i < 22; ++i) {
        const qreal y = -len * (0.26 + 0.72 * i / 22.0);
        p.drawLine(QPointF(0, y), QPointF(len * 0.22, y - len * 0.08));
        p.drawLine(QPointF(0, y), QPointF(-len * 0.2, y - len * 0.07));
    }
    p.restore();
    p.setPen(QPen(QColor(250, 245, 230), len * 0.014, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shaft(QPointF(0, -len * 0.05));
    shaft.quadTo(len * 0.04, -len * 0.6, len * 0.02, -len * 0.98);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    QPainterPath nib;
    nib.moveTo(0, 0);
    nib.lineTo(len * 0.025, -len * 0.09);
    nib.lineTo(-len * 0.025, -len * 0.09);
    nib.closeSubpath();
    vFill(p, nib, QColor(80, 80, 90), QColor(20, 20, 30));
}

QImage menuIconLayer(MenuIcon icon, QSize size, double t)
{
    return render(size, 4, Qt::transparent, [&](QPainter &p) {
        switch (icon) {
        case MenuIcon::New: paintNew(p, size, t); break;
        case MenuIcon::Edit: paintEdit(p, size, t); break;
        case MenuIcon::Go: paintGo(p, size, t); break;
        case MenuIcon::View: paintView(p, size, t); break;
        case MenuIcon::Exit: paintExit(p, size, t); break;
        }
    });
}

} // namespace mg
