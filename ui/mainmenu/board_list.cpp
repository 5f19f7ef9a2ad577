#include "ui/mainmenu/board_list.h"

#include "ui/common/accessibility.h"
#include "ui/common/click_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace {

// One slot of the list: a list item that can be selected by its actions.
class BoardSlotAccessible : public QAccessibleWidget {
public:
    BoardSlotAccessible(ClickLabel *slot, BoardList *list)
        : QAccessibleWidget(slot, QAccessible::ListItem), list_(list)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const bool selected = list_->selected() >= 0 && list_->slot(list_->selected()) == widget();
        s.selectable = true;
        s.selected = selected;
        s.focusable = true;
        s.focused = selected && list_->hasFocus();
        return s;
    }

    QStringList actionNames() const override
    {
        return {pressAction(), BoardList::kSelectAction};
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() || name == BoardList::kSelectAction)
            emit static_cast<ClickLabel *>(widget())->clicked();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    BoardList *list_;
};

// The slots that name a board; an empty slot is no item of the list, so a
// screen reader counts the boards it shows.
QList<ClickLabel *> board_slots(const BoardList *list)
{
    QList<ClickLabel *> out;
    for (int i = 0; ClickLabel *slot = list->slot(i); ++i) {
        if (!slot->text().isEmpty())
            out.append(slot);
    }
    return out;
}

class BoardListAccessible : public QAccessibleWidget {
public:
    explicit BoardListAccessible(BoardList *list) : QAccessibleWidget(list, QAccessible::List) {}

    int childCount() const override { return int(board_slots(list()).size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<ClickLabel *> items = board_slots(list());
        if (index < 0 || index >= items.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(items.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(board_slots(list()).indexOf(qobject_cast<ClickLabel *>(child->object())));
    }

    QAccessibleInterface *focusChild() const override
    {
        auto *list = static_cast<BoardList *>(widget());
        if (!list->hasFocus() || list->selected() < 0)
            return nullptr;
        return QAccessible::queryAccessibleInterface(list->slot(list->selected()));
    }

private:
    BoardList *list() const { return static_cast<BoardList *>(widget()); }
};

QAccessibleInterface *board_list_factory(const QString &class_name, QObject *object)
{
    if (class_name == QLatin1String("BoardList"))
        return new BoardListAccessible(static_cast<BoardList *>(object));
    if (class_name == QLatin1String("ClickLabel")) {
        if (auto *list = qobject_cast<BoardList *>(object->parent()))
            return new BoardSlotAccessible(static_cast<ClickLabel *>(object), list);
    }
    return nullptr;
}

void send_event(QObject *object, QAccessible::Event type)
{
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

BoardList::BoardList(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(board_list_factory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("board_list"));
    setAccessibleName(QStringLiteral("Boards"));
    setFocusPolicy(Qt::TabFocus);
}

void BoardList::add_slot(ClickLabel *slot, const QRect &geometry)
{
    slot->setParent(this);
    slot->setGeometry(geometry.translated(-pos()));
    slots_.append(slot);
}

void BoardList::set_selected(int index)
{
    const int before = selected_;
    selected_ = index;
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
    if (!QAccessible::isActive())
        return;
    if (ClickLabel *old = slot(before); old && before != index)
        send_event(old, QAccessible::SelectionRemove);
    if (ClickLabel *now = slot(index)) {
        // Selected again after the list scrolled: the slot names another
        // board now.
        if (before == index)
            present_anew(now);
        send_event(now, QAccessible::SelectionAdd);
        send_event(now, QAccessible::Focus);
    }
}

void BoardList::keyPressEvent(QKeyEvent *event)
{
    const int direction = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
    if (direction == 0 || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    focus_mark_.key_pressed();
    emit step_requested(direction);
}

void BoardList::paintEvent(QPaintEvent *)
{
    if (!focus_mark_.shown())
        return;
    QPainter painter(this);
    FocusMark::draw(painter, rect());
}
