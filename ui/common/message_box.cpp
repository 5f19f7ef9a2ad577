#include "ui/common/message_box.h"

#include "core/app_state.h"

#include <QMessageBox>

namespace {

MessageHandler &handler()
{
    static MessageHandler current;
    return current;
}

QMessageBox::Icon box_icon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void prepare_message_box(QMessageBox &box)
{
    box.setAccessibleName(kAppTitle);
    // Texts come from board files and hosts: never markup.
    box.setTextFormat(Qt::PlainText);
}

void set_message_handler(MessageHandler h)
{
    handler() = std::move(h);
}

void show_message(QWidget *parent, MessageIcon icon, const QString &text)
{
    if (handler()) {
        handler()(icon, text);
        return;
    }
    QMessageBox box(box_icon(icon), kAppTitle, text, QMessageBox::Ok, parent);
    prepare_message_box(box);
    box.exec();
}
