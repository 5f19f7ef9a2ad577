#include "ui/board/export_window.h"

#include "ui/common/window_conventions.h"

#include <QPointer>

Form10::Form10(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form10"));
    apply_window_conventions(this);
    resize(497, 421);
}

Form10 *Form10::show_text(const QString &)
{
    static QPointer<Form10> window;
    if (!window) {
        window = new Form10;
        window->show();
        center(window);
    }
    return window;
}
