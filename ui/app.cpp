#include "ui/app.h"

#include "core/safe_file.h"
#include "core/single_instance.h"
#include "core/sound.h"
#include "core/startup.h"
#include "ui/common/hand_over.h"
#include "ui/common/message_box.h"
#include "ui/common/window_conventions.h"

#include <QApplication>
#include <QLibrary>

#include <memory>

namespace {

// Plays through the sound library beside the program, loaded with the first
// request: Qt Multimedia and the sound server's libraries stay out of the
// start-up. Without the library every request is silence.
class SoundLibraryPlayer : public SoundPlayer {
public:
    void play(const QString &path) override
    {
        if (!loaded_) {
            loaded_ = true;
            const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/libquillora_sound.so");
            using Make = SoundPlayer *(*)();
            if (is_plain_file(file, kMaxMediaFileBytes))
                if (const auto make = reinterpret_cast<Make>(QLibrary(file).resolve("make_sound_effect_player")))
                    player_.reset(make());
        }
        if (player_)
            player_->play(path);
    }

private:
    bool loaded_ = false;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace

int run_quillora(QApplication &app)
{
    ignore_file_size_signal();
    // The desktop entry the window belongs to, so the desktop shows the
    // program's own name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillora.quillora"));
    apply_application_conventions();

    SoundLibraryPlayer player;
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
