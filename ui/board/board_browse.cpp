// The host's side of the board: paging through the notes and exporting them.
#include "ui/board/board_browse.h"

#include "core/board_file.h"
#include "core/line_codec.h"
#include "core/signature_store.h"
#include "ui/board/board_screen.h"
#include "ui/board/board_text.h"
#include "ui/board/note_area.h"
#include "ui/common/accessibility.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"

namespace {

const QString kLastMessage = QStringLiteral("You are viewing the last signature on this Quillora.");
const QString kFirstMessage = QStringLiteral("You are viewing the first signature on this Quillora.");

} // namespace

// With no notes at all the position reads 0 of 0.
void disp_sig(BoardScreen &screen)
{
    screen.note_area()->show_note(widget_text(sig_text.at(sig_pos)));
    const qsizetype shown = sig_count > 0 ? sig_pos + 1 : 0;
    screen.show_title(QStringLiteral(" (%1 of %2)").arg(shown).arg(sig_count));
}

// A screen reader hears the new note and its position, as when the board
// opened.
void turn_page(BoardScreen &screen, bool forward)
{
    if (forward ? sig_pos >= sig_count - 1 : sig_pos <= 0) {
        show_message(screen.window(), MessageIcon::Information, forward ? kLastMessage : kFirstMessage);
        return;
    }
    sig_pos += forward ? 1 : -1;
    disp_sig(screen);
    screen.describe_for_screen_reader(false);
    present_anew(screen.note_area());
}

void exporter(BoardScreen &screen)
{
    show_export(screen.window(), export_text(BoardSettings.title, sig_text, sig_count));
}
