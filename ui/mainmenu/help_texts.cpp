#include "ui/mainmenu/help_texts.h"

#include "ui/common/message_box.h"

QString what_is_text() { return {}; }
QString how_to_use_text() { return {}; }
QString export_help_text() { return {}; }
QString about_text() { return {}; }

void show_about(QWidget *parent)
{
    show_message(parent, MessageIcon::Information, about_text());
}
