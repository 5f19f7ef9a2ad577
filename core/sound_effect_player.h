#pragma once

#include "core/sound.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QSoundEffect;
class QWindow;

// Calls back once a window has been exposed (and so painted), hidden or
// destroyed.
class ExposeWaiter : public QObject {
public:
    void wait(QWindow *window, std::function<void()> then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void done();
    QPointer<QWindow> window_;
    std::function<void()> then_;
};

// The program's one sound channel, on Qt Multimedia.
class SoundEffectPlayer : public SoundPlayer {
public:
    SoundEffectPlayer();
    ~SoundEffectPlayer() override;
    void play(const QString &path) override;

private:
    void start_when_painted();
    void start(const QString &path);

    std::unique_ptr<QSoundEffect> effect_;
    QString pending_;
    bool start_due_ = false;
    // The context of the start that is due; it ends with the player.
    ExposeWaiter due_;
};
