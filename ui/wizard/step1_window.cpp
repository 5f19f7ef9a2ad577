#include "ui/wizard/step1_window.h"

#include "ui/common/window_conventions.h"

Form2::Form2(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form2"));
    apply_window_conventions(this);
    setFixedSize(475, 280);
}

Form2 *Form2::open()
{
    auto *window = new Form2;
    window->show();
    center(window);
    return window;
}
