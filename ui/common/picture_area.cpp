#include "ui/common/picture_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureArea::PictureArea(QWidget *parent, Press press) : QAbstractButton(parent)
{
    setFocusPolicy(press == Press::MouseAndKeys ? Qt::TabFocus : Qt::NoFocus);
    if (press == Press::None) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    } else {
        setMouseTracking(true);
        setAttribute(Qt::WA_NoSystemBackground);
    }
}

void PictureArea::set_picture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureArea::set_stretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void PictureArea::fit_to_picture()
{
    if (!picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
}

void PictureArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (picture_.isNull()) {
        // A backdrop paints all of itself, also when its picture is missing.
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            painter.fillRect(rect(), palette().window());
    } else if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
    if (focus_mark_.shown())
        FocusMark::draw(painter, rect());
}

void PictureArea::mouseMoveEvent(QMouseEvent *event)
{
    emit mouse_moved();
    QAbstractButton::mouseMoveEvent(event);
}

// Return or Space clicks an area the keyboard may press; other keys, and
// every key on the other areas, go on to the window.
void PictureArea::keyPressEvent(QKeyEvent *event)
{
    const bool press_key = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (focusPolicy() == Qt::NoFocus || !press_key || !plain) {
        event->ignore();
        return;
    }
    focus_mark_.key_pressed();
    if (!event->isAutoRepeat())
        click();
}

void PictureArea::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
}

PictureArea *make_click_area(QWidget *parent, const QString &object_name,
                             const QString &accessible_name, const QRect &geometry)
{
    auto *area = new PictureArea(parent, PictureArea::Press::Mouse);
    area->setObjectName(object_name);
    area->setAccessibleName(accessible_name);
    area->setGeometry(geometry);
    return area;
}
