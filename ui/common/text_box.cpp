#include "ui/common/text_box.h"

#include <QMimeData>

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent) {}

void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}
