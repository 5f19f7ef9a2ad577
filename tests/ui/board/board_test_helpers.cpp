#include "board_test_helpers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

QWidget *find_window(const QString &object_name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == object_name && w->isVisible())
            return w;
    }
    return nullptr;
}

int count_windows(const QString &object_name)
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == object_name && w->isVisible())
            ++n;
    }
    return n;
}

void flush_deletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void close_all_windows()
{
    flush_deletions();
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName().startsWith(QLatin1String("Form")))
            windows.append(w);
    }
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
    flush_deletions();
}

QByteArray sig_file(const QStringList &notes)
{
    QByteArray out;
    for (const QString &note : notes) {
        QByteArray lines = note.toLatin1();
        lines.replace("\n", "\r\n");
        out += lines + "\r\n^~-^,./\r\n";
    }
    return out;
}
