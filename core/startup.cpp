#include "core/startup.h"

#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/prefs.h"
#include "core/safe_file.h"
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
    // Only now, with no other copy running, is no temporary file in use.
    remove_stale_temp_files(app_folder());
    load_prefs();
    init_anim();
    if (steps.show_main_menu)
        steps.show_main_menu();
    return true;
}
