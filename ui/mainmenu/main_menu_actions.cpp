#include "ui/mainmenu/main_menu_actions.h"

#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"

#include <array>

namespace {

const std::array<QString, 3> kNeedsBoard{
    QStringLiteral("Please select an existing Quillora to your left. Then click this button to "
                   "edit its style."),
    QStringLiteral("Please select an existing Quillora to your left. Then click this button to "
                   "display it and accept signatures during your party! If you have not yet "
                   "created a Quillora, just click the chalkboard icon above to get started."),
    QStringLiteral("Please select an existing Quillora above. Then click this button to display "
                   "signatures for that board."),
};
const QString kNoSignatures = QStringLiteral("No signatures have been recorded on this Quillora.");

// Loads the board, and its notes when asked. A board that cannot be read,
// or is too large, is told to the host and not opened; notes beyond what
// can be read are told too, and the board opens with the ones before them.
bool load_for_opening(QWidget *parent, const QString &name, bool with_notes)
{
    reset_board();
    const ReadResult board = load_board(name);
    const ReadResult notes = board == ReadResult::Read && with_notes ? load_notes(name) : board;
    if (board != ReadResult::Read || notes == ReadResult::Unreadable) {
        reset_board();
        show_message(parent, MessageIcon::Critical,
                     board == ReadResult::TooLarge ? kBoardTooLargeMessage : kBoardUnreadableMessage);
        return false;
    }
    if (notes == ReadResult::Partial)
        show_message(parent, MessageIcon::Information, kNotesCutMessage);
    return true;
}

} // namespace

// Running a board for guests never asks for its password; editing and
// viewing go through the password gate when the board has one.
bool act_on_board(QWidget *menu, BoardAction action, const QString &name)
{
    if (name.isEmpty()) {
        show_message(menu, MessageIcon::Information, kNeedsBoard[int(action)]);
        return true;
    }
    const bool view = action == BoardAction::View;
    if (view && find_app_file(name, kNotesExt).isEmpty()) {
        show_message(menu, MessageIcon::Information, kNoSignatures);
        return true;
    }
    if (!load_for_opening(menu, name, view))
        return false;
    board_mode = view ? kBrowseMode : kGuestMode;
    if (action != BoardAction::Run && !BoardSettings.password.isEmpty())
        hand_over(menu, Window::Gate);
    else
        hand_over(menu, action == BoardAction::Edit ? Window::Step1 : Window::Board);
    return true;
}
