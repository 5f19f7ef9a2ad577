#include "ui/common/picture_widget.h"

#include <QPainter>

PictureWidget::PictureWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureWidget::set_picture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureWidget::set_stretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void PictureWidget::fit_to_picture()
{
    if (!picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (picture_.isNull()) {
        // A backdrop paints all of itself, also when its picture is missing.
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            painter.fillRect(rect(), palette().window());
        return;
    }
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
}
