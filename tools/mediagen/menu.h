// The main menu: its background, the five action pictures with their
// hover animations, and the program icon.
#pragma once

#include "common.h"

namespace mg {

enum class MenuIcon { New, Edit, Go, View, Exit };

struct MenuIconPlace {
    MenuIcon icon;
    QRect area;       // where the picture sits in mback.jpg
    const char *stem; // file stem of its animation frames
};
extern const MenuIconPlace kMenuIcons[5];

// The main menu's background without its action pictures.
QImage menuBackground();
// Where the scroll-up and scroll-down buttons sit on it.
extern const QRect kScrollSockets[2];

// The picture of `icon` on a transparent layer of `size`, at motion phase
// `t` (0 = at rest, 1 = the extreme of the hover animation).
QImage menuIconLayer(MenuIcon icon, QSize size, double t);

// A framed chalkboard filling `r`; the slate is returned for chalk drawings.
QRectF drawChalkboard(QPainter &p, const QRectF &r, qreal frame, std::uint64_t seed);
// A feather quill whose nib is at the origin, pointing down, `len` long.
void drawQuill(QPainter &p, qreal len, const QColor &vane);
// A chalk line along `path`.
void chalkStroke(QPainter &p, const QPainterPath &path, qreal width, int alpha = 225);

// Cursive-looking loops (a prolate cycloid) from `start`, `turns` loops long.
QPainterPath handwriting(QPointF start, qreal turns, qreal step, qreal loop, qreal height);

} // namespace mg
