#pragma once

#include <QString>

// Every sound request goes through one player. Requests are asynchronous and
// each one cuts off the sound that plays; a file that cannot be played is
// silence. Tests install a recorder.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &path) = 0;
};

void set_sound_player(SoundPlayer *player); // not owned; nullptr for silence

// A request for that wave file, whatever the Sound menu says.
void play_file(const QString &path);

// The board sound of that base name from the audio folder, when sound is on.
void play_sound(const QString &name);

// Ends any sound still playing (a request for the sound named " ").
void cut_sound();
