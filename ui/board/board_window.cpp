#include "ui/board/board_window.h"

#include "ui/common/window_conventions.h"

Form8::Form8(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form8"));
    apply_window_conventions(this);
    resize(640, 400);
}

Form8 *Form8::open()
{
    auto *window = new Form8;
    window->show();
    center(window);
    return window;
}
