#pragma once

#include <QString>
#include <functional>

class SingleInstance;

QString already_running_message();

struct StartupSteps {
    std::function<void(const QString &)> tell_already_running;
    std::function<void()> show_main_menu;
};

// The start-up procedure: a second instance is told so and ends; otherwise
// the temporary files a killed save left are removed, the sound preference
// is read, the animation state set up and the main menu shown. Returns whether the program goes on running.
bool start_program(SingleInstance &instance, const StartupSteps &steps);
