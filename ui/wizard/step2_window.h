#pragma once

#include <QWidget>

class Form3 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form3 *open();

private:
    explicit Form3(QWidget *parent = nullptr);
};
