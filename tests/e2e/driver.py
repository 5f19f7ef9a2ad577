"""Drives the real Quillora program from outside, as a user and a screen
reader would: a private X server (Xvfb), a private D-Bus session with the
accessibility bus, pyatspi to find widgets by role and name, xdotool for the
mouse and keyboard and xclip for the clipboard.

Every wait is a poll with a deadline. Every process started here runs in a
process group of its own and is killed with it, also when a test fails."""

import argparse
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

DEFAULT_TIMEOUT = 15.0
POLL = 0.05
# The X servers of the tests: far above the displays of desktops and of
# servers started by hand.
FIRST_DISPLAY = 400
LAST_DISPLAY = 999


class TestFailure(AssertionError):
    pass


def display_taken(number):
    """A display with a socket or a lock file belongs to another server."""
    return (os.path.exists(f"/tmp/.X11-unix/X{number}")
            or os.path.exists(f"/tmp/.X{number}-lock"))


def _die_with_driver():
    """Run in each child before exec: a driver killed outright (SIGKILL)
    takes its X server, buses and program along."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def wait_for(probe, what, timeout=DEFAULT_TIMEOUT):
    """Calls probe() until it returns something true; returns that value."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # the tree may change under our feet
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise TestFailure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        pump_events()
        time.sleep(POLL)


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise TestFailure(f"{what}:\n  expected {expected!r}\n  actual   {actual!r}")


_pyatspi = None


def atspi():
    """pyatspi, imported only after the private session bus is in the
    environment, since it connects at import time."""
    global _pyatspi
    if _pyatspi is None:
        import pyatspi
        _pyatspi = pyatspi
    return _pyatspi


def pump_events():
    """Lets libatspi handle the events it has queued, so its caches follow
    the program's windows."""
    if _pyatspi is None:
        return
    from gi.repository import GLib
    context = GLib.MainContext.default()
    for _ in range(100):
        if not context.iteration(False):
            break


class FocusLog:
    """What a screen reader is told when the focus lands: the name and the
    description of every object that gains the focus, in order. Like a
    screen reader it tells nothing when the focus lands again on the object
    that has it, whatever that object shows now."""

    def __init__(self):
        self.seen = []
        self.focused = None
        atspi().Registry.registerEventListener(self._on_focus, "object:state-changed:focused")

    def _on_focus(self, event):
        if not event.detail1 or event.source == self.focused:
            return
        self.focused = event.source
        try:
            self.seen.append((event.source.name, event.source.description))
        except Exception:  # gone before it was asked
            pass

    def wait(self, name, description):
        """Waits until an object of that name and description gained the focus;
        forgets what was seen up to it."""
        def told():
            if (name, description) not in self.seen:
                return False
            del self.seen[:self.seen.index((name, description)) + 1]
            return True
        wait_for(told, f"the focus to land on {name!r} ({description!r}); seen {self.seen!r}")


def kill_group(proc, grace=3.0):
    """Ends a process started in a session of its own, with its children."""
    if proc is None or proc.returncode is not None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            pass
        try:
            proc.wait(timeout=grace)
            return
        except subprocess.TimeoutExpired:
            continue


