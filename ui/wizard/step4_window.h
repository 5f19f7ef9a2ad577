#pragma once

#include <QWidget>

class Form5 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form5 *open();

private:
    explicit Form5(QWidget *parent = nullptr);
};
