#include "ui/board/note_area.h"

#include "ui/common/message_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kNoteFull = QStringLiteral(
    "A note can hold up to %1 characters. That would make yours longer, so it was not added: "
    "your note is kept as it is.");

// The characters a key adds to the note: Return and Enter add a line break.
qsizetype typed_length(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 1;
    const QString text = event->text();
    if (text.isEmpty() || !text.front().isPrint())
        return 0;
    return text.size();
}

} // namespace

NoteArea::NoteArea(QWidget *parent) : QPlainTextEdit(parent) {}

bool NoteArea::room_for(qsizetype added)
{
    const QTextCursor cursor = textCursor();
    const qsizetype length = document()->characterCount() - 1;
    const qsizetype replaced = cursor.selectionEnd() - cursor.selectionStart();
    if (length - replaced + added <= kMaxNoteChars)
        return true;
    show_message(window(), MessageIcon::Exclamation, kNoteFull.arg(kMaxNoteChars));
    return false;
}

void NoteArea::keyPressEvent(QKeyEvent *event)
{
    const qsizetype added = isReadOnly() ? 0 : typed_length(event);
    if (added > 0 && !room_for(added)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NoteArea::inputMethodEvent(QInputMethodEvent *event)
{
    if (!isReadOnly() && !event->commitString().isEmpty() && !room_for(event->commitString().size())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

// A paste or a drop that does not fit is refused whole. An empty clipboard
// pastes nothing: Qt 6.4 would read the first of its formats, which it has
// not, and crash.
void NoteArea::insertFromMimeData(const QMimeData *source)
{
    if (!source || source->formats().isEmpty())
        return;
    if (source->hasText() && !room_for(source->text().size()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void NoteArea::show_note(const QString &text)
{
    // A saved note ends with a line break that the guest never typed.
    const qsizetype length = text.size() - (text.endsWith(QLatin1Char('\n')) ? 1 : 0);
    if (length <= kMaxNoteChars) {
        setPlainText(text);
        return;
    }
    qsizetype cut = kMaxNoteChars;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    setPlainText(text.left(cut)
                 + QStringLiteral("\n[This note goes on for another %1 characters, too long to "
                                  "show here. Export shows the whole note.]")
                       .arg(length - cut));
}
