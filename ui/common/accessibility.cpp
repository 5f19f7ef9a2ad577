#include "ui/common/accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStyle>
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

// A plain picture area, one that lets the mouse through, is no button.
QAccessibleInterface *picture_factory(const QString &class_name, QObject *object)
{
    if (class_name != QLatin1String("PictureArea"))
        return nullptr;
    auto *area = static_cast<QWidget *>(object);
    return area->testAttribute(Qt::WA_TransparentForMouseEvents) ? new QAccessibleWidget(area) : nullptr;
}

void tell_assistive_technology(QAccessibleEvent *event);

// Hands an event to the platform's accessibility bridge, which Qt reaches
// only when no update handler is installed.
void pass_on(QAccessibleEvent *event)
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tell_assistive_technology);
}

// What a masked field shows in place of `text`: its mask character for each
// character, nothing for a field that shows nothing.
QString masked(const QLineEdit *field, const QString &text)
{
    if (field->echoMode() == QLineEdit::NoEcho)
        return {};
    const int mask = field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field);
    return QString(text.size(), QChar(mask));
}

// A line edit tells assistive technology the characters typed into it
// whatever its echo mode, so a screen reader would read a password aloud and
// any program on the accessibility bus could read it. The text events of a
// masked field go out with what the field shows instead.
void tell_assistive_technology(QAccessibleEvent *event)
{
    // updateAccessibility has already given a table its model change, and
    // the AT-SPI bridge of this Qt sends nothing for it: passing it on would
    // apply it to the table twice.
    if (event->type() == QAccessible::TableModelChanged)
        return;
    auto *field = qobject_cast<QLineEdit *>(event->object());
    if (!field || field->echoMode() == QLineEdit::Normal) {
        pass_on(event);
        return;
    }
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent shown(field, inserted->changePosition(),
                                         masked(field, inserted->textInserted()));
        pass_on(&shown);
        break;
    }
    case QAccessible::TextRemoved: {
        const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent shown(field, removed->changePosition(),
                                         masked(field, removed->textRemoved()));
        pass_on(&shown);
        break;
    }
    case QAccessible::TextUpdated: {
        const auto *updated = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent shown(field, updated->changePosition(),
                                         masked(field, updated->textRemoved()),
                                         masked(field, updated->textInserted()));
        pass_on(&shown);
        break;
    }
    default:
        pass_on(event);
    }
}

} // namespace

void install_accessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(window_factory);
    QAccessible::installFactory(picture_factory);
    QAccessible::installUpdateHandler(tell_assistive_technology);
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
