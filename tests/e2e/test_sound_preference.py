"""The Sound menu: on at a first start, Off is stored as Sound=0 in
$XDG_CONFIG_HOME/QLA/QLA.conf and shown again after a restart, On stores
Sound=1, and clicking the item that already has the mark writes nothing."""

import os

import driver
import screens
from driver import check, check_equal, wait_for


def stored_sound(session):
    path = session.pref_file()
    if not os.path.isfile(path):
        return None
    section = None
    with open(path, encoding="utf-8") as prefs:
        for line in prefs:
            line = line.strip()
            if line.startswith("["):
                section = line
            elif section == "[Prefs]" and line.startswith("Sound="):
                return line[len("Sound="):]
    return None


def marks(program, menu):
    return screens.menu_checks(program, menu.window, "Sound", ["On", "Off"])


def scenario(session):
    program = session.launch()
    menu = screens.MainMenu(program)
    check_equal(marks(program, menu), {"On": True, "Off": False}, "Sound menu at a first start")
    check_equal(stored_sound(session), None, "stored preference before any change")

    screens.choose_menu(program, menu.window, "Sound", "Off")
    wait_for(lambda: stored_sound(session) == "0", "Sound=0 in QLA.conf")
    check_equal(marks(program, menu), {"On": False, "Off": True}, "Sound menu after Off")

    screens.choose_menu(program, menu.window, "File", "Quit")
    check_equal(program.wait_exit(), 0, "exit code after File / Quit")

    program = session.launch()
    menu = screens.MainMenu(program)
    check_equal(marks(program, menu), {"On": False, "Off": True}, "Sound menu after a restart")

    # The marked item again: nothing changes, nothing is written.
    before = os.stat(session.pref_file()).st_mtime_ns
    screens.choose_menu(program, menu.window, "Sound", "Off")
    check_equal(marks(program, menu), {"On": False, "Off": True}, "Sound menu after Off again")
    check_equal(os.stat(session.pref_file()).st_mtime_ns, before, "QLA.conf modification time")

    screens.choose_menu(program, menu.window, "Sound", "On")
    wait_for(lambda: stored_sound(session) == "1", "Sound=1 in QLA.conf")
    check_equal(marks(program, menu), {"On": True, "Off": False}, "Sound menu after On")
    menu.action("Quit")
    check_equal(program.wait_exit(), 0, "exit code after Quit")

    program = session.launch()
    menu = screens.MainMenu(program)
    check_equal(marks(program, menu), {"On": True, "Off": False}, "Sound menu after the second restart")
    check(all(session.program_output(i) == "" for i in range(3)), "the program printed something")


if __name__ == "__main__":
    driver.main(scenario)
