#pragma once

#include <QPixmap>
#include <QWidget>

// A picture that is only shown: at its own size from the top-left corner, or
// stretched over the widget. Also serves as a window's background picture.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget *parent = nullptr);

    void set_picture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }
    void set_stretch(bool stretch);
    // Resize the widget to the picture's own size.
    void fit_to_picture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
};
