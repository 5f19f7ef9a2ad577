#include "ui/wizard/step1_window.h"

#include "core/app_folder.h"
#include "core/board_file.h"
#include "ui/common/accessibility.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_area.h"
#include "ui/common/window_conventions.h"
#include "ui/wizard/one_line_validator.h"
#include "ui/wizard/shape_outline.h"

#include <QLineEdit>
#include <limits>

namespace {

const QString kEmptyTitleMessage = QStringLiteral(
    "Please enter a title for your sign-in board; such as \"Joe's Graduation Party\", "
    "\"Wendy's Birthday Party\", etc.");
const QString kInvalidTitleMessage = QStringLiteral(
    "Your title contains invalid symbols. Please try again using numbers, letters, and "
    "basic punctuation.");

const QString kLongTitleMessage =
    QStringLiteral("Your title is too long. Please try again using a title of no more than "
                   "%1 characters.").arg(kMaxTitleBytes);

QString duplicate_title_message(const QString &title)
{
    return QStringLiteral("You cannot name this project '") + title
           + QStringLiteral("' because a Quillora already exists with this title and may "
                            "contain signatures. Please choose a different title.");
}

QLineEdit *make_text_box(QWidget *parent, const QString &object_name, const QString &name,
                         const QFont &font, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(object_name);
    box->setAccessibleName(name);
    box->setFont(font);
    box->setGeometry(geometry);
    return box;
}

} // namespace

Form2::Form2() : WizardWindow(QStringLiteral("Form2"), Window::MainMenu, Window::Step2)
{
    describe_window(this, QStringLiteral("Step 1 of 5: title and password"));
    auto *shape = new ShapeOutline(Qt::black, 1, this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(twips_rect(240, 240, 6615, 2895));

    add_label(QStringLiteral("Label1_0"),
              QStringLiteral("Step 1: Type a title for your sign-in board below:"),
              heading_font(), twips_rect(345, 360, 6435, 375));
    text1_ = make_text_box(this, QStringLiteral("Text1"), QStringLiteral("Title"),
                           ms_sans_serif(8.25, true), twips_rect(1800, 960, 3615, 375));
    image3_ = add_picture(QStringLiteral("Image3"), 5655, 780, 660, 855);
    add_label(QStringLiteral("Label1_1"),
              QStringLiteral("If you would like to make your sign-in board signatures private, "
                             "type a password below:"),
              heading_font(), twips_rect(345, 1680, 6435, 615));
    image4_ = add_picture(QStringLiteral("Image4"), 1080, 2250, 645, 810);
    // The password is shown as typed; it is no secret from the host.
    text2_ = make_text_box(this, QStringLiteral("Text2"), QStringLiteral("Password"),
                           ms_sans_serif(8.25), twips_rect(2475, 2400, 2175, 375));
    text2_->setValidator(new OneLineValidator(text2_));
    text2_->setMaxLength(std::numeric_limits<int>::max());
    // The title keeps the text box's own limit of 32767 characters, the most
    // a title may have.
    setTabOrder(text1_, text2_);
}

void Form2::loadimages()
{
    WizardWindow::loadimages();
    load_into(image3_, QStringLiteral("lbulb.jpg"));
    load_into(image4_, QStringLiteral("lock.jpg"));
}

void Form2::retval()
{
    text1_->setText(BoardSettings.title);
    text2_->setText(BoardSettings.password);
}

void Form2::setval()
{
    BoardSettings.title = text1_->text();
    BoardSettings.password = text2_->text();
}

bool Form2::valdata()
{
    const QString title = text1_->text();
    if (title.isEmpty()) {
        show_message(this, MessageIcon::Information, kEmptyTitleMessage);
        return false;
    }
    if (!valid_title(title)) {
        show_message(this, MessageIcon::None, kInvalidTitleMessage);
        return false;
    }
    if (!title_fits_file_names(title)) {
        show_message(this, MessageIcon::Information, kLongTitleMessage);
        return false;
    }
    // Only another board's file counts; a signature file alone does not.
    const bool taken = !find_app_file(title, kBoardExt).isEmpty()
                       && title.toLower() != BoardSettings.loaded_title.toLower();
    if (taken) {
        show_message(this, MessageIcon::Information, duplicate_title_message(title));
        return false;
    }
    return true;
}

bool Form2::valid_title(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!valid_title_char(text.mid(i, 1)))
            return false;
    }
    return true;
}

// The title names the board's files, so the path separator "/" is no mark
// a title may hold: "../x" would name a file outside the app folder.
bool Form2::valid_title_char(const QString &character)
{
    if (character.size() != 1)
        return false;
    const char16_t c = character.at(0).unicode();
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
        return true;
    return c == u' ' || QStringView(u")(.&'-,").contains(QChar(c));
}
