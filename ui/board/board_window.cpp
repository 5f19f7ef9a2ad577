// The board window: opening and closing, its menu bar and its keys.
#include "ui/board/board_window.h"

#include "core/app_state.h"
#include "core/board_file.h"
#include "ui/board/board_browse.h"
#include "ui/board/board_guest.h"
#include "ui/board/board_screen.h"
#include "ui/board/keep_screen_on.h"
#include "ui/board/note_area.h"
#include "ui/common/accessibility.h"
#include "ui/common/hand_over.h"
#include "ui/common/window_conventions.h"
#include "ui/mainmenu/help_texts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>

Form8::Form8()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form8"));
    apply_window_conventions(this);
    screen_ = new BoardScreen(this);
    setCentralWidget(screen_);
    connect(screen_, &BoardScreen::clicked, this, &Form8::proc);
    // The note area is the board's only control that takes the focus: Tab
    // has nowhere to go and would be typed, so the board's keys are taken
    // here first (Text1_KeyDown).
    screen_->note_area()->installEventFilter(this);
    build_menus();
    resize(design_size());
}

QSize Form8::design_size() const
{
    // The design client area, 640 x 400, under the menu bar.
    return {640, 400 + menuBar()->sizeHint().height()};
}

// The "&" marks each command's access key (Alt+Q, Alt+E, Alt+A): the
// caption's letters stay as they are, the key's letter is underlined.
void Form8::build_menus()
{
    QMenuBar *bar = menuBar();
    QAction *quit = bar->addAction(QStringLiteral("&Quit"));
    quit->setObjectName(QStringLiteral("quit"));
    connect(quit, &QAction::triggered, this, &Form8::quit_Click);

    export_action = bar->addAction(QStringLiteral("&Export"));
    export_action->setObjectName(QStringLiteral("export"));
    export_action->setVisible(false);
    connect(export_action, &QAction::triggered, this, &Form8::export_Click);

    QAction *about = bar->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("about"));
    connect(about, &QAction::triggered, this, &Form8::about_Click);
}

Form8 *Form8::open()
{
    auto *window = new Form8;
    window->Form_Load();
    return window;
}

void Form8::Form_Load()
{
    screen_->load();
    if (board_mode == kBrowseMode) {
        export_action->setVisible(true);
        disp_sig(*screen_);
    }
    describe_window(this, board_mode == kBrowseMode
                              ? QStringLiteral("Signatures of %1").arg(BoardSettings.title)
                              : QStringLiteral("Sign-in board %1").arg(BoardSettings.title));
    screen_->describe_for_screen_reader(true);
    show_full_screen_size();
    // Guests come and go for hours: the screen must not blank or lock meanwhile.
    if (board_mode == kGuestMode)
        new KeepScreenOn(this);
    activateWindow();
    screen_->note_area()->setFocus();
}

// The board stands maximized; without a window manager to maximize it, it
// takes the screen's available area itself. Centring would not move it.
void Form8::show_full_screen_size()
{
    if (QScreen *where = screen())
        setGeometry(where->availableGeometry());
    showMaximized();
}

// Restored from maximized, the board comes back at its design size in the
// middle of the screen, rather than as large as the screen with its title bar
// above the top edge.
void Form8::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        if ((before & Qt::WindowMaximized) && windowState() == Qt::WindowNoState) {
            resize(design_size());
            center(this);
        }
    }
    QMainWindow::changeEvent(event);
}

bool Form8::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == screen_->note_area() && event->type() == QEvent::KeyPress)
        return Text1_KeyDown(static_cast<QKeyEvent *>(event));
    return QMainWindow::eventFilter(watched, event);
}

// The board's keys: Tab is never typed into a note; in guest mode
// Ctrl+Return saves the note, in browse mode Page Down and Page Up page.
// Every other key is the note area's.
bool Form8::Text1_KeyDown(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (board_mode == kGuestMode) {
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::ControlModifier) {
            proc(1);
            return true;
        }
        return false;
    }
    if ((key == Qt::Key_PageDown || key == Qt::Key_PageUp) && modifiers == Qt::NoModifier) {
        proc(key == Qt::Key_PageDown ? 1 : 0);
        return true;
    }
    return false;
}

void Form8::proc(int idx)
{
    if (idx != 0 && idx != 1)
        return;
    if (board_mode == kGuestMode)
        idx == 1 ? save_note(screen_->note_area()) : start_over(screen_->note_area());
    else
        turn_page(*screen_, idx == 1);
}

void Form8::quit_Click()
{
    close();
}

void Form8::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form8::Form_Unload()
{
    show_window(Window::MainMenu);
}

void Form8::about_Click()
{
    show_about(this);
}

void Form8::export_Click()
{
    exporter(*screen_);
}
