#include "ui/wizard/finish_window.h"

#include "ui/common/window_conventions.h"

Form7::Form7(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form7"));
    apply_window_conventions(this);
    setFixedSize(475, 280);
}

Form7 *Form7::open()
{
    auto *window = new Form7;
    window->show();
    center(window);
    return window;
}
