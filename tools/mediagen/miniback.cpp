// The background of the wizard windows and the password prompt. Their texts,
// boxes and lists reach from 8 pixels off the left edge to 6 off the right
// and down between the arrows, so the paper fills all but a thin festive rim,
// one even colour: the pictures laid on it are cut from it and fit anywhere.
#include "generators.h"
#include "shared.h"

namespace mg {

namespace {

const QColor kPaper(255, 252, 243);
const QSize kSize(475, 280);
const QRectF kSheet(4.5, 4.5, 467, 271);
// Both the wizard's click areas (8,226) and the prompt's (8,225), 39 x 47,
// lie on these drawings. The paper reaches within 4 pixels of each edge.
const QRectF kBackArrow(8, 225.5, 39, 47);
const QRectF kNextArrow(427, 225.5, 39, 47);

void paintRim(QPainter &p)
{
    QLinearGradient g(0, 0, kSize.width(), kSize.height());
    g.setColorAt(0, QColor(250, 170, 120));
    g.setColorAt(0.5, QColor(240, 120, 150));
    g.setColorAt(1, QColor(170, 120, 220));
    p.fillRect(QRectF(QPointF(0, 0), kSize), g);
    Rng rng(475);
    // Only the pieces along the rim stay in sight: the paper covers the rest.
    // The rim stays plain where step 5's microphone overlaps it.
    confetti(p, rng, QRectF(0, 0, 475, 280), 900, 4.5,
             {kSheet.adjusted(8, 8, -8, -8), QRectF(372, 0, 103, 58)}, 240);
}

void paintSheet(QPainter &p)
{
    QPainterPath sheet;
    sheet.addRoundedRect(kSheet, 3.5, 3.5);
    p.fillPath(sheet, kPaper);
    p.setPen(QPen(QColor(214, 160, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kSheet.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

} // namespace

QImage minibackPicture()
{
    return render(kSize, 2, Qt::white, [](QPainter &p) {
        paintRim(p);
        paintSheet(p);
        arrowButton(p, kBackArrow, -1, QColor(240, 120, 40));
        arrowButton(p, kNextArrow, 1, QColor(60, 170, 80));
    }).convertToFormat(QImage::Format_RGB32);
}

void writeMiniback(Output &out)
{
    saveJpeg(out, minibackPicture(), QStringLiteral("miniback.jpg"));
}

} // namespace mg
