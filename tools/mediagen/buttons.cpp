// The small push buttons: scroll up/down for the board list (normal and
// pressed), save / start over, and next / previous signature.
#include "generators.h"
#include "menu.h"
#include "shared.h"

namespace mg {

namespace {

// A scroll button drawn over its socket in the main menu's background.
QImage scrollButton(const QImage &menu, bool up, bool pressed)
{
    const QRect socket = kScrollSockets[up ? 0 : 1];
    return drawnOver(menu, socket, render(socket.size(), 4, Qt::transparent, [&](QPainter &p) {
        // Inside the socket, whose rim shows all round.
        const QRectF body = pressed ? QRectF(4.5, 4.5, 31, 37) : QRectF(4, 3.5, 31.5, 37.5);
        QPainterPath shape;
        shape.addRoundedRect(body, 9, 9);
        if (!pressed)
            softShadow(p, shape, QPointF(0.5, 1.5), 1.5, 110);
        const QColor base = pressed ? QColor(196, 92, 24) : QColor(250, 140, 40);
        QLinearGradient g(body.topLeft(), body.bottomLeft());
        g.setColorAt(0, pressed ? base.darker(125) : base.lighter(135));
        g.setColorAt(0.5, base);
        g.setColorAt(1, pressed ? base.lighter(110) : base.darker(135));
        p.fillPath(shape, g);
        if (pressed) {
            // Pushed in: a shadow along the inner top edge, no gloss.
            p.save();
            p.setClipPath(shape);
            p.setPen(QPen(QColor(60, 20, 0, 120), 3));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape.translated(0.8, 1.6));
            p.restore();
        } else {
            QPainterPath gloss;
            gloss.addRoundedRect(body.adjusted(3, 2, -3, -body.height() * 0.52), 6, 6);
            vFill(p, gloss, QColor(255, 255, 255, 150), QColor(255, 255, 255, 20));
        }
        p.setPen(QPen(QColor(130, 60, 10), 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
        const QPointF c = body.center() + QPointF(0, pressed ? 0.8 : 0);
        const qreal s = up ? -1 : 1;
        QPainterPath arrow;
        arrow.moveTo(c + QPointF(0, 11 * s));
        arrow.lineTo(c + QPointF(-11, -2 * s));
        arrow.lineTo(c + QPointF(-4.5, -2 * s));
        arrow.lineTo(c + QPointF(-4.5, -11 * s));
        arrow.lineTo(c + QPointF(4.5, -11 * s));
        arrow.lineTo(c + QPointF(4.5, -2 * s));
        arrow.lineTo(c + QPointF(11, -2 * s));
        arrow.closeSubpath();
        p.fillPath(arrow.translated(0.6, 1.2), QColor(110, 40, 0, 120));
        vFill(p, arrow, QColor(255, 255, 255), pressed ? QColor(240, 220, 200) : QColor(255, 236, 210));
        p.setPen(QPen(QColor(140, 60, 10, 200), 0.8));
        p.drawPath(arrow);
    }));
}

// A bold, glossy symbol with a dark rim on white.
void glossySymbol(QPainter &p, const QPainterPath &shape, const QColor &base)
{
    softShadow(p, shape, QPointF(1.2, 1.8), 2.4, 80);
    p.setPen(QPen(base.darker(190), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    QLinearGradient g(shape.boundingRect().topLeft(), shape.boundingRect().bottomLeft());
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(140));
    p.fillPath(shape, g);
    p.save();
    p.setClipPath(shape);
    const QRectF r = shape.boundingRect();
    p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.4), QColor(255, 255, 255, 70));
    p.restore();
}

QPainterPath checkShape()
{
    QPainterPath stroke(QPointF(9, 25));
    stroke.lineTo(19, 35);
    stroke.cubicTo(24, 24, 31, 15, 40, 9);
    QPainterPathStroker st;
    st.setWidth(8.5);
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    return st.createStroke(stroke).simplified();
}

QPainterPath crossShape()
{
    QPainterPath lines;
    lines.moveTo(12, 12);
    lines.lineTo(36, 36);
    lines.moveTo(36, 12);
    lines.lineTo(12, 36);
    QPainterPathStroker st;
    st.setWidth(9);
    st.setCapStyle(Qt::RoundCap);
    return st.createStroke(lines).simplified();
}

QImage symbolButton(const QPainterPath &shape, const QColor &base)
{
    return render(QSize(48, 48), 4, Qt::white, [&](QPainter &p) { glossySymbol(p, shape, base); });
}

QImage signatureArrow(int dir)
{
    return render(QSize(48, 48), 4, Qt::white, [&](QPainter &p) {
        QTransform t;
        t.translate(24, 24);
        t.scale(dir, 1);
        glossySymbol(p, t.map(fatArrow(36, 20)), QColor(40, 130, 230));
    });
}

} // namespace

QPainterPath fatArrow(qreal len, qreal thick)
{
    const qreal head = len * 0.48, shaft = thick * 0.46;
    QPainterPath a;
    a.moveTo(len / 2, 0);
    a.lineTo(len / 2 - head, -thick / 2 - thick * 0.12);
    a.lineTo(len / 2 - head, -shaft / 2);
    a.lineTo(-len / 2, -shaft / 2);
    a.lineTo(-len / 2, shaft / 2);
    a.lineTo(len / 2 - head, shaft / 2);
    a.lineTo(len / 2 - head, thick / 2 + thick * 0.12);
    a.closeSubpath();
    QPainterPathStroker st;
    st.setWidth(thick * 0.18);
    st.setJoinStyle(Qt::RoundJoin);
    return a.united(st.createStroke(a)).simplified();
}

void arrowButton(QPainter &p, const QRectF &area, int dir, const QColor &base)
{
    const qreal d = qMin(area.width(), area.height()) - 4;
    const QRectF disc(area.center().x() - d / 2, area.center().y() - d / 2, d, d);
    QPainterPath circle;
    circle.addEllipse(disc);
    softShadow(p, circle, QPointF(1, 2), 2.5, 100);
    glossyFill(p, circle, base);
    p.setPen(QPen(base.darker(170), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
    QTransform t;
    t.translate(disc.center().x(), disc.center().y());
    t.scale(dir, 1);
    const QPainterPath arrow = t.map(fatArrow(d * 0.58, d * 0.5));
    p.fillPath(arrow.translated(0.5, 1), QColor(0, 0, 0, 90));
    vFill(p, arrow, QColor(255, 255, 255), QColor(240, 240, 230));
}

void writeButtons(Output &out)
{
    const QImage menu = menuBackground();
    saveJpeg(out, scrollButton(menu, true, false), QStringLiteral("up.jpg"));
    saveJpeg(out, scrollButton(menu, true, true), QStringLiteral("up_s.jpg"));
    saveJpeg(out, scrollButton(menu, false, false), QStringLiteral("db.jpg"));
    saveJpeg(out, scrollButton(menu, false, true), QStringLiteral("db_s.jpg"));
    saveJpeg(out, symbolButton(checkShape(), QColor(40, 180, 70)), QStringLiteral("check.jpg"));
    saveJpeg(out, symbolButton(crossShape(), QColor(226, 40, 40)), QStringLiteral("xmark.jpg"));
    saveJpeg(out, signatureArrow(1), QStringLiteral("svf.jpg"));
    saveJpeg(out, signatureArrow(-1), QStringLiteral("svb.jpg"));
}

} // namespace mg
