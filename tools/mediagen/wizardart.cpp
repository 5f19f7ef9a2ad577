// The small pictures of the wizard windows, each drawn over the part of
// miniback.jpg that its window puts it on.
#include "generators.h"
#include "shared.h"

#include <QtMath>

namespace mg {

namespace {

const QColor kGold(222, 168, 60);
const QColor kRose(226, 92, 120);

void paintBulb(QPainter &p)
{
    const QPointF c(22, 21);
    QRadialGradient glow(c, 22);
    glow.setColorAt(0, QColor(255, 236, 120, 150));
    glow.setColorAt(1, QColor(255, 236, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 22, 22);
    QPainterPath glass;
    glass.moveTo(15.5, 38);
    glass.cubicTo(15, 32, 7, 28, 7, 20);
    glass.cubicTo(7, 11, 14, 5.5, 22, 5.5);
    glass.cubicTo(30, 5.5, 37, 11, 37, 20);
    glass.cubicTo(37, 28, 29, 32, 28.5, 38);
    glass.closeSubpath();
    QRadialGradient gg(QPointF(19, 16), 20);
    gg.setColorAt(0, QColor(255, 255, 230));
    gg.setColorAt(0.5, QColor(255, 232, 110));
    gg.setColorAt(1, QColor(245, 180, 30));
    p.setPen(QPen(QColor(190, 130, 20), 0.9));
    p.setBrush(gg);
    p.drawPath(glass);
    QPainterPath filament(QPointF(18, 37));
    filament.lineTo(18, 26);
    filament.cubicTo(19, 21, 20, 25, 21, 21);
    filament.cubicTo(22, 25, 23, 21, 24, 25);
    filament.lineTo(26, 26);
    filament.lineTo(26, 37);
    p.setPen(QPen(QColor(200, 110, 20), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(filament);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QRectF(12, 11, 5, 8));
    for (int i = 0; i < 4; ++i) {
        QPainterPath band;
        band.addRoundedRect(QRectF(15.5, 38 + i * 3.6, 13, 3.6), 1.5, 1.5);
        vFill(p, band, QColor(225, 228, 235), QColor(130, 134, 146));
    }
    QPainterPath tipPath;
    tipPath.addEllipse(QRectF(18.5, 51, 7, 4));
    p.fillPath(tipPath, QColor(70, 70, 80));
    p.setPen(QPen(QColor(255, 200, 60), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-160.0 + 35 * i);
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(c + d * 18.5, c + d * 21.5);
    }
}

void paintLock(QPainter &p)
{
    QPainterPath shackle(QPointF(11, 26));
    shackle.lineTo(11, 15);
    shackle.arcTo(QRectF(11, 4, 21, 22), 180, -180);
    shackle.lineTo(32, 26);
    QPainterPathStroker st;
    st.setWidth(5);
    const QPainterPath ring = st.createStroke(shackle);
    QLinearGradient sg(9, 0, 34, 0);
    sg.setColorAt(0, QColor(120, 124, 135));
    sg.setColorAt(0.3, QColor(240, 242, 248));
    sg.setColorAt(1, QColor(110, 114, 126));
    p.setPen(QPen(QColor(80, 80, 90), 0.6));
    p.setBrush(sg);
    p.drawPath(ring);
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 23, 35, 28), 5, 5);
    softShadow(p, body, QPointF(1, 1.5), 2, 80);
    glossyFill(p, body, QColor(236, 176, 40));
    p.setPen(QPen(QColor(150, 100, 10), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    QPainterPath hole;
    hole.addEllipse(QPointF(21.5, 34), 3.4, 3.4);
    hole.moveTo(20, 35);
    hole.addRect(QRectF(20.2, 35, 2.6, 8));
    p.fillPath(hole.simplified(), QColor(60, 36, 10));
}

void person(QPainter &p, QPointF feet, qreal h, const QColor &shirt, bool hat, const QColor &hatCol)
{
    const qreal headR = h * 0.16;
    const QPointF head(feet.x(), feet.y() - h + headR);
    QPainterPath body;
    body.addRoundedRect(QRectF(feet.x() - h * 0.22, head.y() + headR * 1.05, h * 0.44, h * 0.78),
                        h * 0.2, h * 0.2);
    glossyFill(p, body, shirt, false);
    QRadialGradient skin(head + QPointF(-headR * 0.3, -headR * 0.3), headR * 1.4);
    skin.setColorAt(0, QColor(255, 224, 196));
    skin.setColorAt(1, QColor(222, 170, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawEllipse(head, headR, headR);
    p.setBrush(QColor(60, 40, 40));
    p.drawEllipse(head + QPointF(-headR * 0.35, -headR * 0.05), headR * 0.12, headR * 0.14);
    p.drawEllipse(head + QPointF(headR * 0.35, -headR * 0.05), headR * 0.12, headR * 0.14);
    p.setPen(QPen(QColor(150, 60, 50), headR * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - headR * 0.45, head.y() - headR * 0.1, headR * 0.9, headR * 0.7),
              200 * 16, 140 * 16);
    if (hat) {
        QPainterPath cone;
        cone.moveTo(head + QPointF(-headR * 0.75, -headR * 0.6));
        cone.lineTo(head + QPointF(headR * 0.15, -headR * 2.5));
        cone.lineTo(head + QPointF(headR * 0.8, -headR * 0.5));
        cone.closeSubpath();
        glossyFill(p, cone, hatCol, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 120));
        p.drawEllipse(head + QPointF(headR * 0.15, -headR * 2.5), headR * 0.3, headR * 0.3);
    }
}

void paintPeople(QPainter &p)
{
    struct Guest {
        qreal x, h;
        int colour;
        bool hat;
    };
    const Guest guests[] = {{16, 33, 5, false}, {44, 38, 0, true},  {71, 42, 4, false},
                            {98, 37, 3, true},  {125, 34, 7, false}};
    const Guest front[] = {{30, 30, 1, false}, {58, 33, 6, true}, {86, 31, 2, false}, {112, 30, 5, true}};
    // Small enough that hats and shirts stay whole within the picture.
    const qreal k = 0.78;
    for (const Guest &g : guests)
        person(p, QPointF(g.x, 38), g.h * 0.95 * k, kPartyColours[g.colour].darker(110), g.hat,
               kPartyColours[(g.colour + 3) % 8]);
    for (const Guest &g : front)
        person(p, QPointF(g.x, 42.5), g.h * k, kPartyColours[g.colour], g.hat, kPartyColours[(g.colour + 2) % 8]);
}

void paintSax(QPainter &p)
{
    // Body: from the neck on the left, along the tube, round the bow, up to the bell.
    QPainterPath tube(QPointF(16, 20));
    tube.cubicTo(40, 16, 70, 30, 88, 40);
    tube.cubicTo(100, 47, 110, 48, 112, 38);
    tube.lineTo(108, 16);
    QPainterPathStroker st;
    st.setCapStyle(Qt::FlatCap);
    st.setJoinStyle(Qt::RoundJoin);
    st.setWidth(11);
    const QPainterPath body = st.createStroke(tube);
    QLinearGradient g(0, 10, 0, 55);
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(0.4, QColor(230, 170, 40));
    g.setColorAt(1, QColor(150, 96, 10));
    softShadow(p, body, QPointF(1.5, 2), 2.5, 70);
    p.setPen(QPen(QColor(130, 80, 10), 0.8));
    p.setBrush(g);
    p.drawPath(body);
    QPainterPath bell;
    bell.moveTo(100, 22);
    bell.cubicTo(98, 12, 96, 6, 92, 3);
    bell.lineTo(124, 3);
    bell.cubicTo(120, 6, 117, 12, 116, 22);
    bell.closeSubpath();
    p.setBrush(g);
    p.drawPath(bell);
    p.setBrush(QColor(120, 70, 0));
    p.drawEllipse(QRectF(92, 1, 32, 5));
    // Neck and mouthpiece.
    p.setPen(QPen(QColor(200, 150, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 20), QPointF(6, 23));
    p.setPen(QPen(QColor(30, 30, 36), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 23), QPointF(2.5, 24));
    for (int i = 0; i < 6; ++i) {
        const qreal x = 30 + i * 10.5;
        const qreal y = 20.5 + i * 2.4 + (i > 3 ? (i - 3) * 1.6 : 0);
        QRadialGradient key(QPointF(x - 0.8, y - 0.8), 3.2);
        key.setColorAt(0, QColor(255, 255, 245));
        key.setColorAt(1, QColor(190, 150, 80));
        p.setPen(QPen(QColor(120, 80, 20), 0.5));
        p.setBrush(key);
        p.drawEllipse(QPointF(x, y), 2.8, 2.8);
    }
    QPainterPath note;
    note.addEllipse(QRectF(60, 46, 6, 4.5));
    note.addRect(QRectF(65, 37, 1.2, 11));
    p.fillPath(note.simplified(), kRose);
    p.fillPath(QPainterPath(), Qt::NoBrush);
    p.setPen(QPen(kRose, 1.4));
    p.drawLine(QPointF(66, 37.5), QPointF(70, 40));
}

void paintKeys(QPainter &p)
{
    QPainterPath frame;
    frame.addRoundedRect(QRectF(1, 1, 75, 27), 3, 3);
    vFill(p, frame, QColor(70, 30, 30), QColor(30, 10, 10));
    const int whites = 10;
    const qreal w = 71.0 / whites;
    for (int i = 0; i < whites; ++i) {
        QPainterPath key;
        key.addRoundedRect(QRectF(3 + i * w + 0.3, 4, w - 0.6, 22), 1, 1);
        vFill(p, key, QColor(255, 255, 255), QColor(214, 214, 222));
    }
    const bool black[] = {true, true, false, true, true, true, false, true, true};
    for (int i = 0; i < whites - 1; ++i) {
        if (!black[i])
            continue;
        QPainterPath key;
        key.addRoundedRect(QRectF(3 + (i + 1) * w - w * 0.3, 4, w * 0.6, 13.5), 0.8, 0.8);
        vFill(p, key, QColor(70, 70, 80), QColor(10, 10, 14));
    }
    p.fillRect(QRectF(3, 4, 71, 1.2), QColor(0, 0, 0, 90));
}

void paintMic(QPainter &p)
{
    QPainterPath cable(QPointF(82, 30));
    cable.cubicTo(90, 30, 92, 40, 84, 42);
    cable.cubicTo(74, 44, 70, 36, 62, 42);
    p.setPen(QPen(QColor(40, 40, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    QPainterPath handle;
    handle.moveTo(34, 20);
    handle.lineTo(82, 27);
    handle.lineTo(82, 33);
    handle.lineTo(34, 36);
    handle.closeSubpath();
    QLinearGradient hg(0, 20, 0, 36);
    hg.setColorAt(0, QColor(120, 124, 140));
    hg.setColorAt(0.35, QColor(40, 42, 54));
    hg.setColorAt(1, QColor(10, 10, 16));
    p.fillPath(handle, hg);
    p.fillRect(QRectF(34, 20.5, 6, 15), QColor(200, 170, 80));
    const QPointF head(22, 28);
    const qreal r = 15;
    QRadialGradient grille(head + QPointF(-5, -6), r * 1.6);
    grille.setColorAt(0, QColor(250, 250, 255));
    grille.setColorAt(0.5, QColor(170, 174, 186));
    grille.setColorAt(1, QColor(70, 72, 84));
    QPainterPath ball;
    ball.addEllipse(head, r, r);
    softShadow(p, ball, QPointF(1, 2), 2, 70);
    p.fillPath(ball, grille);
    p.save();
    p.setClipPath(ball);
    p.setPen(QPen(QColor(60, 60, 72, 110), 0.5));
    for (int i = -8; i <= 8; ++i) {
        p.drawLine(QPointF(head.x() + i * 2.2 - 20, head.y() - 20), QPointF(head.x() + i * 2.2 + 20, head.y() + 20));
        p.drawLine(QPointF(head.x() + i * 2.2 + 20, head.y() - 20), QPointF(head.x() + i * 2.2 - 20, head.y() + 20));
    }
    p.restore();
    p.setPen(QPen(QColor(200, 170, 80), 2));
    p.drawArc(QRectF(head.x() - r, head.y() - r, 2 * r, 2 * r), -60 * 16, 120 * 16);
    sparkle(p, QPointF(8, 9), 5, QColor(255, 200, 60));
}

// A symmetrical flourish: tapering lines, scrolls and a centre jewel.
void paintDivider(QPainter &p, QSizeF s, qreal scale)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    for (int side = -1; side <= 1; side += 2) {
        p.save();
        p.translate(c);
        p.scale(side * scale, scale);
        QPainterPath line;
        line.moveTo(14, -0.9);
        line.lineTo(100, 0);
        line.lineTo(14, 0.9);
        line.closeSubpath();
        p.fillPath(line, kGold);
        QPainterPath scroll(QPointF(14, 0));
        scroll.cubicTo(22, -12, 38, -10, 36, -3);
        scroll.cubicTo(35, 1, 29, 0, 30, -4);
        scroll.moveTo(24, 0);
        scroll.cubicTo(32, 11, 48, 9, 48, 3);
        scroll.cubicTo(48, -1, 42, -1, 42, 3);
        p.setPen(QPen(kGold, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(scroll);
        p.setPen(Qt::NoPen);
        p.setBrush(kRose);
        p.drawEllipse(QPointF(60, 0), 2.2, 2.2);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(72, 0), 1.5, 1.5);
        p.drawEllipse(QPointF(104, 0), 1.3, 1.3);
        p.restore();
    }
    p.save();
    p.translate(c);
    p.scale(scale, scale);
    QPainterPath jewel = starPath(QPointF(0, 0), 11, 4.2, 4, -90);
    glossyFill(p, jewel, kRose);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(QPointF(0, 0), 3, 3);
    p.restore();
}

void paintBanner(QPainter &p)
{
    const int flags = 13;
    auto stringY = [](qreal x) { return 3 + 5 * std::sin(M_PI * x / 318.0); };
    QPainterPath cord(QPointF(0, stringY(0)));
    for (int x = 4; x <= 318; x += 4)
        cord.lineTo(x, stringY(x));
    p.setPen(QPen(QColor(140, 100, 80), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cord);
    const qreal step = 318.0 / flags;
    for (int i = 0; i < flags; ++i) {
        const qreal x0 = i * step + 2, x1 = (i + 1) * step - 2;
        const QPointF a(x0, stringY(x0)), b(x1, stringY(x1));
        const QPointF tip((x0 + x1) / 2, stringY((x0 + x1) / 2) + 26);
        QPainterPath flag;
        flag.moveTo(a);
        flag.lineTo(b);
        flag.lineTo(tip);
        flag.closeSubpath();
        const QColor col = kPartyColours[i % 8];
        softShadow(p, flag, QPointF(1, 1.5), 1.5, 50);
        vFill(p, flag, col.lighter(120), col.darker(115));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse((a + b + tip) / 3 - QPointF(0, 3), 2.2, 2.2);
    }
}

// Draws `draw`, made for a whole picture of `size`, a little smaller, so that
// a margin of background shows all round it (and JPEG's blur of the drawing's
// edges stays off the picture's edge).
void drawInset(QPainter &p, QSize size, const DrawFn &draw)
{
    const qreal margin = 4;
    p.translate(margin, margin);
    p.scale((size.width() - 2 * margin) / size.width(), (size.height() - 2 * margin) / size.height());
    draw(p);
}

struct Placed {
    const char *name;
    QRect place; // in the window, over miniback.jpg
    DrawFn draw;
};

} // namespace

void writeWizardArt(Output &out)
{
    // lock.jpg also stands at (357, 46) in the password prompt, on paper of
    // the same colour.
    const Placed pictures[] = {
        {"lbulb.jpg", QRect(377, 52, 44, 57), paintBulb},
        {"lock.jpg", QRect(72, 150, 43, 54), paintLock},
        {"lpeople.jpg", QRect(185, 226, 142, 48), paintPeople},
        {"sax.jpg", QRect(97, 176, 128, 59), paintSax},
        {"pkeys.jpg", QRect(78, 92, 77, 29), paintKeys},
        {"mic.jpg", QRect(378, 3, 94, 49), paintMic},
        {"fdiv1.jpg", QRect(124, 42, 226, 33), [](QPainter &p) { paintDivider(p, QSizeF(226, 33), 1.0); }},
        {"fdiv2.jpg", QRect(172, 155, 130, 30), [](QPainter &p) { paintDivider(p, QSizeF(130, 30), 0.62); }},
        {"pbanner.jpg", QRect(78, 240, 318, 35), paintBanner},
    };
    const QImage ground = minibackPicture();
    for (const Placed &pic : pictures) {
        const QImage layer = render(pic.place.size(), 4, Qt::transparent,
                                    [&](QPainter &p) { drawInset(p, pic.place.size(), pic.draw); });
        saveJpeg(out, drawnOver(ground, pic.place, layer), QLatin1String(pic.name));
    }
}

} // namespace mg
