#include "ui/board/password_gate.h"

#include "ui/common/window_conventions.h"

Form9::Form9(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form9"));
    apply_window_conventions(this);
    setFixedSize(475, 280);
}

Form9 *Form9::open()
{
    auto *window = new Form9;
    window->show();
    center(window);
    return window;
}
