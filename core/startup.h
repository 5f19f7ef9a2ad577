#pragma once

#include <QString>

class SingleInstance;

QString already_running_message();

// The start-up procedure up to the main menu: false when another instance
// runs; otherwise the temporary files a killed save left are removed, the
// sound preference is read and the animation state set up.
bool start_program(SingleInstance &instance);
