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

void PictureButton::set_keyboard_pressable(bool pressable)
{
    setFocusPolicy(pressable ? Qt::TabFocus : Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (stretch_ && !picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
    }
    if (focus_mark_.shown(this))
        FocusMark::draw(painter, rect());
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouse_moved();
    QAbstractButton::mouseMoveEvent(event);
}

// Return or Space clicks an area the keyboard may press; other keys, and
// every key on the other areas, go on to the window.
void PictureButton::keyPressEvent(QKeyEvent *event)
{
    const bool press_key = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (focusPolicy() == Qt::NoFocus || !press_key || !plain) {
        event->ignore();
        return;
    }
    focus_mark_.key_pressed(this);
    if (!event->isAutoRepeat())
        click();
}

void PictureButton::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    focus_mark_.focus_in(this, event);
    QAbstractButton::focusInEvent(event);
}

void PictureButton::focusOutEvent(QFocusEvent *event)
{
    focus_mark_.focus_out(this, event);
    QAbstractButton::focusOutEvent(event);
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
