#pragma once

#include <QObject>
#include <QPixmap>
#include <array>

class PictureArea;
class QTimer;
class QWidget;

// The main menu's five action pictures: new, edit, run, view and quit. At
// rest they hold no picture, so the drawing of the background shows
// through; the one under the mouse runs its ten frames to and fro.
class ActionPictures : public QObject {
    Q_OBJECT
public:
    static constexpr int kActions = 5;
    static constexpr int kFrames = 10;

    // The pictures lie on `area` at their design places.
    explicit ActionPictures(QWidget *area);

    // Ends the animation, if any, and clears its picture.
    void stop_anim();

signals:
    void clicked(int index);

private:
    void Image1_MouseMove(int index);
    void start_anim(int icon);
    void Timer1_Timer();

    std::array<PictureArea *, kActions> Image1{};
    std::array<QPixmap, kFrames> antemp;
    QTimer *Timer1 = nullptr;
};
