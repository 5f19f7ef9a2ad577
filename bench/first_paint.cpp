#include "bench/first_paint.h"

#include <QFile>
#include <QProcess>
#include <QThread>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

namespace {

using Clock = std::chrono::steady_clock;

// Displays of a range no desktop uses, so the bench never meets a person's.
constexpr int kFirstDisplay = 300;
constexpr int kLastDisplay = 399;
constexpr int kPaintTimeoutMs = 20000;
constexpr int kExitTimeoutMs = 5000;

double ms_between(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

bool display_taken(int display)
{
    return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display))
           || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display));
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// Waits up to `ms` for the process to end; true when it has.
bool reaped(pid_t pid, int ms)
{
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return true;
        QThread::msleep(2);
    }
    return false;
}

} // namespace

struct FirstPaintClock::Connection {
    xcb_connection_t *xcb = nullptr;
    xcb_window_t root = 0;
    uint8_t damage_event = 0;
    xcb_atom_t protocols = XCB_ATOM_NONE;
    xcb_atom_t delete_window = XCB_ATOM_NONE;

    ~Connection()
    {
        if (xcb)
            xcb_disconnect(xcb);
    }
};

FirstPaintClock::FirstPaintClock()
{
    for (int display = kFirstDisplay; display <= kLastDisplay && !connection_; ++display) {
        if (!display_taken(display))
            start_server(display);
    }
    if (!connection_ && why_.isEmpty())
        why_ = QStringLiteral("no free display from :%1 to :%2").arg(kFirstDisplay).arg(kLastDisplay);
}

FirstPaintClock::~FirstPaintClock()
{
    connection_.reset();
    if (server_) {
        server_->terminate();
        server_->waitForFinished(3000);
    }
}

bool FirstPaintClock::start_server(int display)
{
    const QString name = QStringLiteral(":%1").arg(display);
    auto server = std::make_unique<QProcess>();
    server->setStandardOutputFile(QProcess::nullDevice());
    server->setStandardErrorFile(QProcess::nullDevice());
    server->start(QStringLiteral("Xvfb"), {name, QStringLiteral("-screen"), QStringLiteral("0"),
                                           QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                           QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!server->waitForStarted(3000)) {
        why_ = QStringLiteral("Xvfb could not be started");
        return false;
    }
    auto connection = std::make_unique<Connection>();
    const Clock::time_point until = Clock::now() + std::chrono::seconds(10);
    while (server->state() == QProcess::Running && Clock::now() < until) {
        xcb_connection_t *xcb = xcb_connect(name.toLatin1().constData(), nullptr);
        if (!xcb_connection_has_error(xcb)) {
            connection->xcb = xcb;
            break;
        }
        xcb_disconnect(xcb);
        QThread::msleep(20);
    }
    if (!connection->xcb)
        return false;

    xcb_connection_t *xcb = connection->xcb;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(xcb, &xcb_damage_id);
    if (!damage || !damage->present) {
        why_ = QStringLiteral("the X server has no DAMAGE extension");
        return false;
    }
    std::free(xcb_damage_query_version_reply(xcb, xcb_damage_query_version(xcb, 1, 1), nullptr));
    connection->damage_event = damage->first_event + XCB_DAMAGE_NOTIFY;
    connection->root = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data->root;
    connection->protocols = atom(xcb, "WM_PROTOCOLS");
    connection->delete_window = atom(xcb, "WM_DELETE_WINDOW");
    // Every window a program creates on the screen is announced here.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(xcb, connection->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(xcb);

    server_ = std::move(server);
    connection_ = std::move(connection);
    display_ = name;
    return true;
}

double FirstPaintClock::launch_to_paint(const QStringList &command, const QStringList &environment)
{
    if (!connection_ || command.isEmpty())
        return -1;
    xcb_connection_t *xcb = connection_->xcb;

    std::vector<QByteArray> strings;
    for (const QString &arg : command)
        strings.push_back(QFile::encodeName(arg));
    const size_t argc = strings.size();
    for (const QString &variable : environment)
        strings.push_back(variable.toLocal8Bit());
    strings.push_back("DISPLAY=" + display_.toLatin1());
    std::vector<char *> argv;
    std::vector<char *> envp;
    for (size_t i = 0; i < strings.size(); ++i)
        (i < argc ? argv : envp).push_back(strings[i].data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    drain_events();
    pid_t pid = 0;
    const Clock::time_point launched = Clock::now();
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return -1;

    // A window is watched for damage from its creation, so no drawing into
    // it can come before the watch; only a mapped window counts as seen. The
    // X server reports the whole window as damaged when it maps it, before
    // the program has drawn anything: that first report is passed over.
    std::set<xcb_window_t> mapped;
    std::set<xcb_window_t> exposed;
    xcb_window_t painted = 0;
    Clock::time_point painted_at;
    const Clock::time_point give_up = launched + std::chrono::milliseconds(kPaintTimeoutMs);
    while (!painted && Clock::now() < give_up) {
        pollfd fd{xcb_get_file_descriptor(xcb), POLLIN, 0};
        poll(&fd, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(xcb)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                if (created->parent == connection_->root) {
                    xcb_damage_create(xcb, xcb_generate_id(xcb), created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                    xcb_flush(xcb);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                mapped.insert(reinterpret_cast<xcb_map_notify_event_t *>(event)->window);
            } else if (type == connection_->damage_event && !painted) {
                const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(event);
                if (mapped.count(damage->drawable) && !exposed.insert(damage->drawable).second) {
                    painted_at = Clock::now();
                    painted = damage->drawable;
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(xcb))
            break;
    }
    end_program(pid, painted);
    return painted ? ms_between(launched, painted_at) : -1;
}

// Asks the window to close, as its close box would, so the program ends
// as it ends for a person; a program that does not end is killed.
void FirstPaintClock::end_program(qint64 pid, quint32 window)
{
    if (window) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = connection_->protocols;
        message.data.data32[0] = connection_->delete_window;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_->xcb, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(connection_->xcb);
    }
    if (!window || !reaped(pid_t(pid), kExitTimeoutMs)) {
        kill(pid_t(pid), SIGKILL);
        waitpid(pid_t(pid), nullptr, 0);
    }
}

// Takes in every event of earlier programs, so a run sees only its own.
void FirstPaintClock::drain_events()
{
    xcb_connection_t *xcb = connection_->xcb;
    std::free(xcb_get_input_focus_reply(xcb, xcb_get_input_focus(xcb), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(xcb))
        std::free(event);
}

SessionBus::SessionBus() : daemon_(std::make_unique<QProcess>())
{
    daemon_->start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (daemon_->waitForStarted(3000) && daemon_->waitForReadyRead(3000))
        address_ = QString::fromLocal8Bit(daemon_->readLine()).trimmed();
}

SessionBus::~SessionBus()
{
    daemon_->terminate();
    daemon_->waitForFinished(3000);
}
