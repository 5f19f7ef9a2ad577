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

bool start_program(SingleInstance &instance)
{
    if (!instance.claim())
        return false;
    // Only now, with no other copy running, is no temporary file in use.
    remove_stale_temp_files(app_folder());
    load_prefs();
    init_anim();
    return true;
}
