#pragma once

class QFocusEvent;
class QPainter;
class QRect;
class QWidget;

// Whether a widget draws that it has the keyboard focus. The mark shows only
// once the keyboard is in use (the focus came by Tab, or a key was pressed in
// the widget), so a mouse user sees the window exactly as before.
class FocusMark {
public:
    void focus_in(QWidget *widget, const QFocusEvent *event);
    void focus_out(QWidget *widget, const QFocusEvent *event);
    void key_pressed(QWidget *widget);
    bool shown(const QWidget *widget) const;

    // A dotted outline just inside `area`.
    static void draw(QPainter &painter, const QRect &area);

private:
    bool keyboard_ = false;
};
