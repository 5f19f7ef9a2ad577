#pragma once

#include "ui/common/picture_area.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

// Drives the wizard the way the host does: by clicking its arrows and
// thumbnails, always in the one window that is on screen.

// Lets closed windows go, as the event loop would between two clicks.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The program's windows on screen.
inline QList<QWidget *> shown_windows()
{
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(QLatin1String("Form")))
            out.append(w);
    }
    return out;
}

// The name of the one window on screen, or a description of what is wrong.
inline QString current_name()
{
    const QList<QWidget *> windows = shown_windows();
    if (windows.size() != 1)
        return QStringLiteral("%1 windows on screen").arg(windows.size());
    return windows.first()->objectName();
}

inline QWidget *current()
{
    const QList<QWidget *> windows = shown_windows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

template <typename T> T *part(const char *name)
{
    QWidget *window = current();
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

// Clicks a picture area of the current window; false when it is not there.
inline bool click(const char *name)
{
    auto *area = part<PictureArea>(name);
    if (!area)
        return false;
    QTest::mouseClick(area, Qt::LeftButton);
    settle();
    return true;
}

inline bool next() { return click("Image2"); }
inline bool back() { return click("Image1"); }

