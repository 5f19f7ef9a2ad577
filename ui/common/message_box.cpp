#include "ui/common/message_box.h"

#include "core/app_state.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace {

MessageHandler &handler()
{
    static MessageHandler current;
    return current;
}

QMessageBox::Icon box_icon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A window manager puts the title between the frame's icon and its buttons; a
// box sized by a short text alone cuts "Quillora 2003" down. The box sizes
// itself from its layout, so the layout is given the room.
void keep_title_whole(QMessageBox &box)
{
    QFont title_font = box.font();
    title_font.setBold(true);
    const QFontMetrics metrics(title_font);
    const int room = metrics.horizontalAdvance(box.windowTitle()) + 12 * metrics.height();
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

// A key held down repeats. The box opens while the key that asked for it may
// still be down (a guest's Ctrl+Return that saved a note), and its repeats
// would press the box's button at once, before anyone read it. The box
// answers to fresh presses only. X11 repeats a key as a release and a press
// with one time stamp, which Qt does not always mark as a repeat.
class IgnoreRepeatedKeys : public QObject {
public:
    IgnoreRepeatedKeys() { qApp->installEventFilter(this); }
    ~IgnoreRepeatedKeys() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        // Qt passes copies of a key event on without a time stamp; only the
        // window system's own events tell when a key moved.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool stamped = key->timestamp() != 0;
        if (event->type() == QEvent::KeyRelease) {
            if (stamped) {
                released_key_ = key->key();
                released_at_ = key->timestamp();
            }
            return false;
        }
        return key->isAutoRepeat()
               || (stamped && key->key() == released_key_ && key->timestamp() == released_at_);
    }

private:
    int released_key_ = 0;
    quint64 released_at_ = 0;
};

} // namespace

void prepare_message_box(QMessageBox &box)
{
    box.setAccessibleName(kAppTitle);
    // Texts come from board files and hosts: never markup.
    box.setTextFormat(Qt::PlainText);
}

void set_message_handler(MessageHandler h)
{
    handler() = std::move(h);
}

void show_message(QWidget *parent, MessageIcon icon, const QString &text)
{
    if (handler()) {
        handler()(icon, text);
        return;
    }
    QMessageBox box(box_icon(icon), kAppTitle, text, QMessageBox::NoButton, parent);
    // One OK icon for every box: with a screen reader's bridge on, the icon a
    // new button makes for itself outlived its box, about 2 KB a box.
    static const QIcon ok_icon = box.style()->standardIcon(QStyle::SP_DialogOkButton);
    box.addButton(QMessageBox::Ok)->setIcon(ok_icon);
    prepare_message_box(box);
    keep_title_whole(box);
    const IgnoreRepeatedKeys fresh_keys_only;
    box.exec();
    // The keyboard goes back to the window the box spoke for, also where no
    // window manager hands it back.
    if (parent && parent->window()->isVisible())
        parent->window()->activateWindow();
}
