#pragma once

#include "core/sound.h"
#include "ui/common/message_box.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

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

// A fresh app folder on a small tmpfs of its own (options as for mount(8):
// "size=256k"), mounted in a mount namespace of this process's own, so that
// a test run as root can fill it or make it read-only; detached when the
// object goes. why_not says why it could not be mounted: the test skips.
class TmpfsAppFolder : public TempAppFolder {
public:
    explicit TmpfsAppFolder(const QByteArray &options);
    ~TmpfsAppFolder();
    QByteArray native_path() const;
    QString why_not;
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

// Puts every shared value back to its start: the board, the note table, the
// modes and the animation.
void reset_app_state();

// Offscreen windows need the font substitutes the program installs.
void init_ui_test_environment();

// The fixture of the window tests: the offscreen fonts once, and after every
// test function the program's windows closed. A test that calls
// open_fixture() (in its init(), or again for a fresh start) gets a fresh app
// folder and the message and sound recorders until the function ends.
class WindowTest : public QObject {
    Q_OBJECT
protected:
    void open_fixture(bool with_media = true);
    std::unique_ptr<TempAppFolder> folder;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<SoundRecorder> sounds;

private slots:
    void initTestCase() { init_ui_test_environment(); }
    void cleanup();
};

// Lets windows closed with WA_DeleteOnClose go, as the event loop would
// between two clicks.
void flush_deletions();
// Deletes every window the program opened, closes any other, and flushes
// pending deletions.
void close_all_windows();
// The shown top-level window of that object name, or nullptr.
QWidget *find_window(const QString &object_name);
// How many shown top-level windows carry that object name.
int count_windows(const QString &object_name);

// Top-level widgets of one class (the window hand-over leaves exactly one).
template <typename T> QList<T *> windows_of()
{
    QList<T *> out;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *t = qobject_cast<T *>(w))
            out.append(t);
    }
    return out;
}

template <typename T> T *child(QWidget *window, const QString &name)
{
    return window ? window->findChild<T *>(name) : nullptr;
}

// Signature file bytes written by hand: each note's lines (given with "\n"),
// then the separator line.
QByteArray sig_file(const QStringList &notes);
