#include "core/app_state.h"

qint16 board_mode = kGuestMode;
qint16 sound_on = kTrue;

qint16 anim_icon = -1;
qint16 anim_frame = 0;
qint16 anim_step = 1;
std::array<qint16, 6> anim_speed{};

void init_anim()
{
    anim_speed = {80, 200, 200, 90, 50, 0};
    anim_icon = -1;
}
