#pragma once

#include <QWidget>

class Form6 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form6 *open();

private:
    explicit Form6(QWidget *parent = nullptr);
};
