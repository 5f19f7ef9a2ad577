// The main menu background (logo, board list panel, scroll button sockets,
// party decorations), the hover frames of its action pictures, and the
// program icon.
#include "menu.h"
#include "generators.h"

#include <QtMath>

namespace mg {

const QRect kScrollSockets[2] = {QRect(194, 204, 40, 47), QRect(242, 204, 40, 47)};

namespace {

const QSize kMenuSize(640, 400);
const QRectF kPanel(25, 100, 395, 105);
const QRect kRowSlots[5] = {
    QRect(44, 112, 362, 17), QRect(35, 130, 373, 17), QRect(35, 148, 373, 17),
    QRect(38, 166, 366, 17), QRect(48, 184, 354, 17),
};
const QRectF kLogoBox(20, 10, 400, 90);

void paintSky(QPainter &p)
{
    QLinearGradient g(0, 0, 0, kMenuSize.height());
    g.setColorAt(0, QColor(255, 236, 196));
    g.setColorAt(0.5, QColor(255, 204, 176));
    g.setColorAt(1, QColor(240, 160, 178));
    p.fillRect(QRectF(QPointF(0, 0), kMenuSize), g);
    // Soft sunburst behind the logo.
    const QPointF sun(215, 52);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; i += 2) {
        QPainterPath ray;
        ray.moveTo(sun);
        ray.arcTo(QRectF(sun.x() - 700, sun.y() - 700, 1400, 1400), i * 15.0, 15.0);
        ray.closeSubpath();
        QRadialGradient rg(sun, 520);
        rg.setColorAt(0, QColor(255, 255, 240, 70));
        rg.setColorAt(1, QColor(255, 255, 240, 0));
        p.setBrush(rg);
        p.drawPath(ray);
    }
    QRadialGradient glow(sun, 260);
    glow.setColorAt(0, QColor(255, 252, 235, 200));
    glow.setColorAt(1, QColor(255, 252, 235, 0));
    p.setBrush(glow);
    p.drawEllipse(sun, 260, 260);
    QRadialGradient pink(QPointF(560, 330), 220);
    pink.setColorAt(0, QColor(255, 150, 200, 90));
    pink.setColorAt(1, QColor(255, 150, 200, 0));
    p.setBrush(pink);
    p.drawEllipse(QPointF(560, 330), 220, 220);
}

void paintDecorations(QPainter &p)
{
    Rng rng(2003);
    const QList<QRectF> avoid = {kPanel.adjusted(-4, -4, 4, 4), QRectF(20, 14, 400, 80),
                                 QRectF(186, 200, 104, 58)};
    confetti(p, rng, QRectF(0, 0, 640, 400), 260, 6.5, avoid, 230);
    streamer(p, QPointF(-20, 394), QPointF(660, 378), 6, 6.5, 8, QColor(40, 190, 190));
    streamer(p, QPointF(-20, 378), QPointF(660, 398), 5, 8.5, 7, QColor(255, 160, 40));
    streamer(p, QPointF(628, -10), QPointF(622, 410), 6, 5.5, 7, QColor(150, 90, 210));
    streamer(p, QPointF(8, 200), QPointF(14, 410), 5, 3.5, 6, QColor(240, 70, 110));
    drawBalloon(p, QPointF(48, 250), 19, QColor(235, 60, 90), QPointF(66, 372));
    drawBalloon(p, QPointF(96, 236), 18, QColor(60, 160, 230), QPointF(68, 372));
    drawBalloon(p, QPointF(74, 292), 17, QColor(255, 196, 40), QPointF(70, 372));
    drawBalloon(p, QPointF(462, 152), 16, QColor(160, 90, 220), QPointF(478, 248));
    drawBalloon(p, QPointF(492, 186), 15, QColor(70, 196, 110), QPointF(480, 248));
    const QPointF sparks[] = {{262, 280}, {318, 228}, {432, 40}, {600, 118}, {410, 282},
                              {138, 214}, {575, 380}, {250, 380}};
    for (const QPointF &s : sparks)
        sparkle(p, s, rng.range(6, 10), QColor(255, 250, 220));
}

void paintPanel(QPainter &p)
{
    // The tab holding the two scroll buttons hangs below the list.
    QPainterPath tab;
    tab.addRoundedRect(QRectF(186, 190, 104, 68), 10, 10);
    softShadow(p, tab, QPointF(2, 3), 4, 70);
    vFill(p, tab, QColor(252, 244, 222), QColor(236, 218, 184));
    p.setPen(QPen(QColor(196, 146, 70), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tab);

    QPainterPath panel;
    panel.addRoundedRect(kPanel, 9, 9);
    softShadow(p, panel, QPointF(3, 4), 5, 80);
    QLinearGradient g(kPanel.topLeft(), kPanel.bottomLeft());
    g.setColorAt(0, QColor(255, 252, 240));
    g.setColorAt(1, QColor(250, 238, 212));
    p.fillPath(panel, g);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; i += 2)
        p.fillRect(QRectF(32, kRowSlots[i].top(), 381, 17), QColor(255, 226, 180, 55));
    p.setPen(QPen(QColor(190, 140, 100, 95), 0.8));
    for (const QRect &slot : kRowSlots)
        p.drawLine(QPointF(32, slot.bottom() + 1.0), QPointF(413, slot.bottom() + 1.0));
    p.setPen(QPen(QColor(200, 148, 60), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panel);
    p.setPen(QPen(QColor(220, 176, 100, 150), 0.7));
    p.drawRoundedRect(kPanel.adjusted(3.5, 3.5, -3.5, -3.5), 6, 6);
    for (const QRect &s : kScrollSockets) {
        QPainterPath socket;
        socket.addRoundedRect(QRectF(s).adjusted(-1, -1, 1, 1), 9, 9);
        QLinearGradient sg(s.topLeft(), s.bottomLeft());
        sg.setColorAt(0, QColor(170, 130, 90));
        sg.setColorAt(0.15, QColor(214, 186, 146));
        sg.setColorAt(1, QColor(246, 232, 204));
        p.fillPath(socket, sg);
        p.setPen(QPen(QColor(150, 110, 70, 160), 0.8));
        p.drawPath(socket);
    }
}

// "Quillora" in a glossy gold sticker style with a "2003" badge.
void paintLogo(QPainter &p)
{
    QPainterPath word;
    word.addText(0, 0, font(Face::SerifBoldItalic, 64), QStringLiteral("Quillora"));
    QPainterPath year;
    year.addText(0, 0, font(Face::SansBold, 30), QStringLiteral("2003"));
    const QRectF wb = word.boundingRect(), yb = year.boundingRect();
    const qreal badgeW = yb.width() + 22, badgeH = yb.height() + 14;
    const qreal total = wb.width() + 12 + badgeW;
    const qreal k = qMin((kLogoBox.width() - 16) / total, (kLogoBox.height() - 14) / wb.height());
    p.save();
    p.translate(kLogoBox.left() + 8, kLogoBox.top() + 6);
    p.scale(k, k);
    p.translate(-wb.left(), -wb.top());

    softShadow(p, word, QPointF(3, 4), 4, 90);
    p.setPen(QPen(QColor(255, 255, 255), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    p.setPen(QPen(QColor(130, 30, 50), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    QLinearGradient fill(0, wb.top(), 0, wb.bottom());
    fill.setColorAt(0, QColor(255, 236, 120));
    fill.setColorAt(0.45, QColor(255, 170, 30));
    fill.setColorAt(1, QColor(225, 50, 70));
    p.fillPath(word, fill);
    p.save();
    p.setClipPath(word);
    QPainterPath shine;
    shine.addRect(QRectF(wb.left(), wb.top(), wb.width(), wb.height() * 0.42));
    p.fillPath(shine, QColor(255, 255, 255, 80));
    p.restore();

    // The year on a tilted ribbon badge.
    p.translate(wb.right() + 12 + badgeW / 2, wb.bottom() - badgeH * 0.55);
    p.rotate(-8);
    QPainterPath badge;
    badge.addRoundedRect(QRectF(-badgeW / 2, -badgeH / 2, badgeW, badgeH), badgeH / 2, badgeH / 2);
    softShadow(p, badge, QPointF(2, 3), 3, 90);
    QLinearGradient bg(0, -badgeH / 2, 0, badgeH / 2);
    bg.setColorAt(0, QColor(200, 110, 240));
    bg.setColorAt(1, QColor(110, 40, 170));
    p.fillPath(badge, bg);
    p.setPen(QPen(QColor(255, 255, 255), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(badge);
    const QPointF yOrigin(-yb.center().x(), -yb.center().y());
    p.fillPath(year.translated(yOrigin + QPointF(1.5, 1.5)), QColor(60, 10, 90, 160));
    p.fillPath(year.translated(yOrigin), QColor(255, 255, 255));
    p.restore();
    sparkle(p, QPointF(30, 22), 9, QColor(255, 255, 230));
    sparkle(p, QPointF(300, 20), 7, QColor(255, 255, 230));
    sparkle(p, QPointF(404, 84), 8, QColor(255, 255, 230));
}

} // namespace

QImage menuBackground()
{
    return render(kMenuSize, 2, Qt::white, [](QPainter &p) {
        paintSky(p);
        paintDecorations(p);
        paintPanel(p);
        paintLogo(p);
    }).convertToFormat(QImage::Format_RGB32);
}

namespace {

// Eases the hover so the motion slows towards both ends of the ping-pong,
// while every frame still moves on from the one before.
double framePhase(int frame)
{
    const double linear = (frame - 1) / 9.0;
    return 0.5 * linear + 0.25 - 0.25 * std::cos(M_PI * linear);
}

} // namespace

void writeMenu(Output &out)
{
    const QImage background = menuBackground();
    QImage menu = background;
    QPainter menuPainter(&menu);
    for (const MenuIconPlace &place : kMenuIcons) {
        for (int frame = 1; frame <= 10; ++frame) {
            const QImage layer = menuIconLayer(place.icon, place.area.size(), framePhase(frame));
            saveJpeg(out, drawnOver(background, place.area, layer),
                     QStringLiteral("%1_%2.jpg").arg(QLatin1String(place.stem)).arg(frame));
            if (frame == 1)
                menuPainter.drawImage(place.area.topLeft() * drawScale(), layer);
        }
    }
    menuPainter.end();
    saveJpeg(out, menu, QStringLiteral("mback.jpg"));
}

void writeAppIcon(Output &out)
{
    // Drawn afresh at every size the desktop asks for, so the small ones are
    // crisp rather than a big one shrunk.
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = render(QSize(size, size), 2, Qt::transparent, [size](QPainter &p) {
            p.scale(size / 256.0, size / 256.0);
            p.save();
            p.translate(120, 132);
            p.rotate(-5);
            p.translate(-120, -132);
            const QRectF slate = drawChalkboard(p, QRectF(10, 40, 206, 164), 14, 5);
            chalkStroke(p, handwriting(slate.topLeft() + QPointF(18, 40), 5.2, 3.4, 5, 18), 3.2);
            chalkStroke(p, handwriting(slate.topLeft() + QPointF(30, 84), 3.6, 3.4, 5, 16), 3.2);
            p.setPen(QPen(QColor(255, 236, 140), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(255, 220, 90, 110));
            p.drawPath(starPath(slate.topLeft() + QPointF(124, 104), 15, 6.5));
            p.restore();
            p.save();
            p.translate(172, 226);
            p.rotate(15);
            drawQuill(p, 196, QColor(240, 90, 110));
            p.restore();
        });
        savePng(out, icon, QStringLiteral("quillora_%1.png").arg(size));
        if (size == 256)
            savePng(out, icon, QStringLiteral("quillora.png"));
    }
}

} // namespace mg
