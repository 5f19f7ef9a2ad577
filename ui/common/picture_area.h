#pragma once

#include "ui/common/focus_mark.h"

#include <QAbstractButton>
#include <QPixmap>

// An area of a window that shows a picture of the media folder at its own
// size from the top-left corner, or stretched over the area, or nothing.
// A plain picture lets the mouse through and is no button to assistive
// technology; it also serves as a window's background picture. A button
// answers the mouse and reports mouse moves over it; without a picture it
// lies as a click area over a drawing of the window's background. Only a
// button the keyboard may press takes the focus by Tab and clicks on Return
// or Space.
class PictureArea : public QAbstractButton {
    Q_OBJECT
public:
    enum class Press { None, Mouse, MouseAndKeys };
    explicit PictureArea(QWidget *parent, Press press = Press::None);

    void set_picture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }
    void clear_picture() { set_picture(QPixmap()); }
    // Draw the picture scaled to fill the area instead of at its own size.
    void set_stretch(bool stretch);
    // Resize the area to the picture's own size.
    void fit_to_picture();

signals:
    void mouse_moved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    FocusMark focus_mark_{this};
};

// A button without a picture placed on `parent` with its object and
// accessible names.
PictureArea *make_click_area(QWidget *parent, const QString &object_name,
                             const QString &accessible_name, const QRect &geometry);
