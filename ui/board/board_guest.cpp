// The guest's side of the board: saving a note and starting over.
#include "ui/board/board_window.h"

#include "core/board_file.h"
#include "core/line_codec.h"
#include "core/signature_store.h"
#include "core/sound.h"
#include "ui/board/note_area.h"
#include "ui/common/message_box.h"

#include <QTextDocument>

namespace {

const QString kNoteNotSaved = QStringLiteral("Your note could not be saved!");
const QString kBoardFull = QStringLiteral(
    "This sign-in board is full, so your note could not be saved. Please let your host know!");

} // namespace

// A note that cannot be written stays in the note area, so the guest can
// try again instead of losing it (or copy it elsewhere, on a full board).
void Form8::save_note()
{
    // The raw text keeps every character as typed, no-break spaces included.
    const QString note = Text1->document()->toRawText();
    if (note.isEmpty())
        return;
    play_sound(BoardSettings.save_sound);
    bool board_full = false;
    if (append_note(stored_text(note), &board_full)) {
        show_message(this, MessageIcon::Information, BoardSettings.thanks_msg);
        Text1->clear();
    } else {
        show_message(this, MessageIcon::Critical, board_full ? kBoardFull : kNoteNotSaved);
    }
    Text1->setFocus();
}

void Form8::start_over()
{
    Text1->clear();
    play_sound(BoardSettings.reset_sound);
}
