#include "ui/board/password_gate.h"

#include "core/app_state.h"
#include "core/board_file.h"
#include "ui/common/accessibility.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/window_conventions.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

namespace {

const QString kWrongPassword = QStringLiteral("Oops. Please try again.");

} // namespace

// The next arrow goes on past the right password only, by the board's mode (pok).
Form9::Form9() : WizardWindow(QStringLiteral("Form9"), Window::MainMenu, Window::Step1, Frame::Fixed, 3375)
{
    describe_window(this, QStringLiteral("Password"));
    Image3 = add_picture(QStringLiteral("Image3"), 5355, 690, 645, 810);
    add_label(QStringLiteral("Label1"), QStringLiteral("Please enter your password:"),
              heading_font(), QRect(130, 116, 214, 30), Qt::AlignRight | Qt::AlignTop);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Password"));
    Text1->setGeometry(164, 138, 147, 27);
    Text1->setFont(ms_sans_serif(12, true));
    Text1->setEchoMode(QLineEdit::Password);
    // Any password the wizard stores can be typed here.
    Text1->setMaxLength(std::numeric_limits<int>::max());
    // Every typed character shows as "?" (character code 63).
    Text1->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 63; }"));
    Text1->installEventFilter(this);
}

Form9 *Form9::open()
{
    auto *window = new Form9;
    window->Form_Load();
    return window;
}

void Form9::loadimages()
{
    WizardWindow::loadimages();
    load_into(Image3, QStringLiteral("lock.jpg"));
}

bool Form9::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress)
        return Text1_KeyDown(static_cast<QKeyEvent *>(event));
    return WizardWindow::eventFilter(watched, event);
}

// Enter checks the password and Escape goes back as the back arrow does;
// every other key is the text box's.
bool Form9::Text1_KeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: pok(); return true;
    case Qt::Key_Escape: Image1_Click(); return true;
    default: return false;
    }
}

// Closing the window by its frame (or Alt+F4) means "not now", as the back
// arrow does: the main menu comes back rather than the program ending. The
// window's own close on leaving is not spontaneous and opens nothing.
void Form9::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        show_window(Window::MainMenu);
    WizardWindow::closeEvent(event);
}

void Form9::Image2_Click()
{
    pok();
}

// Letters match in any case; blanks count.
void Form9::pok()
{
    if (Text1->text().toLower() != BoardSettings.password.toLower()) {
        show_message(this, MessageIcon::Exclamation, kWrongPassword);
        Text1->clear();
        Text1->setFocus();
        return;
    }
    if (board_mode == kGuestMode)
        hand_over(this, Window::Step1);
    else if (board_mode == kBrowseMode)
        hand_over(this, Window::Board);
    else
        close();
}