def kill_pid_group(pid):
    """Ends a process that is not our child (the session bus daemon, which
    leads a process group of its own), with its group."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(pid, sig)
        except ProcessLookupError:
            return
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            try:
                os.killpg(pid, 0)
            except ProcessLookupError:
                return
            time.sleep(POLL)


class Program:
    """One running quillora process and its accessible application."""

    def __init__(self, session, proc):
        self.session = session
        self.proc = proc
        self._app = None

    @property
    def pid(self):
        return self.proc.pid

    def running(self):
        return self.proc.poll() is None

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        wait_for(lambda: not self.running(), f"process {self.pid} to end", timeout)
        return self.proc.returncode

    def app(self):
        if self._app is None:
            def find():
                desktop = atspi().Registry.getDesktop(0)
                for i in range(desktop.childCount):
                    child = desktop.getChildAtIndex(i)
                    if child is not None and child.get_process_id() == self.pid:
                        return child
                return None
            self._app = wait_for(find, f"the accessible application of process {self.pid}")
        return self._app

    def windows(self):
        app = self.app()
        app.clear_cache()
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    def showing_windows(self):
        result = []
        for window in self.windows():
            if window is None:
                continue
            states = window.getState()
            if states.contains(atspi().STATE_SHOWING) or states.contains(atspi().STATE_VISIBLE):
                result.append(window)
        return result

    # -- windows ---------------------------------------------------------

    def window_with(self, role, name, timeout=DEFAULT_TIMEOUT):
        """The showing window that holds a widget of that role and name."""
        def find():
            for window in self.showing_windows():
                if window.getRoleName() in ("alert", "dialog"):
                    continue
                if find_widget(window, role, name):
                    return window
            return None
        return wait_for(find, f"a window with {role} {name!r}", timeout)

    def message_box(self, timeout=DEFAULT_TIMEOUT):
        def find():
            for window in self.showing_windows():
                if window.getRoleName() in ("alert", "dialog") and find_widget(window, "push button", "OK"):
                    return window
            return None
        return wait_for(find, "a message box", timeout)

    def no_message_box(self):
        for window in self.showing_windows():
            if window.getRoleName() in ("alert", "dialog"):
                return False
        return True

    def answer_message(self, timeout=DEFAULT_TIMEOUT):
        """Reads the text of the message box on show, presses its OK button
        and returns the text once the box is gone."""
        box = self.message_box(timeout)
        text = message_text(box)
        ok = find_widget(box, "push button", "OK")
        self.session.click(ok)
        wait_for(lambda: not is_showing(box), f"the message box {text!r} to close")
        return text

    def expect_message(self, expected, timeout=DEFAULT_TIMEOUT):
        text = self.answer_message(timeout)
        check_equal(text, expected, "message box text")


# -- the accessible tree ---------------------------------------------------

def is_showing(acc):
    try:
        states = acc.getState()
        return states.contains(atspi().STATE_SHOWING) and not states.contains(atspi().STATE_DEFUNCT)
    except Exception:
        return False


def walk(acc, depth=0, max_depth=12):
    if acc is None or depth > max_depth:
        return
    yield acc
    try:
        count = acc.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = acc.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1, max_depth)


def find_widgets(root, role=None, name=None, showing=True):
    result = []
    for acc in walk(root):
        try:
            if role is not None and acc.getRoleName() != role:
                continue
            if name is not None:
                acc_name = acc.name
                if callable(name):
                    if not name(acc_name):
                        continue
                elif acc_name != name:
                    continue
            if showing and acc is not root and not is_showing(acc):
                continue
        except Exception:
            continue
        result.append(acc)
    return result


def find_widget(root, role, name, showing=True):
    found = find_widgets(root, role, name, showing)
    return found[0] if found else None


def text_of(acc):
    """A text box's text with its line breaks as "\n", whether the widget
    keeps them as paragraphs (U+2029) or line separators (U+2028)."""
    text = acc.queryText().getText(0, -1)
    return text.replace("\u2028", "\n").replace("\u2029", "\n")


def message_text(box):
    """The text of a message box: its labels other than the icon, joined."""
    texts = []
    for label in find_widgets(box, "label"):
        if label.name:
            texts.append(label.name)
    return "\n".join(texts)


def describe_tree(root, depth=0):
    lines = []

    def rec(acc, level):
        try:
            lines.append("  " * level + f"[{acc.getRoleName()}] {acc.name!r}"
                         + ("" if is_showing(acc) else " (hidden)"))
            for i in range(acc.childCount):
                rec(acc.getChildAtIndex(i), level + 1)
        except Exception as error:
            lines.append("  " * level + f"<{error!r}>")
    rec(root, depth)
    return "\n".join(lines)


def centre(acc):
    comp = acc.queryComponent()
    ext = comp.getExtents(atspi().DESKTOP_COORDS)
    check(ext.width > 0 and ext.height > 0, f"{acc.getRoleName()} {acc.name!r} has no size on screen")
    return ext.x + ext.width // 2, ext.y + ext.height // 2


# -- the session -----------------------------------------------------------

class Session:
    """Xvfb, a D-Bus session with the accessibility bus, and private HOME,
    XDG_CONFIG_HOME and XDG_RUNTIME_DIR, all torn down by close()."""

    def __init__(self, app_dir, out_dir, name, window_manager=False):
        self.window_manager = window_manager
        self.source_app = app_dir
        self.out_dir = out_dir
        self.name = name
        self.tmp = tempfile.mkdtemp(prefix=f"quillora-e2e-{name}-")
        self.app_dir = os.path.join(self.tmp, "app")
        self.config_dir = os.path.join(self.tmp, "config")
        self.env = None
        self.xvfb = None
        self.wm = None
        self.atspi_launcher = None
        self.dbus_pid = None
        self.programs = []
        self.helpers = []

    # setting up

    def start(self):
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "runtime")
        for folder in (home, self.config_dir, runtime):
            os.makedirs(folder)
        os.chmod(runtime, 0o700)
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("DBUS_", "AT_SPI", "QT_", "XDG_", "WAYLAND"))}
        env.update(HOME=home, XDG_CONFIG_HOME=self.config_dir, XDG_RUNTIME_DIR=runtime)
        env.pop("DISPLAY", None)
        self.env = env
        self._start_xvfb()
        if self.window_manager:
            self._start_window_manager()
        self._start_dbus()
        self._start_atspi()
        # pyatspi connects to the buses named in this process's environment.
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "HOME", "XDG_CONFIG_HOME",
                    "XDG_RUNTIME_DIR"):
            os.environ[key] = self.env[key]
        self._copy_app()
        return self

    def _start_xvfb(self):
        """Takes the first free display from FIRST_DISPLAY up, never :0 or the
        low numbers a desktop or another developer's server uses. Two drivers
        that pick the same number at once: one server fails and its driver
        tries the next number."""
        for number in range(FIRST_DISPLAY, LAST_DISPLAY + 1):
            if display_taken(number):
                continue
            if self._try_xvfb(number):
                self.env["DISPLAY"] = f":{number}"
                return
        raise TestFailure(f"no free display from :{FIRST_DISPLAY} to :{LAST_DISPLAY}")

    def _try_xvfb(self, number):
        """Starts Xvfb on that display; true once it accepts clients, false
        when it ends first (the display was taken meanwhile)."""
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), env=self.env, start_new_session=True,
            preexec_fn=_die_with_driver,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        # With a display given, Xvfb writes its number once it listens.
        data = b""
        deadline = time.monotonic() + DEFAULT_TIMEOUT
        os.set_blocking(read_fd, False)
        try:
            while not data.endswith(b"\n"):
                if self.xvfb.poll() is not None:
                    self.xvfb = None
                    return False
                if time.monotonic() > deadline:
                    raise TestFailure("Xvfb did not start")
                try:
                    chunk = os.read(read_fd, 64)
                except BlockingIOError:
                    chunk = b""
                if chunk:
                    data += chunk
                else:
                    time.sleep(POLL)
        finally:
            os.close(read_fd)
        check_equal(data.decode().strip(), str(number), "display Xvfb reports")
        return True

    def _start_window_manager(self):
        """Openbox, once it manages the screen: frames, focus and Alt+F4."""
        self.wm = subprocess.Popen(["openbox"], env=self.env, start_new_session=True,
                                   preexec_fn=_die_with_driver,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def managing():
            return "window id" in subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                capture_output=True, text=True, timeout=5).stdout
        wait_for(managing, "openbox to manage the screen")

    def _start_dbus(self):
        out = subprocess.run(["dbus-launch", "--sh-syntax"], env=self.env, check=True,
                             capture_output=True, text=True, timeout=DEFAULT_TIMEOUT,
                             start_new_session=True).stdout
        for line in out.splitlines():
            if "=" not in line:
                continue
            key, _, value = line.partition("=")
            value = value.rstrip(";").strip().strip("'")
            if key == "DBUS_SESSION_BUS_ADDRESS":
                self.env[key] = value
            elif key == "DBUS_SESSION_BUS_PID":
                self.dbus_pid = int(value)
        check("DBUS_SESSION_BUS_ADDRESS" in self.env, f"dbus-launch gave no address: {out!r}")

    def name_has_owner(self, name):
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", f"string:{name}"],
            env=self.env, capture_output=True, text=True, timeout=5)
        return "boolean true" in result.stdout

    def _start_atspi(self):
        self.atspi_launcher = subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            env=self.env, start_new_session=True, preexec_fn=_die_with_driver,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.name_has_owner("org.a11y.Bus"), "the accessibility bus")

    def _copy_app(self):
        os.makedirs(self.app_dir)
        for program_file in ("quillora", "libquillora_sound.so"):
            shutil.copy2(os.path.join(self.source_app, program_file), self.app_dir)
        for folder in ("media", "audio"):
            source = os.path.join(self.source_app, folder)
            if os.path.isdir(source):
                shutil.copytree(source, os.path.join(self.app_dir, folder))
            else:
                os.makedirs(os.path.join(self.app_dir, folder))

    # running the program

    def launch(self, wait_window=True, session_bus=True):
        env = dict(self.env)
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        if not session_bus:
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        log = open(os.path.join(self.tmp, f"program-{len(self.programs)}.log"), "wb")
        proc = subprocess.Popen([os.path.join(self.app_dir, "quillora")], cwd=self.tmp,
                                env=env, start_new_session=True,
                                preexec_fn=_die_with_driver, stdout=log, stderr=subprocess.STDOUT)
        log.close()
        program = Program(self, proc)
        self.programs.append(program)
        if wait_window:
            program.app()
        return program

    def spawn(self, args):
        """Starts a helper process in the session, ended by close()."""
        proc = subprocess.Popen(args, env=self.env, start_new_session=True,
                                preexec_fn=_die_with_driver)
        self.helpers.append(proc)
        return proc

    def program_output(self, index=0):
        path = os.path.join(self.tmp, f"program-{index}.log")
        with open(path, "rb") as log:
            return log.read().decode(errors="replace")

    # files of the app folder

    def path(self, name):
        return os.path.join(self.app_dir, name)

    def read_bytes(self, name):
        with open(self.path(name), "rb") as file:
            return file.read()

    def write_bytes(self, name, data):
        with open(self.path(name), "wb") as file:
            file.write(data)

    def exists(self, name):
        return os.path.isfile(self.path(name))

    def pref_file(self):
        return os.path.join(self.config_dir, "QLA", "QLA.conf")

    # mouse, keyboard and clipboard

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=DEFAULT_TIMEOUT,
                       stdout=subprocess.DEVNULL)

    def pointer(self):
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.env,
                             check=True, timeout=DEFAULT_TIMEOUT, capture_output=True,
                             text=True).stdout
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"])

    def move_to(self, x, y):
        # "mousemove --sync" never returns when the pointer is there already.
        self.xdotool("mousemove", str(x), str(y))
        wait_for(lambda: self.pointer() == (x, y), f"the pointer to reach {x},{y}")

    def click(self, acc):
        self.move_to(*centre(acc))
        self.xdotool("click", "1")

    def type_text(self, text):
        """Types text; a line break is the Return key."""
        lines = text.split("\n")
        for i, line in enumerate(lines):
            if line:
                self.xdotool("type", "--delay", "8", "--", line)
            if i < len(lines) - 1:
                self.xdotool("key", "Return")

    def key(self, *keys):
        self.xdotool("key", *keys)

    def clipboard(self):
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                capture_output=True, timeout=DEFAULT_TIMEOUT)
        if result.returncode != 0:
            return None
        return result.stdout

    def set_clipboard(self, data):
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=data, env=self.env,
                       check=True, timeout=DEFAULT_TIMEOUT, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env,
                       timeout=DEFAULT_TIMEOUT, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

    # tearing down

    def close(self):
        for proc in [program.proc for program in self.programs] + self.helpers:
            kill_group(proc)
        kill_group(self.atspi_launcher)
        kill_group(self.wm)
        if self.dbus_pid:
            kill_pid_group(self.dbus_pid)
        kill_group(self.xvfb)
        shutil.rmtree(self.tmp, ignore_errors=True)


def _terminate(signum, _frame):
    raise SystemExit(128 + signum)


class Overrun(BaseException):
    """Not an Exception, so that no poll takes it for a passing error."""


def _overrun(_signum, _frame):
    raise Overrun("the scenario ran past its time limit")


def main(scenario):
    """Runs scenario(session) in a fresh session; on failure leaves a
    screenshot named after the test in the output folder."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True, help="folder of the built program")
    parser.add_argument("--out", required=True, help="folder for screenshots")
    parser.add_argument("--name", default=None)
    parser.add_argument("--limit", type=int, default=75,
                        help="seconds before the scenario is stopped (below ctest's TIMEOUT)")
    parser.add_argument("--window-manager", action="store_true",
                        help="run openbox on the test's X server")
    args = parser.parse_args()
    name = args.name or os.path.splitext(os.path.basename(sys.argv[0]))[0]
    signal.signal(signal.SIGTERM, _terminate)
    signal.signal(signal.SIGINT, _terminate)
    signal.signal(signal.SIGALRM, _overrun)
    signal.alarm(args.limit)
    session = Session(os.path.abspath(args.app), os.path.abspath(args.out), name,
                      args.window_manager)
    shot = os.path.join(session.out_dir, f"{name}.png")
    if os.path.exists(shot):
        os.remove(shot)  # left by an earlier failing run
    started = time.monotonic()
    try:
        session.start()
        scenario(session)
    except BaseException as error:
        signal.alarm(0)
        os.makedirs(session.out_dir, exist_ok=True)
        if session.env and "DISPLAY" in session.env:
            session.screenshot(shot)
            print(f"screenshot: {shot}", file=sys.stderr)
        traceback.print_exc()
        for program in session.programs:
            if program._app is None or not program.running():
                continue
            try:
                print("accessible tree:\n" + describe_tree(program._app), file=sys.stderr)
            except Exception:
                pass
        for index in range(len(session.programs)):
            output = session.program_output(index)
            if output:
                print(f"program {index} output:\n{output}", file=sys.stderr)
        session.close()
        sys.exit(1 if not isinstance(error, SystemExit) else error.code)
    signal.alarm(0)
    session.close()
    print(f"{name}: passed in {time.monotonic() - started:.1f} s")
