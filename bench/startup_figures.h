#pragma once

#include "bench/measure.h"

#include <QList>
#include <QString>

// Start-up as a person waits for it: from launching a copy of the app folder
// in `app_folder` to the main menu painted, against `bare_program`, the
// simplest Qt program that shows the same picture in a window of the same
// size. Both run on an X server the bench starts, with private home and
// runtime folders in `work_folder`: once with a session bus, once without.
QList<Figure> startup_figures(const QString &app_folder, const QString &bare_program, const QString &work_folder,
                              bool with_bus, bool without_bus);
