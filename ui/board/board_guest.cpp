// The guest's side of the board: saving a note and starting over.
#include "ui/board/board_guest.h"

#include "core/board_file.h"
#include "core/line_codec.h"
#include "core/signature_store.h"
#include "core/sound.h"
#include "ui/board/note_area.h"
#include "ui/common/message_box.h"
#include "ui/common/text_box.h"

#include <QTextDocument>

namespace {

const QString kNoteNotSaved = QStringLiteral("Your note could not be saved!");
const QString kBoardFull = QStringLiteral(
    "This sign-in board is full, so your note could not be saved. Please let your host know!");

} // namespace

// A note that cannot be written stays in the note area, so the guest can
// try again instead of losing it (or copy it elsewhere, on a full board).
void save_note(NoteArea *note)
{
    // The raw text keeps every character as typed, no-break spaces included.
    const QString text = note->document()->toRawText();
    if (text.isEmpty())
        return;
    play_sound(BoardSettings.save_sound);
    bool board_full = false;
    if (append_note(stored_text(text), &board_full)) {
        show_message(note->window(), MessageIcon::Information, BoardSettings.thanks_msg);
        note->clear();
        withdraw_copied_text();
    } else {
        show_message(note->window(), MessageIcon::Critical, board_full ? kBoardFull : kNoteNotSaved);
    }
    note->setFocus();
}

// A guest's note, saved or given up, is not left for the next guest to
// paste.
void start_over(NoteArea *note)
{
    note->clear();
    withdraw_copied_text();
    play_sound(BoardSettings.reset_sound);
}
