#pragma once

#include <QString>

struct BoardDefinition;

// An edited board given a new title; titles that differ only in letter case
// name the same board.
bool board_was_retitled(const BoardDefinition &board);

// Carries the notes of the board old_title over to new_title and deletes the
// old board file; call it once the board was saved under new_title. When the
// new title already has a signature file, the old notes are appended to it.
// The first failure ends the move; what was done stays, and the old notes are
// deleted only once they are safe in the new file. Returns whether the move
// went through.
bool move_old_board(const QString &old_title, const QString &new_title);
