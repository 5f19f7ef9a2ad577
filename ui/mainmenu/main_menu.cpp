#include "ui/mainmenu/main_menu.h"

#include "ui/common/window_conventions.h"

#include <QApplication>

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form1"));
    apply_window_conventions(this);
    resize(640, 400);
}

Form1 *Form1::open()
{
    auto *window = new Form1;
    window->show();
    center(window);
    return window;
}

void Form1::getout()
{
    close();
    QApplication::exit(0);
}
