#include "ui/common/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char *const kPresentedAsWindow = "presented_as_window";
const char *const kCaption = "caption_of_a_control";

QList<QWidget *> announced_children(const QWidget *window)
{
    QList<QWidget *> out;
    for (QObject *child : window->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isWindow() && !widget->property(kCaption).toBool())
            out.append(widget);
    }
    return out;
}

// A top-level widget seen as a window whose captions are left out.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(announced_children(widget()).size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = announced_children(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(announced_children(widget()).indexOf(static_cast<QWidget *>(child->object())));
    }
};

QAccessibleInterface *window_factory(const QString &, QObject *object)
{
    // Main windows are windows to assistive technology already.
    if (!object || !object->isWidgetType() || !object->property(kPresentedAsWindow).toBool()
        || object->inherits("QMainWindow"))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    return widget->isWindow() ? new WindowAccessible(widget) : nullptr;
}

} // namespace

void install_accessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(window_factory);
}

void describe_window(QWidget *window, const QString &where)
{
    window->setProperty(kPresentedAsWindow, true);
    window->setAccessibleDescription(where);
}

void mark_as_caption(QWidget *label)
{
    label->setProperty(kCaption, true);
}

void present_anew(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface *old = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    if (widget->hasFocus()) {
        QAccessibleEvent focus(widget, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
