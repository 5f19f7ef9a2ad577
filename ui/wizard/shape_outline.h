#pragma once

#include <QColor>
#include <QWidget>

// A rectangle outline drawn inside the widget's bounds; transparent inside
// and to the mouse, so whatever lies under it stays visible and clickable.
class ShapeOutline : public QWidget {
    Q_OBJECT
public:
    ShapeOutline(const QColor &color, int border_width, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_;
    int border_width_;
};
