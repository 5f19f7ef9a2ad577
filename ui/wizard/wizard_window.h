#pragma once

#include <QWidget>

class PictureButton;
class PictureWidget;
class QLabel;

// What every window of the board wizard shares: a 475 x 280 client area with
// the background picture miniback.jpg at its own size in the top-left corner,
// and the back and next arrows, which are click areas over the arrows drawn
// in that picture and answer the mouse only.
class WizardWindow : public QWidget {
    Q_OBJECT
protected:
    enum class Frame { Fixed, Resizable };
    // The arrows' top edge is a design place in twips.
    WizardWindow(const QString &object_name, Frame frame = Frame::Fixed, int arrows_top = 3390);

    // Opening: caption, pictures, centred on the screen, stored values.
    virtual void Form_Load();
    // The background; windows load their own pictures after it.
    virtual void loadimages();
    virtual void retval() {}

    virtual void Image1_Click() = 0; // back
    virtual void Image2_Click() = 0; // next, or finish

    void set_caption();
    // Shows the window and centres it (the frame is known only once shown).
    void show_centred();
    void set_next_name(const QString &accessible_name);

    // A picture shown at its own size, its top-left corner at the design
    // place (twips); the design size holds while the picture is missing.
    PictureWidget *add_picture(const QString &object_name, int left, int top, int width,
                               int height);
    static void load_into(PictureWidget *widget, const QString &file_name);
    // A transparent label in the wizard's style; clicks pass through it.
    QLabel *add_label(const QString &object_name, const QString &text, const QFont &font,
                      const QRect &geometry, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

private:
    PictureWidget *background_;
    PictureButton *back_;
    PictureButton *next_;
};

// The heading font of every wizard window.
QFont heading_font();
