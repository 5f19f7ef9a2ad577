#include "ui/wizard/board_rename.h"

#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/safe_file.h"
#include "core/signature_store.h"

#include <QFile>

namespace {

// Notes left under the new title by a board file removed earlier are kept,
// and the moved board's notes follow them. The new file replaces the old in
// one step, so on any failure both files stay as they were; so they do when
// the two together would be larger than a signature file may grow.
bool carry_notes(const QString &old_notes, const QString &new_title)
{
    QByteArray moved;
    if (read_regular_file(old_notes, kMaxBoardFileBytes, moved) != ReadResult::Read)
        return false;
    const QString existing = find_app_file(new_title, kNotesExt);
    QByteArray notes;
    if (!existing.isEmpty()) {
        if (read_regular_file(existing, kMaxBoardFileBytes, notes) != ReadResult::Read)
            return false;
        notes += record_closing(notes, true);
    }
    notes += moved;
    return notes.size() <= kMaxBoardFileBytes
           && replace_file(existing.isEmpty() ? resolve_app_file(new_title, kNotesExt) : existing, notes);
}

} // namespace

bool board_was_retitled(const BoardDefinition &board)
{
    return !board.loaded_title.isEmpty() && board.loaded_title.toLower() != board.title.toLower();
}

bool move_old_board(const QString &old_title, const QString &new_title)
{
    const QString old_notes = find_app_file(old_title, kNotesExt);
    if (!old_notes.isEmpty()) {
        // Alone under the new title, the notes move in one step, however
        // many they are.
        const bool alone = find_app_file(new_title, kNotesExt).isEmpty();
        if (!alone || !move_regular_file(old_notes, resolve_app_file(new_title, kNotesExt))) {
            if (!carry_notes(old_notes, new_title))
                return false;
            // The notes are safe under the new title: a failure from here on
            // leaves at most a copy behind, never a loss.
            if (!QFile::remove(old_notes)) {
                qCWarning(lcFiles) << "could not remove" << old_notes;
                return true;
            }
        }
    }
    const QString old_board = find_app_file(old_title, kBoardExt);
    if (!old_board.isEmpty() && !QFile::remove(old_board))
        qCWarning(lcFiles) << "could not remove" << old_board;
    return true;
}
