// The one place that knows every window: windows name the next one and
// include only ui/common/hand_over.h.
#include "ui/common/hand_over.h"

#include "ui/board/board_window.h"
#include "ui/board/export_window.h"
#include "ui/board/password_gate.h"
#include "ui/mainmenu/main_menu.h"
#include "ui/wizard/finish_window.h"
#include "ui/wizard/step1_window.h"
#include "ui/wizard/step2_window.h"
#include "ui/wizard/step3_window.h"
#include "ui/wizard/step4_window.h"
#include "ui/wizard/step5_window.h"

#include "core/app_state.h"
#include "ui/common/text_box.h"

namespace {

// What the host looked at stays with the host: a board opened for guests
// finds no export window beside it, and none of the text the host copied
// (the exported notes, a note copied while browsing).
void withdraw_host_view()
{
    Form10::close_open_window();
    withdraw_copied_text();
}

} // namespace

void show_window(Window next)
{
    switch (next) {
    case Window::MainMenu: Form1::open(); break;
    case Window::Step1: Form2::open(); break;
    case Window::Step2: Form3::open(); break;
    case Window::Step3: Form4::open(); break;
    case Window::Step4: Form5::open(); break;
    case Window::Step5: Form6::open(); break;
    case Window::Finish: Form7::open(); break;
    case Window::Board:
        if (board_mode == kGuestMode)
            withdraw_host_view();
        Form8::open();
        break;
    case Window::Gate: Form9::open(); break;
    }
}

void hand_over(QWidget *from, Window next)
{
    show_window(next);
    from->close();
}

void show_export(QWidget *beside, const QString &text)
{
    Form10 *window = Form10::show_text(text);
    window->setWindowIcon(beside->windowIcon());
}
