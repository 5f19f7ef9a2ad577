#pragma once

#include <QApplication>
#include <QLabel>
#include <QList>
#include <QWidget>

// Top-level widgets of one class (the window hand-over leaves exactly one).
template <typename T>
QList<T *> windows_of()
{
    QList<T *> out;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *t = qobject_cast<T *>(w))
            out.append(t);
    }
    return out;
}

// Closes every window and deletes what was closed. A window that returns to
// the main menu when it closes opens a new one, so this goes round until
// nothing is left open.
inline void close_all_windows()
{
    for (int round = 0; round < 10; ++round) {
        bool closed = false;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                w->close();
                closed = true;
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!closed)
            return;
    }
}
