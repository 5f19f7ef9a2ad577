#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

enum class MessageIcon { None, Information, Exclamation, Critical };

// Shows a modal message box with an OK button, the icon, the text and the
// title "Quillora 2003", and returns when the user has closed it.
void show_message(QWidget *parent, MessageIcon icon, const QString &text);

// What every box gets beside its icon, title and text: its text is shown as
// plain text.
void prepare_message_box(QMessageBox &box);

// Tests answer the boxes themselves: the handler is called instead of a box.
using MessageHandler = std::function<void(MessageIcon, const QString &)>;
void set_message_handler(MessageHandler handler); // empty for real boxes
