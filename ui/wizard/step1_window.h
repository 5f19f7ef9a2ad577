#pragma once

#include <QWidget>

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form2 *open();

private:
    explicit Form2(QWidget *parent = nullptr);
};
