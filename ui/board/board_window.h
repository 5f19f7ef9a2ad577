#pragma once

#include <QMainWindow>

// The sign-in board, in guest mode or browse mode by board_mode.
class Form8 : public QMainWindow {
    Q_OBJECT
public:
    static Form8 *open();

private:
    explicit Form8(QWidget *parent = nullptr);
};
