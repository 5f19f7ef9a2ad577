#pragma once

#include <QMainWindow>

// The export window beside the board: all notes in one text.
class Form10 : public QMainWindow {
    Q_OBJECT
public:
    // Shows the one export window (loading it when it is not open) with `text`.
    static Form10 *show_text(const QString &text);

private:
    explicit Form10(QWidget *parent = nullptr);
};
