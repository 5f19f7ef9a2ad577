#include "ui/common/focus_mark.h"

#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

void FocusMark::focus_in(QWidget *widget, const QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboard_ = true;
    widget->update();
}

// A message box or a menu takes the focus for a while; the mark comes back
// with the focus.
void FocusMark::focus_out(QWidget *widget, const QFocusEvent *event)
{
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        keyboard_ = false;
    widget->update();
}

void FocusMark::key_pressed(QWidget *widget)
{
    if (!keyboard_) {
        keyboard_ = true;
        widget->update();
    }
}

bool FocusMark::shown(const QWidget *widget) const
{
    return keyboard_ && widget->hasFocus();
}

void FocusMark::draw(QPainter &painter, const QRect &area)
{
    painter.save();
    QPen pen(QColor(127, 87, 15), 2, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    painter.restore();
}
