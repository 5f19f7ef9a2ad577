#include "core/startup.h"

#include "core/app_state.h"
#include "core/prefs.h"
#include "core/single_instance.h"

QString already_running_message()
{
    return kAppTitle + QStringLiteral(" is already running.");
}

bool start_program(SingleInstance &instance)
{
    if (!instance.claim())
        return false;
    load_prefs();
    init_anim();
    return true;
}
