#include "core/sound.h"

#include "core/app_folder.h"
#include "core/app_state.h"

namespace {

SoundPlayer *&current_player()
{
    static SoundPlayer *player = nullptr;
    return player;
}

} // namespace

void set_sound_player(SoundPlayer *player)
{
    current_player() = player;
}

void play_file(const QString &path)
{
    if (SoundPlayer *player = current_player())
        player->play(path);
}

void play_sound(const QString &name)
{
    if (sound_on != kTrue)
        return;
    play_file(resolve_audio_file(name));
}

void cut_sound()
{
    play_file(QStringLiteral(" "));
}
