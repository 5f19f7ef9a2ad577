#include "ui/mainmenu/main_menu.h"

#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/prefs.h"
#include "core/sound.h"
#include "ui/common/accessibility.h"
#include "ui/common/click_label.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_area.h"
#include "ui/common/pictures.h"
#include "ui/common/sleep.h"
#include "ui/common/window_conventions.h"
#include "ui/mainmenu/action_pictures.h"
#include "ui/mainmenu/board_list.h"
#include "ui/mainmenu/help_texts.h"
#include "ui/mainmenu/main_menu_actions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace {

const QColor kSlotBrown(127, 87, 15);
const QColor kSlotWhite(255, 255, 255);

constexpr int kScrollWaitMs = 175;

struct Place {
    int left, top, width, height;
};

constexpr std::array<Place, Form1::kSlots> kSlotPlaces{{
    {660, 1680, 5430, 255},
    {525, 1950, 5595, 255},
    {525, 2220, 5595, 255},
    {570, 2490, 5490, 255},
    {720, 2760, 5310, 255},
}};

constexpr std::array<Place, 2> kScrollPlaces{{
    {2910, 3060, 600, 705},
    {3630, 3060, 600, 705},
}};

QRect place_rect(const Place &p)
{
    return twips_rect(p.left, p.top, p.width, p.height);
}

// Room around the slots for the list's focus outline.
constexpr int kListMargin = 3;

QRect list_rect()
{
    QRect all;
    for (const Place &p : kSlotPlaces)
        all |= place_rect(p);
    return all.adjusted(-kListMargin, -kListMargin, kListMargin, kListMargin);
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

Form1::Form1()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form1"));
    describe_window(this, QStringLiteral("Main menu"));
    // A fixed window: it can be moved and minimised, not resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    build_controls();
    build_menus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1 *Form1::open()
{
    auto *window = new Form1;
    window->Form_Load();
    window->show();
    // The keyboard comes to the new window even where no window manager
    // hands it over.
    window->activateWindow();
    return window;
}

void Form1::build_controls()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("client_area"));
    area->setFixedSize(twips(9600), twips(6000));
    // Mouse moves over the bare window stop the animation and the hover
    // highlight; the controls on top keep their moves to themselves.
    area->setMouseTracking(true);
    area->installEventFilter(this);
    setCentralWidget(area);

    background_ = new PictureArea(area);
    background_->setObjectName(QStringLiteral("background"));
    background_->setGeometry(area->rect());
    // The backdrop covers the client area, so nothing is painted beneath it.
    background_->setAttribute(Qt::WA_OpaquePaintEvent);

    board_list_ = new BoardList(area);
    board_list_->setGeometry(list_rect());
    // Its bare parts between and beside the slots are the bare window.
    board_list_->setMouseTracking(true);
    board_list_->installEventFilter(this);
    connect(board_list_, &BoardList::step_requested, this, &Form1::step_selection);

    const QFont slot_font = ms_sans_serif(9.75, true);
    for (int i = 0; i < kSlots; ++i) {
        auto *label = new ClickLabel(board_list_);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        board_list_->add_slot(label, place_rect(kSlotPlaces[i]));
        label->setFont(slot_font);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_NoMousePropagation);
        connect(label, &ClickLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(label, &ClickLabel::mouse_moved, this, [this, i] { Label1_MouseMove(i); });
        Label1[i] = label;
    }

    const std::array<QString, 2> scroll_names{QStringLiteral("Scroll Up"), QStringLiteral("Scroll Down")};
    for (int i = 0; i < 2; ++i) {
        auto *button = new PictureArea(area, PictureArea::Press::MouseAndKeys);
        button->setObjectName(QStringLiteral("Image2_%1").arg(i));
        button->setGeometry(place_rect(kScrollPlaces[i]));
        button->setAccessibleName(scroll_names[i]);
        button->setAttribute(Qt::WA_NoMousePropagation);
        connect(button, &PictureArea::clicked, this, [this, i] { Image2_Click(i); });
        Image2[i] = button;
    }

    action_pictures_ = new ActionPictures(area);
    connect(action_pictures_, &ActionPictures::clicked, this, &Form1::Image1_Click);
}

