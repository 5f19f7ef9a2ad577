"""Started without a session bus address, the program shows its main menu
without launching a bus of its own (dbus-launch --autolaunch), and prints
nothing."""

import os
import subprocess
import time

import driver
from driver import check, check_equal, wait_for


def main_menu_window(session):
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quillora 2003$"],
                            env=session.env, capture_output=True, text=True, timeout=10)
    return result.stdout.split()[0] if result.stdout.strip() else None


def launched_buses(session):
    """What dbus-launch keeps under ~/.dbus: one file per X display, written
    anew by every bus it launches."""
    folder = os.path.join(session.env["HOME"], ".dbus", "session-bus")
    if not os.path.isdir(folder):
        return {}
    return {name: os.stat(os.path.join(folder, name)).st_mtime_ns for name in os.listdir(folder)}


def scenario(session):
    before = launched_buses(session)
    program = session.launch(wait_window=False, session_bus=False)
    wait_for(lambda: main_menu_window(session), "the main menu to show")
    # A bus is launched while the window is shown; give a launch time to
    # finish, so that no trace of one means none was started.
    time.sleep(1.0)
    check(program.running(), "the program ended")
    check_equal(launched_buses(session), before, "the buses dbus-launch keeps under ~/.dbus")
    program.proc.terminate()
    program.wait_exit()
    check_equal(session.program_output(0), "", "what the program printed")


if __name__ == "__main__":
    driver.main(scenario)
