#pragma once

class QApplication;

// Runs the program in an application object made by main(): start-up, then
// the event loop. Returns the exit code.
int run_quillora(QApplication &app);
