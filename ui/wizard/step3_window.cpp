#include "ui/wizard/step3_window.h"

#include "ui/common/window_conventions.h"

Form4::Form4(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form4"));
    apply_window_conventions(this);
    setFixedSize(475, 280);
}

Form4 *Form4::open()
{
    auto *window = new Form4;
    window->show();
    center(window);
    return window;
}