void Form1::Form_Load()
{
    apply_window_conventions(this);
    center(this);
    File1 = board_files(app_folder());
    hover_slot = -1;
    sel_slot = -1;
    top_index = 0;
    synch_fdisp();
    loadimages();
    show_sound_marks();
    // The start-up sound follows the menu's first paint: the sound library
    // it loads would otherwise keep the window waiting.
    if (sound_on == kTrue)
        after_first_paint(background_, [] { play_file(media_path(QStringLiteral("ptime.wav"))); });
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void Form1::Form_Unload()
{
    cutsnd();
    // The animation ends with the window, so a fresh main menu starts the
    // animation of whichever picture the mouse reaches first.
    action_pictures_->stop_anim();
}

void Form1::cutsnd()
{
    cut_sound();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == centralWidget() || watched == board_list_) && event->type() == QEvent::MouseMove)
        Form_MouseMove();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_MouseMove()
{
    action_pictures_->stop_anim();
    if (hover_slot > -1)
        no_hf();
}

void Form1::loadimages()
{
    background_->set_picture(load_picture(QStringLiteral("mback.jpg")));
    for (int i = 0; i < kSlots; ++i)
        set_slot_look(i, false);
    Image2[0]->set_picture(load_picture(QStringLiteral("up.jpg")));
    Image2[1]->set_picture(load_picture(QStringLiteral("db.jpg")));
}

// A board found gone when it was to be opened: the list is read again and
// nothing is selected, as in a fresh main menu; it stays scrolled where it
// was as far as the boards left allow.
void Form1::refresh_board_list()
{
    File1 = board_files(app_folder());
    for (int i = 0; i < kSlots; ++i)
        set_slot_text(i, QString());
    sel_slot = -1;
    top_index = qBound(0, top_index, qMax(0, int(File1.size()) - kSlots));
    synch_fdisp();
    no_hf();
    board_list_->set_selected(-1);
}

void Form1::synch_fdisp()
{
    const int count = int(File1.size());
    for (int i = top_index; i < count && i - top_index < kSlots; ++i)
        set_slot_text(i - top_index, strip_ext(File1.at(i)));
    max_top = count - kSlots;
}

// A title too long for its slot is cut at its end, where it loses least of
// what tells boards apart.
void Form1::set_slot_text(int slot, const QString &text)
{
    show_shortened(Label1[slot], text);
    slot_titles_[slot] = text;
}

void Form1::set_slot_look(int slot, bool highlighted)
{
    ClickLabel *label = Label1[slot];
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kSlotBrown);
    palette.setColor(QPalette::WindowText, highlighted ? kSlotWhite : kSlotBrown);
    label->setPalette(palette);
    label->setAutoFillBackground(highlighted);
}

void Form1::highlight_file(int slot)
{
    set_slot_look(slot, true);
}

void Form1::no_hf()
{
    hover_slot = -1;
    for (int i = 0; i < kSlots; ++i) {
        if (i != sel_slot)
            set_slot_look(i, false);
    }
}

QString Form1::selected_board() const
{
    return sel_slot < 0 ? QString() : slot_titles_[sel_slot];
}

void Form1::Label1_MouseMove(int index)
{
    if (index == hover_slot)
        return;
    no_hf();
    highlight_file(index);
    hover_slot = index;
}

void Form1::Label1_Click(int index)
{
    if (Label1[index]->text().isEmpty() || index == sel_slot)
        return;
    highlight_file(index);
    sel_slot = index;
    no_hf();
    board_list_->set_selected(sel_slot);
}

// Up and Down in the list select the slot above or below; beyond the top or
// bottom slot the list scrolls as its scroll buttons do, so the selected
// slot then names the next board.
void Form1::step_selection(int direction)
{
    if (sel_slot < 0) {
        Label1_Click(0);
        return;
    }
    const int next = sel_slot + direction;
    if (next >= 0 && next < kSlots) {
        Label1_Click(next);
        return;
    }
    Image2_Click(next < 0 ? 0 : 1);
    board_list_->set_selected(sel_slot);
}

void Form1::Image2_Click(int index)
{
    const bool up = index == 0;
    PictureArea *button = Image2[index];
    button->set_picture(load_picture(up ? QStringLiteral("up_s.jpg") : QStringLiteral("db_s.jpg")));
    button->repaint();
    const bool stuck = up ? top_index < 1 : top_index >= max_top;
    if (stuck) {
        // The pressed picture stays up for a moment so the click is seen.
        sleep_ms(kScrollWaitMs);
    } else {
        top_index += up ? -1 : 1;
        synch_fdisp();
    }
    button->set_picture(load_picture(up ? QStringLiteral("up.jpg") : QStringLiteral("db.jpg")));
}

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
    case 0:
        reset_board();
        hand_over(this, Window::Step1);
        break;
    case 4: getout(); break;
    // The edit, run and view pictures, in the order of BoardAction.
    default:
        if (!act_on_board(this, BoardAction(index - 1), selected_board()))
            refresh_board_list();
    }
}
