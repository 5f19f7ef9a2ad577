#pragma once

#include <QString>

struct BoardDefinition;

// An edited board given a new title; titles that differ only in letter case
// name the same board.
bool board_was_retitled(const BoardDefinition &board);

inline const QString kNotesNotMovedMessage = QStringLiteral(
    "The signatures of your Quillora could not be moved to its new title. They are still "
    "with the board under its old title.");

// Carries the notes of the board old_title over to new_title and deletes the
// old board file; call it once the board was saved under new_title. When the
// new title already has a signature file, the old notes follow its notes;
// otherwise the signature file is renamed, whatever its size. All or
// nothing: when the notes cannot be carried over (the two files together
// would be too large to read back, for one), no file changes and the result
// is false. Once they are safe under the new title, the old
// signature file and then the old board file are deleted (a failure there
// leaves a copy, which is not reported).
bool move_old_board(const QString &old_title, const QString &new_title);
