#pragma once

#include <QWidget>

class Form4 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form4 *open();

private:
    explicit Form4(QWidget *parent = nullptr);
};
