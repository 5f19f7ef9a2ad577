#pragma once

#include <QWidget>

class Form9 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form9 *open();

private:
    explicit Form9(QWidget *parent = nullptr);
};
