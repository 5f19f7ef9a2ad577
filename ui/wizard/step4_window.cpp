#include "ui/wizard/step4_window.h"

#include "core/board_file.h"
#include "core/line_codec.h"
#include "ui/common/accessibility.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_area.h"
#include "ui/common/text_box.h"
#include "ui/common/window_conventions.h"
#include "ui/wizard/one_line_validator.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <limits>

Form5::Form5() : WizardWindow(QStringLiteral("Form5"), Window::Step3, Window::Step5, Frame::Resizable)
{
    describe_window(this, QStringLiteral("Step 4 of 5: welcome and thank-you messages"));
    add_label(QStringLiteral("Label1_0"),
              QStringLiteral("Step 4: Write your welcome message. This will appear under the "
                             "title on your sign-in board:"),
              heading_font(), twips_rect(120, 135, 6915, 600));

    text1_ = new TextBox(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Welcome message"));
    text1_->setFont(ms_sans_serif(8.25, true));
    text1_->setGeometry(twips_rect(975, 720, 5175, 1215));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setTabChangesFocus(true);

    add_label(QStringLiteral("Label1_1"),
              QStringLiteral("If desired, customize your thank-you message, which will appear "
                             "after people sign your board."),
              heading_font(), twips_rect(120, 2160, 6915, 600));

    text2_ = new QLineEdit(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setAccessibleName(QStringLiteral("Thank-you message"));
    text2_->setFont(ms_sans_serif(8.25, true));
    text2_->setGeometry(twips_rect(975, 2760, 5175, 375));
    text2_->setValidator(new OneLineValidator(text2_));
    text2_->setMaxLength(std::numeric_limits<int>::max());
    setTabOrder(text1_, text2_);

    image3_ = add_picture(QStringLiteral("Image3"), 2775, 3390, 2130, 720);
}

void Form5::loadimages()
{
    WizardWindow::loadimages();
    load_into(image3_, QStringLiteral("lpeople.jpg"));
}

void Form5::retval()
{
    text1_->setPlainText(widget_text(BoardSettings.welcome_msg));
    text2_->setText(BoardSettings.thanks_msg);
}

void Form5::setval()
{
    // The raw text keeps every character as typed (toPlainText would turn
    // non-breaking spaces into blanks).
    BoardSettings.welcome_msg = stored_text(text1_->document()->toRawText());
    BoardSettings.thanks_msg = text2_->text();
}

// Only the empty text is refused; blanks or line breaks alone pass.
bool Form5::valdata()
{
    if (text1_->document()->isEmpty()) {
        show_message(this, MessageIcon::Information,
                     QStringLiteral("Please type a welcome message before continuing."));
        return false;
    }
    if (text2_->text().isEmpty()) {
        show_message(this, MessageIcon::Information,
                     QStringLiteral("Please type a thank you message before continuing."));
        return false;
    }
    return true;
}
