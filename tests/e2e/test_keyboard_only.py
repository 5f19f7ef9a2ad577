"""The whole job without a pointer: keys, and accessibility actions where
the program has no key (the wizard's arrows, the board's Quit).
Make a board with a password, select it in the list by Down, run it, sign
it twice with Ctrl+Return, quit, scroll the list by Down and Up past its
ends, view the board: Escape leaves the password gate, the password opens
it; page with Page Down and Page Up, export by Alt+E and copy by Alt+C and
by Ctrl+A, Ctrl+C. The pointer never moves. A screen reader is told each
board the selection reaches and each page's position.
With --window-manager the board and its notes are on disk already and the
walk starts at viewing; Alt+F4 in the gate goes back to the main menu too."""

from gi.repository import GLib

import driver
import screens
from driver import TestFailure, check, check_equal, find_widget, message_text, text_of, wait_for

TITLE = "Keys Party"
PASSWORD = "Let me in"
NOTES = ("Hello keyboard", "Second note\nby keys")
EXPORT = (f"{TITLE} Signatures\r\n\r\nHello keyboard\r\n" + "-" * 60
          + "\r\nSecond note\r\nby keys\r\n" + "-" * 60 + "\r\n").encode()
OTHER_BOARDS = ["Lemon", "Mango", "Nut", "Olive", "Peach"]  # listed after it


def states(acc):
    return acc.getState()


def is_focused(acc):
    return states(acc).contains(driver.atspi().STATE_FOCUSED)


def act(acc, name="Press", opens_message=False):
    """Runs an accessibility action of a widget by its name. An action that
    opens a message box answers only once the box is closed, so its reply is
    not waited for."""
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, found in enumerate(names):
        if found.lower() == name.lower():
            try:
                check(action.doAction(i), f"{name!r} on {acc.name!r} failed")
            except GLib.GError as error:
                if not (opens_message and "Did not receive a reply" in str(error)):
                    raise
            return
    raise TestFailure(f"{acc.getRoleName()} {acc.name!r} has no action {name!r}: {names}")


def tab_to(session, window, role, name):
    """Presses Tab until the widget has the keyboard focus."""
    target = find_widget(window, role, name)
    check(target is not None, f"no {role} {name!r}")
    for _ in range(12):
        try:
            wait_for(lambda: is_focused(target), "", timeout=0.4)
            return target
        except TestFailure:
            session.key("Tab")
    raise TestFailure(f"Tab never reached {role} {name!r}")


def confirm(program, expected):
    """Reads the message box on show and closes it with Return."""
    box = program.message_box()
    check_equal(message_text(box), expected, "message box text")
    program.session.key("Return")
    wait_for(lambda: not driver.is_showing(box), f"the message box {expected!r} to close")


def next_arrow(program, window, name="Next"):
    arrow = find_widget(window, "push button", name)
    check(arrow is not None, f"no arrow {name!r}")
    act(arrow)
    wait_for(lambda: not driver.is_showing(window), f"the window to close after {name!r}")


def select_first_board(session, menu, boards=6):
    lst = find_widget(menu.window, "list", "Boards")
    wait_for(lambda: is_focused(lst), "the board list to have the focus")
    check_equal(lst.childCount, min(boards, 5), "items of the board list")
    session.key("Down")
    item = lst.getChildAtIndex(0)
    wait_for(lambda: states(item).contains(driver.atspi().STATE_SELECTED) and item.name == TITLE,
             f"{TITLE!r} to be selected")


def make_board(session, program):
    menu = screens.MainMenu(program)
    tab_to(session, menu.window, "push button", "New Project")
    session.key("Return")
    step1 = screens.wizard_step(program, 1)
    title = screens.text_box(step1, "Title")
    wait_for(lambda: is_focused(title), "the title box to have the focus")
    session.type_text(TITLE)
    wait_for(lambda: text_of(title) == TITLE, "the title to be typed")
    session.key("Tab")
    password = screens.text_box(step1, "Password")
    wait_for(lambda: is_focused(password), "the password box to have the focus")
    session.type_text(PASSWORD)
    next_arrow(program, step1)
    for step in (2, 3, 4, 5):
        next_arrow(program, screens.wizard_step(program, step))
    finish = screens.wizard_step(program, "finish")
    act(find_widget(finish, "push button", "Finish"), opens_message=True)
    confirm(program, screens.SAVED_MESSAGE)
    check(session.exists(f"{TITLE}.qla"), "the board file was not written")


def sign(session, program):
    board = screens.board_window(program)
    note = screens.note_area(board)
    wait_for(lambda: is_focused(note), "the note area to have the focus")
    session.type_text("Hello keyboard")
    session.key("Tab")
    session.key("ctrl+Return")
    confirm(program, "Thank you!")
    screens.wait_note(board, "")
    session.type_text("Second note\nby keys")
    session.key("ctrl+KP_Enter")
    confirm(program, "Thank you!")
    check_equal(session.read_bytes(f"{TITLE}.sig"), screens.signature_file(*NOTES),
                "the signature file")
    act(screens.menu_bar_item(board, "Quit"))
    wait_for(lambda: not driver.is_showing(board), "the board to close")


