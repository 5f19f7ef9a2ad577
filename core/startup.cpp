#include "core/startup.h"

#include "core/app_state.h"
#include "core/prefs.h"
#include "core/single_instance.h"

QString already_running_message()
{
    return kAppTitle + QStringLiteral(" is already running.");
}

bool start_program(SingleInstance &instance, const StartupSteps &steps)
{
    if (!instance.claim()) {
        if (steps.tell_already_running)
            steps.tell_already_running(already_running_message());
        return false;
    }
    load_prefs();
    init_anim();
    if (steps.show_main_menu)
        steps.show_main_menu();
    return true;
}
