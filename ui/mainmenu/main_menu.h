#pragma once

#include <QMainWindow>

// The opening screen and the hub every window returns to.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Creates a fresh main menu and shows it.
    static Form1 *open();

    // Ends the program at once.
    void getout();

private:
    explicit Form1(QWidget *parent = nullptr);
};
