#include "ui/common/click_label.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (was_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouse_moved();
    QLabel::mouseMoveEvent(event);
}

QLabel *make_label(QWidget *parent, const QString &object_name, const QString &text,
                   const QFont &font, const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(object_name);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
