#include "ui/board/board_window.h"

#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "core/sound.h"
#include "ui/board/board_text.h"
#include "ui/common/accessibility.h"
#include "ui/common/click_label.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_button.h"
#include "ui/common/picture_widget.h"
#include "ui/common/pictures.h"
#include "ui/common/window_conventions.h"
#include "ui/mainmenu/help_texts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>

namespace {

constexpr QSize kDesignClient(640, 400);
constexpr QSize kMainPanel(593, 313);
constexpr QSize kButtonPanel(210, 131);
constexpr QSize kThemePicture(129, 121);
constexpr QSize kButton(48, 48);
constexpr int kPanelBorder = 4;

const QString kTip = QStringLiteral(
    "Tip: Write from line to line naturally. Only press the return key when you want to "
    "skip lines in your message.");
const QString kSaveCaption = QStringLiteral("Save My Note");
const QString kStartOverCaption = QStringLiteral("Start Over");
const QString kNextCaption = QStringLiteral("Next Signature");
const QString kPreviousCaption = QStringLiteral("Previous Signature");
const QString kLastMessage = QStringLiteral("You are viewing the last signature on this Quillora.");
const QString kFirstMessage = QStringLiteral("You are viewing the first signature on this Quillora.");
const QString kNoteNotSaved = QStringLiteral("Your note could not be saved!");

// An opaque white panel with a plain 4-pixel border.
QFrame *make_panel(QWidget *parent, const QString &object_name, QSize size)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(object_name);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(kPanelBorder);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, QColor(40, 40, 40));
    panel->setPalette(colours);
    panel->setAutoFillBackground(true);
    panel->resize(size);
    return panel;
}

int centred(int outer, int inner)
{
    return qRound((outer - inner) / 2.0);
}

} // namespace

Form8::Form8(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form8"));
    apply_window_conventions(this);
    build_controls();
    build_menus();
    resize(design_size());
}

QSize Form8::design_size() const
{
    return {kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height()};
}

// Created bottom to top: each control lies above the ones before it.
void Form8::build_controls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->installEventFilter(this);

    Image1 = new PictureWidget(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->set_stretch(true);

    Shape1[0] = make_panel(client, QStringLiteral("Shape1_0"), kMainPanel);

    Image3 = new PictureWidget(client);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->resize(kThemePicture);

    Label2 = make_label(client, QStringLiteral("Label2"), QString(), ms_sans_serif(13.5, true),
                        QRect(0, 0, 337, 25), Qt::AlignHCenter | Qt::AlignTop);
    Label3 = make_label(client, QStringLiteral("Label3"), QString(), ms_sans_serif(8.25, true),
                        QRect(0, 0, 313, 65));

    Shape1[1] = make_panel(client, QStringLiteral("Shape1_1"), kButtonPanel);

    build_buttons(client);

    Label4 = make_label(client, QStringLiteral("Label4"), kTip, ms_sans_serif(8.25),
                        QRect(0, 0, 241, 65));

    Text1 = new QPlainTextEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Note"));
    Text1->setFont(ms_sans_serif(8.25));
    Text1->resize(329, 105);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The note area is the board's only control that takes the focus: Tab
    // has nowhere to go and would be typed, so the board's keys are taken
    // here first (Text1_KeyDown).
    Text1->installEventFilter(this);
}

void Form8::build_buttons(QWidget *client)
{
    const std::array<QString, 2> captions{kStartOverCaption, kSaveCaption};
    const std::array<int, 2> caption_widths{74, 79};
    // The upper button (index 1) lies below the lower one in the stacking order.
    for (int i : {1, 0}) {
        Image2[i] = new PictureButton(client);
        Image2[i]->setObjectName(QStringLiteral("Image2_%1").arg(i));
        Image2[i]->resize(kButton);
        connect(Image2[i], &PictureButton::clicked, this, [this, i] { Image2_Click(i); });

        Label1[i] = new ClickLabel(client);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setFont(ms_sans_serif(9.75, true));
        Label1[i]->setTextFormat(Qt::PlainText);
        Label1[i]->setWordWrap(true);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Label1[i]->resize(caption_widths[i], 34);
        connect(Label1[i], &ClickLabel::clicked, this, [this, i] { Label1_Click(i); });

        set_button_caption(i, captions[i]);
    }
}

