#include "ui/wizard/wizard_window.h"

#include "ui/common/click_label.h"
#include "ui/common/picture_button.h"
#include "ui/common/picture_widget.h"
#include "ui/common/pictures.h"
#include "ui/common/window_conventions.h"

#include <QLabel>

namespace {

constexpr int kClientWidth = 475;  // 7125 twips
constexpr int kClientHeight = 280; // 4200 twips

} // namespace

QFont heading_font()
{
    return ms_sans_serif(9.75, true);
}

WizardWindow::WizardWindow(const QString &object_name, Frame frame, int arrows_top)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(object_name);
    if (frame == Frame::Fixed)
        setFixedSize(kClientWidth, kClientHeight);
    else
        resize(kClientWidth, kClientHeight);

    background_ = new PictureWidget(this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setGeometry(0, 0, kClientWidth, kClientHeight);

    back_ = make_click_area(this, QStringLiteral("Image1"), QStringLiteral("Back"),
                       twips_rect(120, arrows_top, 585, 705));
    next_ = make_click_area(this, QStringLiteral("Image2"), QStringLiteral("Next"),
                       twips_rect(6405, arrows_top, 585, 705));
    connect(back_, &PictureButton::clicked, this, &WizardWindow::Image1_Click);
    connect(next_, &PictureButton::clicked, this, &WizardWindow::Image2_Click);
}

void WizardWindow::Form_Load()
{
    set_caption();
    loadimages();
    show_centred();
    retval();
}

void WizardWindow::loadimages()
{
    background_->set_picture(load_picture(QStringLiteral("miniback.jpg")));
    background_->fit_to_picture();
}

void WizardWindow::set_caption()
{
    apply_window_conventions(this);
}

void WizardWindow::show_centred()
{
    // The arrows stay clickable whatever a window placed near them.
    back_->raise();
    next_->raise();
    show();
    center(this);
    // The keyboard comes to the new step even where no window manager
    // hands it over.
    activateWindow();
}

void WizardWindow::set_next_name(const QString &accessible_name)
{
    next_->setAccessibleName(accessible_name);
}

PictureWidget *WizardWindow::add_picture(const QString &object_name, int left, int top,
                                         int width, int height)
{
    auto *picture = new PictureWidget(this);
    picture->setObjectName(object_name);
    picture->setGeometry(twips_rect(left, top, width, height));
    return picture;
}

void WizardWindow::load_into(PictureWidget *widget, const QString &file_name)
{
    widget->set_picture(load_picture(file_name));
    widget->fit_to_picture();
}

QLabel *WizardWindow::add_label(const QString &object_name, const QString &text,
                                const QFont &font, const QRect &geometry,
                                Qt::Alignment alignment)
{
    QLabel *label = make_label(this, object_name, text, font, geometry, alignment);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
