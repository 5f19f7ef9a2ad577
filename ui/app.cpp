#include "ui/app.h"

#include "core/safe_file.h"
#include "core/single_instance.h"
#include "core/sound_effect_player.h"
#include "core/startup.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/window_conventions.h"

#include <QApplication>

bool start_quillora(SingleInstance &instance, const std::function<void(const QString &)> &tell_already_running)
{
    const StartupSteps steps{tell_already_running, [] { show_window(Window::MainMenu); }};
    return start_program(instance, steps);
}

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
    const bool running = start_quillora(instance, [](const QString &text) {
        show_message(nullptr, MessageIcon::Exclamation, text);
    });
    const int code = running ? app.exec() : 0;
    set_sound_player(nullptr);
    return code;
}
