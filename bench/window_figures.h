#pragma once

#include "bench/measure.h"

#include <QString>

// The board `name` (its .qla and .sig files) lies in `folder`.
Figure export_figure(const QString &folder, const QString &name);
Figure browse_figure(const QString &folder, const QString &name);

// `boards_folder` holds `count` board files, `empty_folder` none; both have
// the media folder.
Figure main_menu_figure(const QString &boards_folder, const QString &empty_folder, int count);

// Memory growth of a guest board over many saves, notes written into `folder`.
Figure guest_saves_memory_figure(const QString &folder);

// Message boxes are counted instead of shown, so no figure waits for a click.
void count_messages();
int swallowed_messages();
