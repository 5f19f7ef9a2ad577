#include "ui/board/export_window.h"

#include "ui/common/accessibility.h"
#include "ui/common/message_box.h"
#include "ui/common/window_conventions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr QSize kDesignClient(497, 421);

const QString kCopiedMessage =
    QStringLiteral("Your signatures were copied to the clipboard successfully.");
const QString kErrorMessage = QStringLiteral("Error!");
const QString kBoxDescription =
    QStringLiteral("Every note of the board as one text. Alt+C copies it to the clipboard.");

QPointer<Form10> open_window;

// A big party's notes make hundreds of thousands of lines, and a text box
// with a block per line takes seconds to fill. The box gets blocks of about a
// screenful instead, the lines of a block joined by line separators, which
// show, select and copy as line breaks. A line longer than a note may be now
// (saved by an earlier version) is cut into blocks of that length: laying out
// one paragraph of a million characters would freeze the window. Copy to
// Clipboard copies the text as built, every line whole.
void fill_box(QPlainTextEdit *box, QStringView text)
{
    constexpr qsizetype kBlockChars = 2000;
    constexpr qsizetype kLongestLine = 10000;
    QTextDocument *document = box->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QString block;
    block.reserve(kBlockChars + 256);
    const auto add_line = [&](QStringView line) {
        while (line.size() > kLongestLine) {
            const qsizetype piece = line.at(kLongestLine - 1).isHighSurrogate() ? kLongestLine - 1
                                                                               : kLongestLine;
            block += line.first(piece);
            block += QLatin1Char('\n');
            cursor.insertText(block);
            block.clear();
            line = line.sliced(piece);
        }
        block += line;
    };
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(u"\r\n", start);
        if (end < 0)
            break;
        add_line(text.mid(start, end - start));
        start = end + 2;
        if (block.size() < kBlockChars) {
            block += QChar(QChar::LineSeparator);
            continue;
        }
        block += QLatin1Char('\n');
        cursor.insertText(block);
        block.clear();
    }
    add_line(text.mid(start));
    cursor.insertText(block);
    cursor.endEditBlock();
    box->moveCursor(QTextCursor::Start);
}

// The export text as the box shows it, with the box's own line breaks; what
// is copied or dragged out of it has the text's CR LF line ends again, so
// Ctrl+A, Ctrl+C gives the same text as "Copy to Clipboard".
class ExportBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData *createMimeDataFromSelection() const override
    {
        QString text = textCursor().selectedText();
        text.replace(QChar(QChar::ParagraphSeparator), QStringLiteral("\r\n"));
        text.replace(QChar(QChar::LineSeparator), QStringLiteral("\r\n"));
        auto *data = new QMimeData;
        data->setText(text);
        return data;
    }
};

} // namespace

Form10::Form10(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form10"));
    describe_window(this, QStringLiteral("All signatures"));

    // No layout: the text box keeps its design size when the window is resized.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Text1 = new ExportBox(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Signatures"));
    Text1->setAccessibleDescription(kBoxDescription);
    Text1->setGeometry(QRect(QPoint(0, 0), kDesignClient));
    Text1->setFont(ms_sans_serif(8.25));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setUndoRedoEnabled(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    // Alt+C, the access key of the menu bar's one command.
    QAction *cpc = menuBar()->addAction(QStringLiteral("&Copy to Clipboard"));
    cpc->setObjectName(QStringLiteral("cpc"));
    connect(cpc, &QAction::triggered, this, &Form10::cpc_Click);

    resize(kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height());
}

Form10 *Form10::show_text(const QString &text)
{
    if (!open_window) {
        open_window = new Form10;
        open_window->set_text(text);
        open_window->Form_Load();
    } else {
        open_window->set_text(text);
        open_window->raise();
        open_window->take_keyboard();
    }
    return open_window;
}

void Form10::close_open_window()
{
    if (open_window)
        open_window->close();
}

void Form10::Form_Load()
{
    apply_window_conventions(this);
    show();
    center(this);
    take_keyboard();
}

// The window opens beside the board with the keyboard in its text, also
// where no window manager hands the keyboard over.
void Form10::take_keyboard()
{
    activateWindow();
    Text1->setFocus();
}

void Form10::set_text(const QString &text)
{
    export_text_ = text;
    fill_box(Text1, text);
}

void Form10::cpc_Click()
{
    if (copy_to_clipboard())
        show_message(this, MessageIcon::Information, kCopiedMessage);
    else
        show_message(this, MessageIcon::Exclamation, kErrorMessage);
}

// The clipboard gets the text with its CR LF line ends, and is read back to
// be sure it holds it.
bool Form10::copy_to_clipboard() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    clipboard->setText(export_text_);
    return clipboard->text() == export_text_;
}