def scroll_by_keys(session, menu, focus):
    """Down past the bottom slot and Up past the top one scroll the list;
    the selected slot then names another board, and that board is what the
    screen reader is told. Leaves the first board selected."""
    for board in OTHER_BOARDS[:4]:
        session.key("Down")
        focus.wait(board, "")
    session.key("Down")
    menu.wait_slots(OTHER_BOARDS)
    focus.wait("Peach", "")
    for board in reversed(OTHER_BOARDS[:4]):
        session.key("Up")
        focus.wait(board, "")
    session.key("Up")
    menu.wait_slots([TITLE, *OTHER_BOARDS[:4]])
    focus.wait(TITLE, "")


def through_gate(session, program, menu, boards):
    """Escape (and Alt+F4 where a window manager closes windows) leave the
    gate for the main menu; the password opens the board."""
    leaving = ["Escape", "alt+F4"] if session.window_manager else ["Escape"]
    for key in leaving + ["Return"]:
        tab_to(session, menu.window, "push button", "View Signatures")
        session.key("Return")
        gate = program.window_with("label", "Please enter your password:")
        entry = screens.text_box(gate, "Password")
        wait_for(lambda: is_focused(entry), "the password entry to have the focus")
        if key == "Return":
            session.type_text(PASSWORD)
        session.key(key)
        wait_for(lambda: not driver.is_showing(gate), f"the gate to close on {key}")
        if key != "Return":
            menu = screens.MainMenu(program)
            select_first_board(session, menu, boards)


def export_by_keys(session, program):
    """Alt+E exports; the export window takes the keyboard, Ctrl+A, Ctrl+C
    and Alt+C both put the export text on the clipboard, CR LF included."""
    session.key("alt+e")
    export = program.window_with("menu item", "Copy to Clipboard")
    box = find_widget(export, "text", "Signatures")
    wait_for(lambda: is_focused(box), "the export text to have the focus")
    check("Alt+C" in box.description, f"the export text's description: {box.description!r}")
    session.key("ctrl+a", "ctrl+c")
    wait_for(lambda: session.clipboard() == EXPORT,
             f"Ctrl+C to copy the export text (the clipboard holds {session.clipboard()!r})")
    session.set_clipboard(b"something else")
    wait_for(lambda: session.clipboard() == b"something else", "the clipboard to be changed")
    session.key("alt+c")
    confirm(program, "Your signatures were copied to the clipboard successfully.")
    wait_for(lambda: session.clipboard() == EXPORT,
             f"Alt+C to copy the export text (the clipboard holds {session.clipboard()!r})")


def view_and_export(session, program, menu, focus, boards=6):
    through_gate(session, program, menu, boards)
    board = screens.board_window(program, "Next Signature")
    note = screens.note_area(board)
    screens.wait_label(board, f"{TITLE} (1 of 2)")
    wait_for(lambda: is_focused(note), "the note area to have the focus")
    check(TITLE in note.description, f"the note area's description: {note.description!r}")
    session.key("Next")
    screens.wait_label(board, f"{TITLE} (2 of 2)")
    screens.wait_note(board, "Second note\nby keys\n")
    focus.wait("Note", f"{TITLE} (2 of 2)")
    session.key("Next")
    confirm(program, "You are viewing the last signature on this Quillora.")
    session.key("Prior")
    screens.wait_label(board, f"{TITLE} (1 of 2)")
    focus.wait("Note", f"{TITLE} (1 of 2)")

    export_by_keys(session, program)


def scenario(session):
    if session.window_manager:
        session.write_bytes(f"{TITLE}.qla", screens.board_file(TITLE, PASSWORD))
        session.write_bytes(f"{TITLE}.sig", screens.signature_file(*NOTES))
        program = session.launch()
        focus = driver.FocusLog()
        menu = screens.MainMenu(program)
        select_first_board(session, menu, boards=1)
        view_and_export(session, program, menu, focus, boards=1)
        check_equal(session.program_output(0), "", "what the program printed")
        return
    for title in OTHER_BOARDS:
        session.write_bytes(f"{title}.qla", screens.board_file(title))
    program = session.launch()
    focus = driver.FocusLog()
    start = session.pointer()
    make_board(session, program)

    menu = screens.MainMenu(program)
    select_first_board(session, menu)
    tab_to(session, menu.window, "push button", "Run Project (ZivivIdid!)")
    session.key("space")
    sign(session, program)

    menu = screens.MainMenu(program)
    select_first_board(session, menu)
    scroll_by_keys(session, menu, focus)
    view_and_export(session, program, menu, focus)
    check_equal(session.pointer(), start, "the pointer's place")
    check_equal(session.program_output(0), "", "what the program printed")


if __name__ == "__main__":
    driver.main(scenario)
