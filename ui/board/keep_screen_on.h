#pragma once

#include <QDBusMessage>
#include <QObject>

class QWidget;

// While it lives, the screen neither blanks nor locks for idleness. It asks
// the desktop: through its portal when the program runs sandboxed, else
// through the screen saver on the session bus; where no bus answers, it
// suspends the X server's own screen saver. With none of them it changes
// nothing. It lives as a child of the window it keeps on screen.
class KeepScreenOn : public QObject {
public:
    explicit KeepScreenOn(QWidget *window);
    ~KeepScreenOn() override;

private:
    void answered(const QDBusMessage &release);

    QDBusMessage release_; // ends the desktop's hold, once it has one
    bool x11_suspended_ = false;
};
