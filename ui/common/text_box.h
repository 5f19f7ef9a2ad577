#pragma once

#include <QPlainTextEdit>

// A multi-line text box. Pasting from an empty clipboard pastes nothing:
// Qt 6.4 reads the first format of the pasted data without looking whether
// it has one, and crashes on an empty clipboard (as a fresh X session has,
// or one the program cleared).
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

protected:
    void insertFromMimeData(const QMimeData *source) override;
};

// Takes back the text this program put on the clipboard or the mouse
// selection, so the next person at the computer cannot paste it. What
// another program put there is not ours to touch.
void withdraw_copied_text();
