#include "ui/app.h"

#include "core/single_instance.h"
#include "core/sound_effect_player.h"
#include "core/startup.h"
#include "ui/common/message_box.h"
#include "ui/common/window_conventions.h"
#include "ui/mainmenu/main_menu.h"

#include <QApplication>

int run_quillora(QApplication &app)
{
    apply_application_conventions();

    SoundEffectPlayer player;
    set_sound_player(&player);

    SingleInstance instance;
    const StartupSteps steps{
        [](const QString &text) { show_message(nullptr, MessageIcon::Exclamation, text); },
        [] { Form1::open(); },
    };
    const int code = start_program(instance, steps) ? app.exec() : 0;
    set_sound_player(nullptr);
    return code;
}
