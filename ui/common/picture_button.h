#pragma once

#include "ui/common/focus_mark.h"

#include <QAbstractButton>
#include <QPixmap>

// A button that is a picture area: it shows a picture of the media folder at
// its own size (or stretched over the area), or no picture at all and lies as
// a click area over a drawing of the window's background. It answers the
// mouse and reports mouse moves over it; only where a window lets the
// keyboard press it does it take the focus by Tab and click on Return or
// Space.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    void set_picture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }
    void clear_picture() { set_picture(QPixmap()); }
    // Draw the picture scaled to fill the area instead of at its own size.
    void set_stretch(bool stretch);
    void set_keyboard_pressable(bool pressable);

signals:
    void mouse_moved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    FocusMark focus_mark_;
};

// A picture button placed on `parent` with its object and accessible names.
PictureButton *make_click_area(QWidget *parent, const QString &object_name,
                               const QString &accessible_name, const QRect &geometry);
