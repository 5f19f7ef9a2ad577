#include "ui/common/text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent) {}

void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}

void withdraw_copied_text()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}
