// Colours and drawings shared between the wizard pictures and buttons.
#pragma once

#include "common.h"

namespace mg {

// The background of the wizard windows and the password prompt.
QImage minibackPicture();

// A glossy round button with an arrow pointing left (dir -1) or right (+1).
void arrowButton(QPainter &p, const QRectF &area, int dir, const QColor &base);
// A fat arrow shape pointing right, centred on the origin, `len` long.
QPainterPath fatArrow(qreal len, qreal thick);

} // namespace mg
