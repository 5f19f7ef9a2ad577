#include "ui/board/board_screen.h"

#include "core/app_state.h"
#include "core/board_file.h"
#include "core/line_codec.h"
#include "ui/board/note_area.h"
#include "ui/common/click_label.h"
#include "ui/common/picture_area.h"
#include "ui/common/pictures.h"
#include "ui/common/window_conventions.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr QSize kMainPanel(593, 313);
constexpr QSize kButtonPanel(210, 131);
constexpr QSize kThemePicture(129, 121);
constexpr QSize kButton(48, 48);
constexpr int kPanelBorder = 4;
const QColor kNoteOutline(96, 96, 96);

const QString kTip = QStringLiteral(
    "Tip: Write from line to line naturally. Only press the return key when you want to "
    "skip lines in your message.");
const QString kSaveCaption = QStringLiteral("Save My Note");
const QString kStartOverCaption = QStringLiteral("Start Over");
const QString kNextCaption = QStringLiteral("Next Signature");
const QString kPreviousCaption = QStringLiteral("Previous Signature");

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

// Created bottom to top: each control lies above the ones before it.
BoardScreen::BoardScreen(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
    Image1 = new PictureArea(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->set_stretch(true);

    Shape1[0] = make_panel(this, QStringLiteral("Shape1_0"), kMainPanel);

    Image3 = new PictureArea(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->resize(kThemePicture);

    Label2 = make_label(this, QStringLiteral("Label2"), QString(), ms_sans_serif(13.5, true),
                        QRect(0, 0, 337, 25), Qt::AlignHCenter | Qt::AlignTop);
    // A long title is shortened rather than wrapped onto a line the label
    // has no room for.
    Label2->setWordWrap(false);
    Label3 = make_label(this, QStringLiteral("Label3"), QString(), ms_sans_serif(8.25, true),
                        QRect(0, 0, 313, 65));

    Shape1[1] = make_panel(this, QStringLiteral("Shape1_1"), kButtonPanel);

    build_buttons();

    Label4 = make_label(this, QStringLiteral("Label4"), kTip, ms_sans_serif(8.25),
                        QRect(0, 0, 241, 65));

    Text1 = new NoteArea(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Note"));
    Text1->setFont(ms_sans_serif(8.25));
    Text1->resize(329, 105);
    // A plain outline of its own: the style's faint frame is lost on a
    // screen of one and a half device pixels to the pixel, and a guest
    // must see where to type.
    Text1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Text1->setLineWidth(1);
    QPalette outline = Text1->palette();
    outline.setColor(QPalette::WindowText, kNoteOutline);
    Text1->setPalette(outline);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void BoardScreen::build_buttons()
{
    const std::array<QString, 2> captions{kStartOverCaption, kSaveCaption};
    const std::array<int, 2> caption_widths{74, 79};
    // The upper button (index 1) lies below the lower one in the stacking order.
    for (int i : {1, 0}) {
        Image2[i] = new PictureArea(this, PictureArea::Press::Mouse);
        Image2[i]->setObjectName(QStringLiteral("Image2_%1").arg(i));
        Image2[i]->resize(kButton);
        connect(Image2[i], &PictureArea::clicked, this, [this, i] { emit clicked(i); });

        Label1[i] = new ClickLabel(this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setFont(ms_sans_serif(9.75, true));
        Label1[i]->setTextFormat(Qt::PlainText);
        Label1[i]->setWordWrap(true);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Label1[i]->resize(caption_widths[i], 34);
        connect(Label1[i], &ClickLabel::clicked, this, [this, i] { emit clicked(i); });

        set_button_caption(i, captions[i]);
    }
}

void BoardScreen::resizeEvent(QResizeEvent *)
{
    Form_Resize();
}

// The main panel is centred in the client area and everything else keeps its
// design offset from it; the backdrop fills the client area.
void BoardScreen::Form_Resize()
{
    const QSize client = size();
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

void BoardScreen::load()
{
    loadimages();
    show_title(QString());
    Label3->setText(widget_text(BoardSettings.welcome_msg));
    if (board_mode == kBrowseMode) {
        Text1->setReadOnly(true);
        Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        Label4->hide();
    }
}

void BoardScreen::loadimages()
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

void BoardScreen::set_button_caption(int index, const QString &caption)
{
    Label1[index]->setText(caption);
    Label1[index]->setAccessibleName(caption);
    Image2[index]->setAccessibleName(caption);
}

void BoardScreen::show_title(const QString &suffix)
{
    show_shortened(Label2, BoardSettings.title, suffix);
}

// The title line (in browse mode with the position), when the board opens
// the welcome message, and for a guest the key that saves, which nothing on
// screen tells.
void BoardScreen::describe_for_screen_reader(bool with_welcome)
{
    QString description = Label2->accessibleName();
    if (with_welcome && !Label3->text().isEmpty())
        description += QStringLiteral(". ") + Label3->text();
    if (board_mode == kGuestMode) {
        if (!description.isEmpty() && !description.endsWith(QLatin1Char('\n')))
            description += QStringLiteral(". ");
        description += QStringLiteral("Press Ctrl+Return to save your note.");
    }
    Text1->setAccessibleDescription(description);
}
