#include "ui/wizard/shape_outline.h"

#include <QPainter>

ShapeOutline::ShapeOutline(const QColor &color, int border_width, QWidget *parent)
    : QWidget(parent), color_(color), border_width_(border_width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeOutline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    const int w = border_width_;
    painter.fillRect(r.x(), r.y(), r.width(), w, color_);
    painter.fillRect(r.x(), r.bottom() - w + 1, r.width(), w, color_);
    painter.fillRect(r.x(), r.y(), w, r.height(), color_);
    painter.fillRect(r.right() - w + 1, r.y(), w, r.height(), color_);
}
