#include "ui/board/password_gate.h"

#include "core/app_state.h"
#include "core/board_file.h"
#include "ui/common/accessibility.h"
#include "ui/common/click_label.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_area.h"
#include "ui/common/pictures.h"
#include "ui/common/window_conventions.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

namespace {

const QString kWrongPassword = QStringLiteral("Oops. Please try again.");

} // namespace

Form9::Form9(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form9"));
    setFixedSize(475, 280);
    describe_window(this, QStringLiteral("Password"));
    build_controls();
}

void Form9::build_controls()
{
    background_ = new PictureArea(this);
    background_->setObjectName(QStringLiteral("background"));

    Image3 = new PictureArea(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->move(357, 46);

    make_label(this, QStringLiteral("Label1"), QStringLiteral("Please enter your password:"),
               ms_sans_serif(9.75, true), QRect(130, 116, 214, 30), Qt::AlignRight | Qt::AlignTop);

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

    Image1 = make_click_area(this, QStringLiteral("Image1"), QStringLiteral("Back"), QRect(8, 225, 39, 47));
    connect(Image1, &PictureArea::clicked, this, &Form9::Image1_Click);
    Image2 = make_click_area(this, QStringLiteral("Image2"), QStringLiteral("Next"), QRect(427, 225, 39, 47));
    connect(Image2, &PictureArea::clicked, this, &Form9::Image2_Click);
}

Form9 *Form9::open()
{
    auto *window = new Form9;
    window->Form_Load();
    return window;
}

void Form9::Form_Load()
{
    apply_window_conventions(this);
    loadimages();
    show();
    center(this);
    activateWindow();
    Text1->setFocus();
}

void Form9::loadimages()
{
    background_->set_picture(load_picture(QStringLiteral("miniback.jpg")));
    background_->fit_to_picture();
    Image3->set_picture(load_picture(QStringLiteral("lock.jpg")));
    Image3->fit_to_picture();
}

bool Form9::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress)
        return Text1_KeyDown(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
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
    QWidget::closeEvent(event);
}

void Form9::Image1_Click()
{
    hand_over(this, Window::MainMenu);
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
