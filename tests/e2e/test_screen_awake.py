"""A board open for guests keeps the screen on: it holds the desktop's screen
saver (org.freedesktop.ScreenSaver on the session bus, here a stand-in that
writes down every call) from its opening to its closing; browsing holds
nothing. Where no screen saver answers on the bus, the X server's own saver
is suspended for as long as the board is open."""

import ctypes
import os
import sys
import time

import driver
import screens
from driver import check, check_equal, wait_for

SAVER = "org.freedesktop.ScreenSaver"


def serve_screen_saver(log_path):
    """The stand-in: answers Inhibit with cookies from 42 up and writes one
    line per call into log_path."""
    import dbus
    import dbus.service
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    class ScreenSaver(dbus.service.Object):
        cookie = 41

        def write(self, line):
            with open(log_path, "a", encoding="utf-8") as log:
                log.write(line + "\n")

        @dbus.service.method(SAVER, in_signature="ss", out_signature="u")
        def Inhibit(self, application, _reason):
            ScreenSaver.cookie += 1
            self.write(f"Inhibit {application} -> {ScreenSaver.cookie}")
            return ScreenSaver.cookie

        @dbus.service.method(SAVER, in_signature="u")
        def UnInhibit(self, cookie):
            self.write(f"UnInhibit {cookie}")

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    ScreenSaver(bus, "/org/freedesktop/ScreenSaver")
    _name = dbus.service.BusName(SAVER, bus)
    GLib.MainLoop().run()


class XScreenSaverInfo(ctypes.Structure):
    _fields_ = [("window", ctypes.c_ulong), ("state", ctypes.c_int), ("kind", ctypes.c_int),
                ("til_or_since", ctypes.c_ulong), ("idle", ctypes.c_ulong),
                ("event_mask", ctypes.c_ulong)]


class XSaver:
    """The X server's own screen saver (MIT-SCREEN-SAVER), through libX11
    and libXss."""

    def __init__(self, session):
        self.xlib = ctypes.CDLL("libX11.so.6")
        self.xss = ctypes.CDLL("libXss.so.1")
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        for name in ("XDefaultRootWindow", "XSetScreenSaver", "XFlush"):
            getattr(self.xlib, name).argtypes = [ctypes.c_void_p] + (
                [ctypes.c_int] * 4 if name == "XSetScreenSaver" else [])
        self.xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.xss.XScreenSaverQueryInfo.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                                   ctypes.POINTER(XScreenSaverInfo)]
        self.display = self.xlib.XOpenDisplay(session.env["DISPLAY"].encode())
        check(self.display, "cannot open the display")

    def set_timeout(self, seconds):
        self.xlib.XSetScreenSaver(self.display, seconds, seconds, 1, 1)
        self.xlib.XFlush(self.display)

    def on(self):
        info = XScreenSaverInfo()
        check(self.xss.XScreenSaverQueryInfo(self.display, self.xlib.XDefaultRootWindow(self.display),
                                             ctypes.byref(info)), "no MIT-SCREEN-SAVER extension")
        return info.state == 1  # ScreenSaverOn


def calls(log_path):
    if not os.path.exists(log_path):
        return []
    with open(log_path, encoding="utf-8") as log:
        return log.read().splitlines()


def open_board(program, action):
    menu = screens.MainMenu(program)
    menu.wait_slots(["Garden Party", "", "", "", ""])
    menu.select("Garden Party")
    menu.action(action)
    return screens.board_window(program, "Save My Note" if action.startswith("Run") else "Next Signature")


def scenario(session):
    session.write_bytes("Garden Party.qla", screens.board_file("Garden Party"))
    session.write_bytes("Garden Party.sig", screens.signature_file("Lovely party!"))
    log = os.path.join(session.tmp, "screen-saver.log")
    saver = session.spawn([sys.executable, os.path.abspath(__file__), "--serve", log])
    wait_for(lambda: session.name_has_owner(SAVER), "the stand-in screen saver on the bus")
    program = session.launch()

    board = open_board(program, "Run Project (ZivivIdid!)")
    wait_for(lambda: calls(log) == ["Inhibit Quillora 2003 -> 42"], f"the board's hold; calls: {calls(log)}")
    screens.quit_board(program, board)
    wait_for(lambda: calls(log)[1:] == ["UnInhibit 42"], f"the hold's release; calls: {calls(log)}")

    board = open_board(program, "View Signatures")
    time.sleep(1.0)  # a hold would have arrived by now
    screens.quit_board(program, board)
    check_equal(calls(log), ["Inhibit Quillora 2003 -> 42", "UnInhibit 42"], "calls after browsing")

    # No screen saver on the bus: the X server's own one, set to one second.
    driver.kill_group(saver)
    wait_for(lambda: not session.name_has_owner(SAVER), "the stand-in to leave the bus")
    x_saver = XSaver(session)
    x_saver.set_timeout(1)
    board = open_board(program, "Run Project (ZivivIdid!)")
    time.sleep(2.5)
    check(not x_saver.on(), "the X screen saver came on over a board open for guests")
    screens.quit_board(program, board)
    wait_for(x_saver.on, "the X screen saver to come on after the board closed")
    check_equal(session.program_output(0), "", "what the program printed")


if __name__ == "__main__":
    if sys.argv[1:2] == ["--serve"]:
        serve_screen_saver(sys.argv[2])
    else:
        driver.main(scenario)
