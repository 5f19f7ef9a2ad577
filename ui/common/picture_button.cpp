#include "ui/common/picture_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void PictureButton::set_picture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureButton::set_stretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouse_moved();
    QAbstractButton::mouseMoveEvent(event);
}

// Picture areas are worked with the mouse; no key presses them.
void PictureButton::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}

void PictureButton::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
}

PictureButton *make_click_area(QWidget *parent, const QString &object_name,
                               const QString &accessible_name, const QRect &geometry)
{
    auto *area = new PictureButton(parent);
    area->setObjectName(object_name);
    area->setAccessibleName(accessible_name);
    area->setGeometry(geometry);
    return area;
}
