#include "ui/board/export_window.h"

#include "ui/board/board_text.h"
#include "ui/common/message_box.h"
#include "ui/common/window_conventions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

constexpr QSize kDesignClient(497, 421);

const QString kCopiedMessage =
    QStringLiteral("Your signatures were copied to the clipboard successfully.");
const QString kErrorMessage = QStringLiteral("Error!");

} // namespace

Form10::Form10(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form10"));

    // No layout: the text box keeps its design size when the window is resized.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Text1 = new QPlainTextEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Signatures"));
    Text1->setGeometry(QRect(QPoint(0, 0), kDesignClient));
    Text1->setFont(ms_sans_serif(8.25));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setUndoRedoEnabled(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    QAction *cpc = menuBar()->addAction(QStringLiteral("Copy to Clipboard"));
    cpc->setObjectName(QStringLiteral("cpc"));
    connect(cpc, &QAction::triggered, this, &Form10::cpc_Click);

    resize(kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height());
}

Form10 *Form10::show_text(const QString &text)
{
    static QPointer<Form10> window;
    if (!window) {
        window = new Form10;
        window->set_text(text);
        window->Form_Load();
    } else {
        window->set_text(text);
        window->raise();
        window->activateWindow();
    }
    return window;
}

void Form10::Form_Load()
{
    apply_window_conventions(this);
    show();
    center(this);
}

void Form10::set_text(const QString &text)
{
    export_text_ = text;
    Text1->setPlainText(widget_text(text));
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
