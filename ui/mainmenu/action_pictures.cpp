#include "ui/mainmenu/action_pictures.h"

#include "core/app_state.h"
#include "ui/common/picture_area.h"
#include "ui/common/pictures.h"
#include "ui/common/window_conventions.h"

#include <QTimer>

namespace {

struct Action {
    const char *frames; // the frame files' names begin with it
    const char *tip;
    int left, top, width, height; // design place in twips
};

constexpr std::array<Action, ActionPictures::kActions> kActionTable{{
    {"new", "New Project", 6765, 135, 1410, 1410},
    {"edit", "Edit Project", 7710, 2055, 1395, 1410},
    {"go", "Run Project (ZivivIdid!)", 6630, 3855, 1425, 1365},
    {"view", "View Signatures", 4350, 4500, 1440, 1380},
    {"exit", "Quit", 2010, 4215, 1425, 1275},
}};

} // namespace

ActionPictures::ActionPictures(QWidget *area) : QObject(area)
{
    for (int i = 0; i < kActions; ++i) {
        const Action &action = kActionTable[i];
        auto *button = new PictureArea(area, PictureArea::Press::MouseAndKeys);
        button->setObjectName(QStringLiteral("Image1_%1").arg(i));
        button->setGeometry(twips_rect(action.left, action.top, action.width, action.height));
        button->setToolTip(QString::fromUtf8(action.tip));
        button->setAccessibleName(QString::fromUtf8(action.tip));
        button->setAttribute(Qt::WA_NoMousePropagation);
        connect(button, &PictureArea::clicked, this, [this, i] { emit clicked(i); });
        connect(button, &PictureArea::mouse_moved, this, [this, i] { Image1_MouseMove(i); });
        Image1[i] = button;
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &ActionPictures::Timer1_Timer);
}

void ActionPictures::Image1_MouseMove(int index)
{
    if (index == anim_icon)
        return;
    stop_anim();
    start_anim(index);
    anim_frame = 0;
    anim_icon = qint16(index);
    Timer1->start();
}

void ActionPictures::start_anim(int icon)
{
    const QLatin1String name(kActionTable[icon].frames);
    for (int n = 1; n <= kFrames; ++n)
        antemp[n - 1] = load_picture(QStringLiteral("%1_%2.jpg").arg(name).arg(n));
    anim_step = 1;
    Timer1->setInterval(anim_speed[icon]);
}

void ActionPictures::Timer1_Timer()
{
    if (anim_icon < 0 || anim_icon >= kActions || anim_frame < 0 || anim_frame >= kFrames)
        return;
    Image1[anim_icon]->set_picture(antemp[anim_frame]);
    anim_frame = qint16(anim_frame + anim_step);
    if (anim_frame == kFrames - 1 || anim_frame == 0)
        anim_step = qint16(-anim_step);
}

void ActionPictures::stop_anim()
{
    Timer1->stop();
    if (anim_icon >= 0 && anim_icon < kActions)
        Image1[anim_icon]->clear_picture();
    anim_icon = -1;
}
