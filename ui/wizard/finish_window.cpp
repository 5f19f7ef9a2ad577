#include "ui/wizard/finish_window.h"

#include "core/board_file.h"
#include "ui/common/accessibility.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_area.h"
#include "ui/common/window_conventions.h"
#include "ui/wizard/board_rename.h"

#include <QLabel>

Form7::Form7() : WizardWindow(QStringLiteral("Form7"), Window::Step5, Window::MainMenu)
{
    describe_window(this, QStringLiteral("Finish: save the board"));
    set_next_name(QStringLiteral("Finish"));
    image3_ = add_picture(QStringLiteral("Image3"), 1867, 630, 3390, 495);
    image4_ = add_picture(QStringLiteral("Image4"), 2580, 2325, 1950, 450);
    image5_ = add_picture(QStringLiteral("Image5"), 1177, 3600, 4770, 525);

    add_label(QStringLiteral("Label1_1"),
              QStringLiteral("Congratulations! You're all set to party. A sign-in board has been "
                             "created and will be saved under the title, '")
                  + BoardSettings.title + QStringLiteral("'."),
              heading_font(), twips_rect(120, 120, 6915, 825));
    add_label(QStringLiteral("Label1_0"),
              QStringLiteral("When you're ready to use your sign-in board, just click this title "
                             "on Quillora 2003's opening screen. Then select the green traffic "
                             "light. Note that you can also edit this sign-in board at any time, "
                             "by clicking the large pencil on the opening screen. Changing a board "
                             "will not delete any signatures already stored on that board."),
              heading_font(), twips_rect(120, 1110, 6915, 1200));
    add_label(QStringLiteral("Label1_2"),
              QStringLiteral("Please click the rightward arrow to return to the Quillora 2003 "
                             "opening screen."),
              heading_font(), twips_rect(120, 2745, 6915, 600));
}

void Form7::loadimages()
{
    WizardWindow::loadimages();
    load_into(image3_, QStringLiteral("fdiv1.jpg"));
    load_into(image4_, QStringLiteral("fdiv2.jpg"));
    load_into(image5_, QStringLiteral("pbanner.jpg"));
}

// The old files of a retitled board are touched only once the board is safe
// under its new title.
void Form7::Image2_Click()
{
    const bool ok = save_board(BoardSettings.title);
    if (ok)
        show_message(this, MessageIcon::Information, kBoardSavedMessage);
    else
        show_message(this, MessageIcon::Critical, kBoardNotSavedMessage);
    if (ok && board_was_retitled(BoardSettings)
        && !move_old_board(BoardSettings.loaded_title, BoardSettings.title))
        show_message(this, MessageIcon::Critical, kNotesNotMovedMessage);
    hand_over(this, Window::MainMenu);
}
