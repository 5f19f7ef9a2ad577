#pragma once

#include <QString>

#include <functional>

class QApplication;
class SingleInstance;

// The start-up up to the main menu shown. Returns false, after telling so,
// when another copy of the program runs.
bool start_quillora(SingleInstance &instance, const std::function<void(const QString &)> &tell_already_running);

// Runs the program in an application object made by main(): start-up, then
// the event loop. Returns the exit code.
int run_quillora(QApplication &app);
