// The host's side of the board: paging through the notes and exporting them.
#include "ui/board/board_window.h"

#include "core/board_file.h"
#include "core/line_codec.h"
#include "core/signature_store.h"
#include "ui/board/board_text.h"
#include "ui/board/note_area.h"
#include "ui/common/accessibility.h"
#include "ui/common/click_label.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"

#include <QLabel>

namespace {

const QString kLastMessage = QStringLiteral("You are viewing the last signature on this Quillora.");
const QString kFirstMessage = QStringLiteral("You are viewing the first signature on this Quillora.");

} // namespace

// With no notes at all the position reads 0 of 0.
void Form8::disp_sig()
{
    Text1->show_note(widget_text(sig_text.at(sig_pos)));
    const qsizetype shown = sig_count > 0 ? sig_pos + 1 : 0;
    show_shortened(Label2, BoardSettings.title, QStringLiteral(" (%1 of %2)").arg(shown).arg(sig_count));
}

void Form8::next_signature()
{
    if (sig_pos >= sig_count - 1) {
        show_message(this, MessageIcon::Information, kLastMessage);
        return;
    }
    ++sig_pos;
    show_page();
}

void Form8::previous_signature()
{
    if (sig_pos <= 0) {
        show_message(this, MessageIcon::Information, kFirstMessage);
        return;
    }
    --sig_pos;
    show_page();
}

// A screen reader hears the new note and its position, as when the board
// opened.
void Form8::show_page()
{
    disp_sig();
    describe_for_screen_reader(false);
    present_anew(Text1);
}

void Form8::exporter()
{
    const QString text = export_text(BoardSettings.title, sig_text, sig_count);
    show_export(this, text);
}
