#pragma once

#include "core/sound.h"
#include "ui/common/message_box.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh app folder in a temporary directory for one test. The built media/
// and audio/ folders are linked into it unless told otherwise; the shared
// state is reset and the core points at the folder until the object goes.
class TempAppFolder {
public:
    explicit TempAppFolder(bool with_media = true);
    ~TempAppFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    // Replaces the linked audio folder by a real one holding empty wave files.
    void make_audio_folder(const QStringList &file_names) const;

private:
    QTemporaryDir dir_;
};

// Records every message box instead of showing it; the box counts as answered.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    QList<QPair<MessageIcon, QString>> boxes;
    QStringList texts() const;
    QString last() const { return boxes.isEmpty() ? QString() : boxes.last().second; }
    void clear() { boxes.clear(); }
    // Called for each box after it was recorded, while it is "on screen".
    std::function<void()> on_box;
};

// Records every sound request instead of playing it.
class SoundRecorder : public SoundPlayer {
public:
    SoundRecorder();
    ~SoundRecorder() override;
    void play(const QString &path) override { paths.append(path); }
    QStringList paths;
};

// Offscreen windows need the font substitutes the program installs.
void init_ui_test_environment();
