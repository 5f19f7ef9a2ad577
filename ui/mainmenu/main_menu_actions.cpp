// The main menu's action pictures, their animation and the menu bar.
#include "ui/mainmenu/main_menu.h"

#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/prefs.h"
#include "core/signature_store.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_button.h"
#include "ui/common/pictures.h"
#include "ui/mainmenu/help_texts.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

const QString kEditNeedsBoard = QStringLiteral(
    "Please select an existing Quillora to your left. Then click this button to edit its style.");
const QString kRunNeedsBoard = QStringLiteral(
    "Please select an existing Quillora to your left. Then click this button to display it and "
    "accept signatures during your party! If you have not yet created a Quillora, just click the "
    "chalkboard icon above to get started.");
const QString kViewNeedsBoard = QStringLiteral(
    "Please select an existing Quillora above. Then click this button to display signatures for "
    "that board.");
const QString kNoSignatures = QStringLiteral("No signatures have been recorded on this Quillora.");

const std::array<QString, Form1::kActions> kFrameNames{
    QStringLiteral("new"), QStringLiteral("edit"), QStringLiteral("go"),
    QStringLiteral("view"), QStringLiteral("exit"),
};

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

QAction *add_item(QMenu *menu, const QString &object_name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(object_name);
    return action;
}

QMenu *add_menu(QMenuBar *bar, const QString &object_name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(object_name);
    return menu;
}

} // namespace

void Form1::build_menus()
{
    QMenu *mfile = add_menu(menuBar(), QStringLiteral("mfile"), QStringLiteral("&File"));
    connect(add_item(mfile, QStringLiteral("mquit"), QStringLiteral("&Quit")), &QAction::triggered,
            this, &Form1::getout);

    QMenu *msound = add_menu(menuBar(), QStringLiteral("msound"), QStringLiteral("&Sound"));
    ms_on = add_item(msound, QStringLiteral("ms_on"), QStringLiteral("&On"));
    ms_off = add_item(msound, QStringLiteral("ms_off"), QStringLiteral("O&ff"));
    ms_on->setCheckable(true);
    ms_off->setCheckable(true);
    connect(ms_on, &QAction::triggered, this, [this] { switch_sound(true); });
    connect(ms_off, &QAction::triggered, this, [this] { switch_sound(false); });

    QMenu *mhelp = add_menu(menuBar(), QStringLiteral("mhelp"), QStringLiteral("&Help"));
    const auto add_help = [this, mhelp](const QString &name, const QString &caption, QString (*text)()) {
        connect(add_item(mhelp, name, caption), &QAction::triggered, this,
                [this, text] { show_message(this, MessageIcon::Information, text()); });
    };
    add_help(QStringLiteral("help_whatis"), QStringLiteral("What is Quillora?"), what_is_text);
    add_help(QStringLiteral("hdi_use"), QStringLiteral("Ho do I use Quillora?"), how_to_use_text);
    add_help(QStringLiteral("hci_export"), QStringLiteral("How can I export my signatures?"),
             export_help_text);
    connect(add_item(mhelp, QStringLiteral("mabout"), QStringLiteral("About...")), &QAction::triggered,
            this, [this] { show_about(this); });
}

void Form1::getout()
{
    close();
    // Ends the event loop whatever other window is still open.
    QApplication::exit(0);
}

// The check mark follows sound_on. Qt toggles a checkable item on every
// click, so the marks are put back from sound_on after each click; clicking
// the item that has the mark changes and stores nothing.
void Form1::switch_sound(bool on)
{
    const bool is_on = sound_on == kTrue;
    if (on != is_on) {
        store_sound_pref(on);
        sound_on = on ? kTrue : kFalse;
    }
    show_sound_marks();
}

void Form1::show_sound_marks()
{
    const bool is_on = sound_on == kTrue;
    ms_on->setChecked(is_on);
    ms_off->setChecked(!is_on);
}

void Form1::Image1_Click(int index)
{
    switch (index) {
    case 0: new_board(); break;
    case 1: edit_board(); break;
    case 2: run_board(); break;
    case 3: view_signatures(); break;
    case 4: getout(); break;
    default: break;
    }
}

void Form1::new_board()
{
    reset_board();
    hand_over(this, Window::Step1);
}

void Form1::edit_board()
{
    if (sel_slot < 0) {
        show_message(this, MessageIcon::Information, kEditNeedsBoard);
        return;
    }
    if (!load_for_opening(this, selected_board(), false)) {
        refresh_board_list();
        return;
    }
    if (!BoardSettings.password.isEmpty()) {
        board_mode = kGuestMode;
        hand_over(this, Window::Gate);
    } else {
        hand_over(this, Window::Step1);
    }
}

void Form1::run_board()
{
    if (sel_slot < 0) {
        show_message(this, MessageIcon::Information, kRunNeedsBoard);
        return;
    }
    if (!load_for_opening(this, selected_board(), false)) {
        refresh_board_list();
        return;
    }
    board_mode = kGuestMode;
    hand_over(this, Window::Board);
}

void Form1::view_signatures()
{
    if (sel_slot < 0) {
        show_message(this, MessageIcon::Information, kViewNeedsBoard);
        return;
    }
    const QString name = selected_board();
    if (find_app_file(name, kNotesExt).isEmpty()) {
        show_message(this, MessageIcon::Information, kNoSignatures);
        return;
    }
    if (!load_for_opening(this, name, true)) {
        refresh_board_list();
        return;
    }
    board_mode = kBrowseMode;
    hand_over(this, BoardSettings.password.isEmpty() ? Window::Board : Window::Gate);
}

void Form1::Image1_MouseMove(int index)
{
    if (index == anim_icon)
        return;
    if (anim_icon > -1)
        stop_anim();
    start_anim(index);
    anim_frame = 0;
    anim_icon = qint16(index);
    Timer1->start();
}

void Form1::start_anim(int icon)
{
    for (int n = 1; n <= kFrames; ++n)
        antemp[n - 1] = load_picture(kFrameNames[icon] + QStringLiteral("_%1.jpg").arg(n));
    anim_step = 1;
    Timer1->setInterval(anim_speed[icon]);
}

void Form1::Timer1_Timer()
{
    if (anim_icon < 0 || anim_icon >= kActions || anim_frame < 0 || anim_frame >= kFrames)
        return;
    Image1[anim_icon]->set_picture(antemp[anim_frame]);
    anim_frame = qint16(anim_frame + anim_step);
    if (anim_frame == kFrames - 1 || anim_frame == 0)
        anim_step = qint16(-anim_step);
}

void Form1::stop_anim()
{
    Timer1->stop();
    if (anim_icon >= 0 && anim_icon < kActions)
        Image1[anim_icon]->clear_picture();
    anim_icon = -1;
}
