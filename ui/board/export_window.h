#pragma once

#include <QMainWindow>
#include <QString>

class QPlainTextEdit;

// The export window beside the board: all notes in one text.
class Form10 : public QMainWindow {
    Q_OBJECT
public:
    // Shows the one export window (loading it when it is not open) with `text`.
    static Form10 *show_text(const QString &text);
    // Closes the export window when it is open.
    static void close_open_window();

private:
    explicit Form10(QWidget *parent = nullptr);

    void Form_Load();
    void take_keyboard();
    void set_text(const QString &text);
    void cpc_Click();
    bool copy_to_clipboard() const;

    QPlainTextEdit *Text1 = nullptr;
    // The text as built, CR LF line ends included; the text box shows it
    // with its own line breaks.
    QString export_text_;
};
