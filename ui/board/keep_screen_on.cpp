#include "ui/board/keep_screen_on.h"

#include "core/app_state.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QVariantMap>
#include <QWidget>

#ifdef QUILLORA_X11_SAVER
#include <xcb/screensaver.h>
#endif

namespace {

const QString kReason = QStringLiteral("A sign-in board is open for guests");

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

bool sandboxed()
{
    return QFileInfo::exists(QStringLiteral("/.flatpak-info"));
}

xcb_connection_t *x11_connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The X server's screen saver, and with it the monitor's power saving, stays
// off while a client keeps it suspended, and no longer than the client lives.
bool suspend_x11_saver([[maybe_unused]] bool suspend)
{
#ifdef QUILLORA_X11_SAVER
    xcb_connection_t *connection = x11_connection();
    if (!connection)
        return false;
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (!extension || !extension->present)
        return false;
    xcb_screensaver_suspend(connection, suspend ? 1 : 0);
    xcb_flush(connection);
    return true;
#else
    return false;
#endif
}

// The portal wants the window as "x11:" and its id in hexadecimal; elsewhere
// an empty text stands for "no window".
QString portal_window(QWidget *window)
{
    if (!x11_connection())
        return {};
    return QStringLiteral("x11:%1").arg(window->winId(), 0, 16);
}

QDBusMessage inhibit_call(QWidget *window)
{
    if (sandboxed()) {
        QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                           QStringLiteral("org.freedesktop.portal.Inhibit"),
                                                           QStringLiteral("Inhibit"));
        constexpr uint kIdle = 8;
        call << portal_window(window) << kIdle << QVariantMap{{QStringLiteral("reason"), kReason}};
        return call;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kSaverService, kSaverPath, kSaverService,
                                                       QStringLiteral("Inhibit"));
    call << kAppTitle << kReason;
    return call;
}

// The call that ends the hold an answer to inhibit_call() brought; none
// when the desktop refused or did not answer.
QDBusMessage release_call(const QDBusMessage &answer)
{
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return {};
    const QVariant held = answer.arguments().constFirst();
    if (sandboxed()) {
        return QDBusMessage::createMethodCall(kPortalService, held.value<QDBusObjectPath>().path(),
                                              QStringLiteral("org.freedesktop.portal.Request"),
                                              QStringLiteral("Close"));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kSaverService, kSaverPath, kSaverService,
                                                       QStringLiteral("UnInhibit"));
    call << held.toUInt();
    return call;
}

void send(const QDBusMessage &call)
{
    if (call.type() == QDBusMessage::MethodCallMessage)
        QDBusConnection::sessionBus().send(call);
}

} // namespace

// The answer comes later, so the board opens without waiting for the
// desktop; should the board close first, the hold is ended on its arrival.
KeepScreenOn::KeepScreenOn(QWidget *window) : QObject(window)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        answered({});
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit_call(window)));
    connect(watcher, &QDBusPendingCallWatcher::finished, [self = QPointer(this)](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusMessage release = release_call(call->reply());
        if (self)
            self->answered(release);
        else
            send(release);
    });
}

KeepScreenOn::~KeepScreenOn()
{
    send(release_);
    if (x11_suspended_)
        suspend_x11_saver(false);
}

void KeepScreenOn::answered(const QDBusMessage &release)
{
    release_ = release;
    if (release_.type() != QDBusMessage::MethodCallMessage)
        x11_suspended_ = suspend_x11_saver(true);
}
