#include "ui/common/focus_mark.h"

#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

FocusMark::FocusMark(QWidget *widget) : widget_(widget)
{
    widget->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (event->type() == QEvent::FocusIn)
        keyboard_ = keyboard_ || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    // A message box or a menu takes the focus for a while; the mark comes
    // back with the focus.
    else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        keyboard_ = false;
    widget_->update();
    return false;
}

void FocusMark::key_pressed()
{
    if (!keyboard_) {
        keyboard_ = true;
        widget_->update();
    }
}

bool FocusMark::shown() const
{
    return keyboard_ && widget_->hasFocus();
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