void Form8::build_menus()
{
    QMenuBar *bar = menuBar();
    QAction *quit = bar->addAction(QStringLiteral("Quit"));
    quit->setObjectName(QStringLiteral("quit"));
    connect(quit, &QAction::triggered, this, &Form8::quit_Click);

    export_action = bar->addAction(QStringLiteral("Export"));
    export_action->setObjectName(QStringLiteral("export"));
    export_action->setVisible(false);
    connect(export_action, &QAction::triggered, this, &Form8::export_Click);

    QAction *about = bar->addAction(QStringLiteral("About"));
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
    loadimages();
    retval();
    if (board_mode == kBrowseMode) {
        Text1->setReadOnly(true);
        Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        Label4->hide();
        export_action->setVisible(true);
        disp_sig();
    }
    describe_window(this, board_mode == kBrowseMode
                              ? QStringLiteral("Signatures of %1").arg(BoardSettings.title)
                              : QStringLiteral("Sign-in board %1").arg(BoardSettings.title));
    describe_for_screen_reader(true);
    show_full_screen_size();
    activateWindow();
    Text1->setFocus();
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
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    if (watched == Text1 && event->type() == QEvent::KeyPress)
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

// The main panel is centred in the client area and everything else keeps its
// design offset from it; the backdrop fills the client area.
void Form8::Form_Resize()
{
    const QSize client = centralWidget()->size();
    Image1->setGeometry(0, 0, client.width(), client.height());

    const int left = centred(client.width(), Shape1[0]->width());
    const int top = centred(client.height(), Shape1[0]->height());
    Shape1[0]->move(left, top);
    Shape1[1]->move(left + 7, top + 208);
    Image3->move(left + 72, top + 64);
    Text1->move(left + 208, top + 136);
    Label4->move(Text1->x() + 16, Text1->y() + 112);
    Label3->move(left + 208, top + 64);
    Label2->move(left + 128, top + 32);
    Image2[1]->move(Shape1[1]->x() + 46, Shape1[1]->y() + 15);
    Image2[0]->move(Shape1[1]->x() + 46, Shape1[1]->y() + 66);
    Label1[1]->move(Image2[1]->x() + 51, Image2[1]->y() + 10);
    Label1[0]->move(Image2[0]->x() + 51, Image2[0]->y() + 10);
}

void Form8::loadimages()
{
    Image1->set_picture(load_picture(QStringLiteral("b_%1.jpg").arg(BoardSettings.backdrop_idx)));
    Image3->set_picture(load_picture(QStringLiteral("t_%1.jpg").arg(BoardSettings.theme_idx)));
    Image3->fit_to_picture();
    if (board_mode != kGuestMode) {
        Image2[1]->set_picture(load_picture(QStringLiteral("svf.jpg")));
        Image2[0]->set_picture(load_picture(QStringLiteral("svb.jpg")));
        set_button_caption(1, kNextCaption);
        set_button_caption(0, kPreviousCaption);
    } else {
        Image2[0]->set_picture(load_picture(QStringLiteral("xmark.jpg")));
        Image2[1]->set_picture(load_picture(QStringLiteral("check.jpg")));
    }
}

void Form8::set_button_caption(int index, const QString &caption)
{
    Label1[index]->setText(caption);
    Label1[index]->setAccessibleName(caption);
    Image2[index]->setAccessibleName(caption);
}

void Form8::retval()
{
    Label2->setText(BoardSettings.title);
    Label3->setText(widget_text(BoardSettings.welcome_msg));
}

// With no notes at all the position reads 0 of 0.
void Form8::disp_sig()
{
    Text1->setPlainText(widget_text(sig_text.at(sig_pos)));
    const qsizetype shown = sig_count > 0 ? sig_pos + 1 : 0;
    Label2->setText(QStringLiteral("%1 (%2 of %3)").arg(BoardSettings.title).arg(shown).arg(sig_count));
}

// A screen reader reads the note area's description with it: the title line
// (in browse mode with the position) and, when the board opens, the welcome
// message.
void Form8::describe_for_screen_reader(bool with_welcome)
{
    QString description = Label2->text();
    if (with_welcome && !Label3->text().isEmpty())
        description += QStringLiteral(". ") + Label3->text();
    Text1->setAccessibleDescription(description);
}

void Form8::proc(int idx)
{
    if (board_mode == kGuestMode) {
        if (idx == 1)
            save_note();
        else if (idx == 0)
            start_over();
    } else {
        if (idx == 1)
            next_signature();
        else if (idx == 0)
            previous_signature();
    }
}

// A note that cannot be written stays in the note area, so the guest can
// try again instead of losing it.
void Form8::save_note()
{
    // The raw text keeps every character as typed, no-break spaces included.
    const QString note = Text1->document()->toRawText();
    if (note.isEmpty())
        return;
    play_sound(BoardSettings.save_sound);
    if (append_note(stored_text(note))) {
        show_message(this, MessageIcon::Information, BoardSettings.thanks_msg);
        Text1->clear();
    } else {
        show_message(this, MessageIcon::Critical, kNoteNotSaved);
    }
    Text1->setFocus();
}

void Form8::start_over()
{
    Text1->clear();
    play_sound(BoardSettings.reset_sound);
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

void Form8::Image2_Click(int index)
{
    proc(index);
}

void Form8::Label1_Click(int index)
{
    proc(index);
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
    exporter();
}

void Form8::exporter()
{
    const QString text = export_text(BoardSettings.title, sig_text, sig_count);
    show_export(this, text);
}
