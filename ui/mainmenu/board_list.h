#pragma once

#include "ui/common/focus_mark.h"

#include <QList>
#include <QWidget>

class ClickLabel;

// The main menu's board slots as one list. It takes the keyboard focus by
// Tab (or when a slot is picked), asks for the selection to move on Up and
// Down, and reaches assistive technology as a list whose items are the
// slots, each with the selected state and a "Press" and "Select" action that
// clicks it. Drawn only as a focus outline while the keyboard is in use.
class BoardList : public QWidget {
    Q_OBJECT
public:
    static inline const QString kSelectAction = QStringLiteral("Select");

    explicit BoardList(QWidget *parent);

    // Makes the slot the list's next item; `geometry` is in the coordinates
    // of the list's parent and lies inside the list.
    void add_slot(ClickLabel *slot, const QRect &geometry);
    ClickLabel *slot(int index) const { return slots_.value(index); }

    int selected() const { return selected_; }
    // Takes the keyboard focus and tells assistive technology which slot is
    // selected now.
    void set_selected(int index);

signals:
    // -1 for Up, +1 for Down.
    void step_requested(int direction);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ClickLabel *> slots_;
    int selected_ = -1;
    FocusMark focus_mark_{this};
};
