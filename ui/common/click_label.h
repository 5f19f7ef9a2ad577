#pragma once

#include <QLabel>

// A transparent label that reports clicks and mouse moves over it (the main
// menu's board slots, the board's button captions).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

signals:
    void clicked();
    void mouse_moved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// A label in the program's style: transparent, the text wrapping at word
// boundaries inside its box, its object name as given.
QLabel *make_label(QWidget *parent, const QString &object_name, const QString &text,
                   const QFont &font, const QRect &geometry,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// Shows the text on one line of the label, its end cut with "…" when it is
// wider than the label; a suffix (a position, say) is kept whole after it.
// The whole text is the label's accessible name and, when cut, its tool tip.
void show_shortened(QLabel *label, const QString &text, const QString &suffix = QString());
