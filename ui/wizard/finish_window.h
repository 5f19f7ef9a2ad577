#pragma once

#include <QWidget>

class Form7 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form7 *open();

private:
    explicit Form7(QWidget *parent = nullptr);
};
