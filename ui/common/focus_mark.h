#pragma once

#include <QObject>

class QPainter;
class QRect;
class QWidget;

// Whether a widget draws that it has the keyboard focus. The mark shows only
// once the keyboard is in use (the focus came by Tab, or a key was pressed in
// the widget), so a mouse user sees the window exactly as before. It follows
// the widget's focus by itself; the widget tells it of the keys it takes.
class FocusMark : public QObject {
public:
    explicit FocusMark(QWidget *widget);

    void key_pressed();
    bool shown() const;

    // A dotted outline just inside `area`.
    static void draw(QPainter &painter, const QRect &area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *widget_;
    bool keyboard_ = false;
};
