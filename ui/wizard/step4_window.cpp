#include "ui/wizard/step4_window.h"

#include "ui/common/window_conventions.h"

Form5::Form5(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form5"));
    apply_window_conventions(this);
    setFixedSize(475, 280);
}

Form5 *Form5::open()
{
    auto *window = new Form5;
    window->show();
    center(window);
    return window;
}
