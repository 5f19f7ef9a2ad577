#include "ui/app.h"

#include <QApplication>

#include <unistd.h>

namespace {

// Without a session bus, libdbus would start one of its own (dbus-launch)
// the first time Qt's accessibility bridge asks for the bus, and the first
// window would wait for it. A session keeps its bus in the runtime folder,
// so the bridge is pointed there; when there is none, it finds none at once.
// A bus that a screen reader could use is never one launched for us.
void use_no_launched_session_bus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = "/run/user/" + QByteArray::number(getuid());
    const QByteArray path = (runtime + "/bus").toPercentEncoding("/*", "~");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path);
}

// A Wayland compositor places every new window itself, so each wizard step
// would open somewhere else than the one before it, and without Qt's Wayland
// plugin Qt complains before falling back to X11. Through XWayland a window
// states where it wants to be, which a desktop may honour; a native Wayland
// window cannot. A platform the user chose is kept.
void prefer_x11_on_wayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char *argv[])
{
    use_no_launched_session_bus();
    prefer_x11_on_wayland();
    // The menus live in the window: Qt does not ask the desktop, over D-Bus,
    // for a global menu bar to move them to.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The program takes no options: Qt sees the program name only.
    int qt_argc = argc > 0 ? 1 : 0;
    QApplication app(qt_argc, argv);
    return run_quillora(app);
}
