#pragma once

#include "bench/measure.h"

#include <QString>

// The signature file `name`.sig lies in `folder`, the app folder.
Figure load_notes_figure(const QString &folder, const QString &name);
Figure append_note_figure(const QString &folder);

// Loads the notes in fresh child processes (this program run with
// kMemoryChildOption) so nothing allocated before hides the growth.
Figure memory_figure(const QString &program, const QString &folder, const QString &name);

inline const char *const kMemoryChildOption = "--memory-child";
// The child's part: prints "<resident growth in bytes> <sig_count>".
int run_memory_child(const QString &folder, const QString &name);
