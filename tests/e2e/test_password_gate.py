"""A board with a password: Run opens it for guests without asking; View and
Edit ask first; a wrong password (also one with an extra blank) is refused
with "Oops. Please try again." and an empty entry; the right one in other
letter case opens the board in browse mode or step 1 of the wizard, which
shows the password; the gate's back arrow returns to the main menu. Nothing
on the accessibility bus carries the typed characters, only the mask "?"."""

import driver
import screens
from driver import check, check_equal, text_of, wait_for

PROMPT = "Please enter your password:"
OOPS = "Oops. Please try again."


class GateListener:
    """The text a program on the accessibility bus is told about the
    password entry: the strings of its events and the text it reads back."""

    EVENTS = ("object:text-changed", "object:text-caret-moved", "object:property-change",
              "object:text-selection-changed", "object:state-changed")

    def __init__(self):
        self.told = []
        for kind in self.EVENTS:
            driver.atspi().Registry.registerEventListener(self._on_event, kind)

    def _on_event(self, event):
        try:
            if event.source.getRoleName() != "password text":
                return
            self.told.append(event.source.queryText().getText(0, -1))
            if isinstance(event.any_data, str):
                self.told.append(event.any_data)
        except Exception:  # gone before it was asked
            pass

    def check_masked(self):
        check_equal([told for told in self.told if told.strip("?")], [],
                    "what the accessibility bus was told of the password")
        check(any("?" in told for told in self.told), "no text event of the password entry")


def gate(program, action):
    """The main menu's action on the board Secret, which asks for its password first."""
    menu = screens.MainMenu(program)
    menu.select("Secret")
    menu.action(action)
    window = program.window_with("label", PROMPT)
    entry = screens.text_box(window, "Password")
    check_equal(entry.getRoleName(), "password text", "role of the password entry")
    wait_for(lambda: entry.getState().contains(driver.atspi().STATE_FOCUSED),
             "the password entry to have the focus")
    check_equal(screens.box_length(entry), 0, "length of a fresh password entry")
    return window, entry


def refused(session, program, window, entry, typed, submit):
    screens.replace_text(session, entry, typed)
    submit()
    program.expect_message(OOPS)
    wait_for(lambda: screens.box_length(entry) == 0, "the password entry to be emptied")
    check(driver.is_showing(window), "the gate closed after a wrong password")


def scenario(session):
    board_bytes = screens.board_file("Secret", "Open Sesame", 4, 6, "", "", "Shh, thanks!",
                                     ["Private wishes only"])
    session.write_bytes("Secret.qla", board_bytes)
    session.write_bytes("Secret.sig", screens.signature_file("For your eyes only"))
    program = session.launch()
    listener = GateListener()

    menu = screens.MainMenu(program)
    menu.select("Secret")
    menu.action("Run Project (ZivivIdid!)")
    board = screens.board_window(program, "Save My Note")
    screens.wait_label(board, "Secret")
    screens.quit_board(program, board)

    # View: wrong by Enter, then right in other case by the next arrow.
    window, entry = gate(program, "View Signatures")
    refused(session, program, window, entry, "open", lambda: session.key("Return"))
    screens.replace_text(session, entry, "open sesame")
    screens.go_on(program, window, "Next")
    board = screens.board_window(program, "Next Signature")
    screens.wait_label(board, "Secret (1 of 1)")
    screens.wait_note(board, "For your eyes only\n")
    screens.quit_board(program, board)

    # Edit: an extra blank is wrong; Back returns to the main menu.
    window, entry = gate(program, "Edit Project")
    refused(session, program, window, entry, "Open Sesame ",
            lambda: screens.press(session, window, "Next"))
    screens.go_on(program, window, "Back")
    listener.check_masked()

    check_equal(screens.MainMenu(program).slot_texts(), ["Secret", "", "", "", ""],
                "board list after the gate")
    window, entry = gate(program, "Edit Project")
    screens.replace_text(session, entry, "Open Sesame")
    session.key("Return")
    wait_for(lambda: not driver.is_showing(window), "the gate to close")
    step1 = screens.wizard_step(program, 1)
    check_equal(text_of(screens.text_box(step1, "Title")), "Secret", "title in step 1")
    check_equal(text_of(screens.text_box(step1, "Password")), "Open Sesame", "password in step 1")
    screens.go_on(program, step1, "Back")
    screens.MainMenu(program)
    check_equal(session.read_bytes("Secret.qla"), board_bytes, "Secret.qla after all this")
    check(session.program_output(0) == "", "the program printed something")


if __name__ == "__main__":
    driver.main(scenario)
