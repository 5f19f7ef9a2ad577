#include "ui/common/wizard_window.h"

#include "ui/common/click_label.h"
#include "ui/common/picture_area.h"
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

WizardWindow::WizardWindow(const QString &object_name, Window back, Window next, Frame frame,
                           int arrows_top)
    : back_window_(back), next_window_(next)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(object_name);
    if (frame == Frame::Fixed)
        setFixedSize(kClientWidth, kClientHeight);
    else
        resize(kClientWidth, kClientHeight);

    background_ = new PictureArea(this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setGeometry(0, 0, kClientWidth, kClientHeight);

    back_ = make_click_area(this, QStringLiteral("Image1"), QStringLiteral("Back"),
                       twips_rect(120, arrows_top, 585, 705));
    next_ = make_click_area(this, QStringLiteral("Image2"), QStringLiteral("Next"),
                       twips_rect(6405, arrows_top, 585, 705));
    connect(back_, &PictureArea::clicked, this, &WizardWindow::Image1_Click);
    connect(next_, &PictureArea::clicked, this, &WizardWindow::Image2_Click);
}

WizardWindow *WizardWindow::opened(WizardWindow *window)
{
    window->Form_Load();
    return window;
}

void WizardWindow::Form_Load()
{
    set_caption();
    loadimages();
    show_centred();
    retval();
    // The first control of the tab order takes the keyboard as by a click,
    // so its text is not selected as it would be by Tab.
    for (QWidget *control = nextInFocusChain(); control != this; control = control->nextInFocusChain()) {
        if (control->focusPolicy() & Qt::TabFocus) {
            control->setFocus();
            break;
        }
    }
}

void WizardWindow::Image1_Click()
{
    hand_over(this, back_window_);
}

void WizardWindow::Image2_Click()
{
    if (!valdata())
        return;
    setval();
    hand_over(this, next_window_);
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

PictureArea *WizardWindow::add_picture(const QString &object_name, int left, int top,
                                       int width, int height)
{
    auto *picture = new PictureArea(this);
    picture->setObjectName(object_name);
    picture->setGeometry(twips_rect(left, top, width, height));
    return picture;
}

void WizardWindow::load_into(PictureArea *widget, const QString &file_name)
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
