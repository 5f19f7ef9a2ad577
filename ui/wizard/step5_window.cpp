#include "ui/wizard/step5_window.h"

#include "ui/common/window_conventions.h"

Form6::Form6(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form6"));
    apply_window_conventions(this);
    setFixedSize(475, 280);
}

Form6 *Form6::open()
{
    auto *window = new Form6;
    window->show();
    center(window);
    return window;
}
