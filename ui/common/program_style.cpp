#include "ui/common/program_style.h"

#include <QGuiApplication>
#include <QWidget>

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const
{
    // An option can ask for a particular look; only plain requests are kept.
    if (option)
        return QProxyStyle::standardIcon(which, option, widget);
    const bool right_to_left = widget ? widget->isRightToLeft() : QGuiApplication::isRightToLeft();
    const int key = int(which) * 2 + (right_to_left ? 1 : 0);
    auto found = icons_.constFind(key);
    if (found == icons_.constEnd())
        found = icons_.insert(key, QProxyStyle::standardIcon(which, nullptr, widget));
    return *found;
}
