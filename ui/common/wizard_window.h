#pragma once

#include "ui/common/hand_over.h"

#include <QWidget>

class PictureArea;
class QLabel;

// What every window of the board wizard and the password prompt share: a 475 x
// 280 client area with the background picture miniback.jpg at its own size in
// the top-left corner, and the back and next arrows, which are click areas
// over the arrows drawn in that picture and answer the mouse only. The back
// arrow shows the window before; the next arrow stores the window's values,
// once they pass its check, and shows the window after.
class WizardWindow : public QWidget {
    Q_OBJECT
protected:
    enum class Frame { Fixed, Resizable };
    // The arrows' top edge is a design place in twips.
    WizardWindow(const QString &object_name, Window back, Window next, Frame frame = Frame::Fixed,
                 int arrows_top = 3390);
    // Runs the opening of a window just created, which shows it.
    static WizardWindow *opened(WizardWindow *window);

    // Opening: caption, pictures, centred on the screen, stored values, and
    // the keyboard in the first control of the tab order.
    virtual void Form_Load();
    // The background; windows load their own pictures after it.
    virtual void loadimages();
    virtual void retval() {}
    // False, after a message box that says why, when the values may not be
    // stored.
    virtual bool valdata() { return true; }
    virtual void setval() {}

    virtual void Image1_Click(); // back
    virtual void Image2_Click(); // next, or finish

    void set_caption();
    // Shows the window and centres it (the frame is known only once shown).
    void show_centred();
    void set_next_name(const QString &accessible_name);

    // A picture shown at its own size, its top-left corner at the design
    // place (twips); the design size holds while the picture is missing.
    PictureArea *add_picture(const QString &object_name, int left, int top, int width, int height);
    static void load_into(PictureArea *widget, const QString &file_name);
    // A transparent label in the wizard's style; clicks pass through it.
    QLabel *add_label(const QString &object_name, const QString &text, const QFont &font,
                      const QRect &geometry, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

private:
    Window back_window_;
    Window next_window_;
    PictureArea *background_;
    PictureArea *back_;
    PictureArea *next_;
};

// The heading font of every wizard window.
QFont heading_font();
