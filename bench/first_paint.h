#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

// Times a program from its launch to its first window painted, as a person
// sees it: from outside the process, on an X server of its own, by the
// damage the X server reports when the window's pixels are first drawn.
class FirstPaintClock {
public:
    FirstPaintClock();
    ~FirstPaintClock();
    FirstPaintClock(const FirstPaintClock &) = delete;
    FirstPaintClock &operator=(const FirstPaintClock &) = delete;

    // False, with the reason in why(), when no X server could be started.
    bool ready() const { return connection_ != nullptr; }
    QString why() const { return why_; }
    QString display() const { return display_; }

    // Launches `command` with `environment` (DISPLAY is added), waits for the
    // first drawing into a window it mapped, then closes that window and
    // waits for the program to end. Milliseconds from launch to the first
    // paint; negative when no window was painted.
    double launch_to_paint(const QStringList &command, const QStringList &environment);

private:
    struct Connection;
    bool start_server(int display);
    void end_program(qint64 pid, quint32 window);
    void drain_events();

    std::unique_ptr<QProcess> server_;
    std::unique_ptr<Connection> connection_;
    QString display_;
    QString why_;
};

// A session bus of its own for the programs measured, as a desktop has one.
class SessionBus {
public:
    SessionBus();
    ~SessionBus();
    QString address() const { return address_; }

private:
    std::unique_ptr<QProcess> daemon_;
    QString address_;
};
