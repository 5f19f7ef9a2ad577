#include "ui/wizard/step2_window.h"

#include "ui/common/window_conventions.h"

Form3::Form3(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form3"));
    apply_window_conventions(this);
    setFixedSize(475, 280);
}

Form3 *Form3::open()
{
    auto *window = new Form3;
    window->show();
    center(window);
    return window;
}
