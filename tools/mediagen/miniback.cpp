// The background of the wizard windows and the password prompt: a sheet of
// soft paper for the text, a festive frame around it, and the back / next
// arrows along the bottom.
#include "generators.h"
#include "shared.h"

#include <QtMath>

namespace mg {

const QColor kPaper(255, 252, 243);

namespace {

const QSize kSize(475, 280);
const QRectF kSheet(7, 7, 461, 208);
const QRectF kBackArrow(8, 226, 39, 47);
const QRectF kNextArrow(427, 226, 39, 47);

void paintFrameBackground(QPainter &p)
{
    QLinearGradient g(0, 0, 0, kSize.height());
    g.setColorAt(0, QColor(250, 186, 150));
    g.setColorAt(1, QColor(236, 140, 160));
    p.fillRect(QRectF(QPointF(0, 0), kSize), g);
    QRadialGradient glow(QPointF(237, 250), 200);
    glow.setColorAt(0, QColor(255, 236, 200, 160));
    glow.setColorAt(1, QColor(255, 236, 200, 0));
    p.fillRect(QRectF(QPointF(0, 0), kSize), glow);
    Rng rng(475);
    confetti(p, rng, QRectF(0, 0, 475, 280), 150, 5.5, {kSheet.adjusted(-1, -1, 1, 1)}, 220);
    streamer(p, QPointF(60, 268), QPointF(415, 262), 5, 5.5, 6, QColor(40, 190, 190));
    streamer(p, QPointF(60, 258), QPointF(415, 272), 4, 7.5, 5, QColor(255, 190, 40));
}

void cornerFlourish(QPainter &p, QPointF c, int sx, int sy)
{
    p.save();
    p.translate(c);
    p.scale(sx, sy);
    QPainterPath curl(QPointF(0, 20));
    curl.cubicTo(0, 6, 6, 0, 20, 0);
    curl.moveTo(4, 14);
    curl.cubicTo(4, 7, 8, 4, 14, 4);
    p.setPen(QPen(QColor(214, 160, 70), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curl);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(233, 90, 110));
    p.drawEllipse(QPointF(3.2, 3.2), 2.2, 2.2);
    p.restore();
}

void paintSheet(QPainter &p)
{
    QPainterPath sheet;
    sheet.addRoundedRect(kSheet, 10, 10);
    softShadow(p, sheet, QPointF(2, 3), 4, 80);
    QLinearGradient g(kSheet.topLeft(), kSheet.bottomLeft());
    g.setColorAt(0, QColor(255, 254, 248));
    g.setColorAt(1, kPaper);
    p.fillPath(sheet, g);
    // A faint vignette so the paper does not look flat, kept off the middle.
    QRadialGradient edge(kSheet.center(), kSheet.width() * 0.62);
    edge.setColorAt(0.7, QColor(240, 210, 160, 0));
    edge.setColorAt(1, QColor(240, 210, 160, 60));
    p.save();
    p.setClipPath(sheet);
    p.scale(1, 0.5);
    p.fillRect(QRectF(0, 0, 475, 560), edge);
    p.restore();
    p.setPen(QPen(QColor(214, 160, 70), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sheet);
    p.setPen(QPen(QColor(233, 120, 130, 150), 0.7));
    p.drawRoundedRect(kSheet.adjusted(4, 4, -4, -4), 7, 7);
    const QRectF in = kSheet.adjusted(6, 6, -6, -6);
    cornerFlourish(p, in.topLeft(), 1, 1);
    cornerFlourish(p, in.topRight(), -1, 1);
    cornerFlourish(p, in.bottomLeft(), 1, -1);
    cornerFlourish(p, in.bottomRight(), -1, -1);
}

} // namespace

void writeMiniback(Output &out)
{
    const QImage img = render(kSize, 2, Qt::white, [](QPainter &p) {
        paintFrameBackground(p);
        paintSheet(p);
        arrowButton(p, kBackArrow, -1, QColor(240, 120, 40));
        arrowButton(p, kNextArrow, 1, QColor(60, 170, 80));
    });
    saveJpeg(out, img, QStringLiteral("miniback.jpg"));
}

} // namespace mg
