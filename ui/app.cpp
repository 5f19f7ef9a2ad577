#include "ui/app.h"

#include "core/safe_file.h"
#include "core/single_instance.h"
#include "core/sound_effect_player.h"
#include "core/startup.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/window_conventions.h"

#include <QApplication>

int run_quillora(QApplication &app)
{
    ignore_file_size_signal();
    // The desktop entry the window belongs to, so the desktop shows the
    // program's own name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillora.quillora"));
    apply_application_conventions();

    SoundEffectPlayer player;
    set_sound_player(&player);

    SingleInstance instance;
    int code = 0;
    if (start_program(instance)) {
        show_window(Window::MainMenu);
        code = app.exec();
    } else {
        show_message(nullptr, MessageIcon::Exclamation, already_running_message());
    }
    set_sound_player(nullptr);
    return code;
}
