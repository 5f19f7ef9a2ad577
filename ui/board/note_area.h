#pragma once

#include <QPlainTextEdit>

// The board's note area. A note is bounded: laying out a paragraph of
// hundreds of thousands of characters takes the text widget seconds to
// minutes, and the board must answer every guest at once.
class NoteArea : public QPlainTextEdit {
    Q_OBJECT
public:
    // Far beyond the longest note a guest writes by hand (some 1,700 words),
    // and short enough to be laid out in a blink whatever it holds.
    static constexpr qsizetype kMaxNoteChars = 10000;

    explicit NoteArea(QWidget *parent = nullptr);

    // Shows a saved note; one longer than a note may be now (saved by an
    // earlier version) shows its beginning and says how much more it holds.
    void show_note(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Whether `added` characters fit in place of the selection; tells the
    // guest when they do not.
    bool room_for(qsizetype added);
};
