"""Run a board for guests: View before any note says there are none; two
guests sign (one note of two lines typed with Return), each is thanked and
finds an empty note area; an empty note and Start Over write nothing; Quit
with unsaved text writes nothing; the signature file holds both notes byte
for byte."""

import time

import driver
import screens
from driver import check, check_equal, wait_for


def expect_no_message(program, seconds=1.0):
    """Polls for a while to make sure no message box comes up."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        check(program.no_message_box(), "a message box came up")
        driver.pump_events()
        time.sleep(driver.POLL)


def sign(session, program, board, note, thanks):
    screens.replace_text(session, screens.note_area(board), note)
    screens.press(session, board, "Save My Note")
    program.expect_message(thanks)
    screens.wait_note(board, "")


def scenario(session):
    session.write_bytes("Garden Party.qla", screens.board_file(
        "Garden Party", "", 1, 2, "", "", "Cheers, see you inside!", ["Welcome to the garden!"]))
    program = session.launch()
    menu = screens.MainMenu(program)
    menu.wait_slots(["Garden Party", "", "", "", ""])
    menu.select("Garden Party")
    menu.action("View Signatures")
    program.expect_message("No signatures have been recorded on this Quillora.")
    check(not menu.gone(), "the main menu closed after View without notes")

    menu.action("Run Project (ZivivIdid!)")
    board = screens.board_window(program)
    screens.wait_label(board, "Garden Party")
    screens.wait_label(board, "Welcome to the garden!\n")
    check(driver.find_widget(board, "push button", "Start Over") is not None, "no Start Over")
    check(driver.find_widget(screens.menu_bar_item(board, "Quit").parent, None, "Export") is None,
          "Export is offered in guest mode")
    screens.wait_note(board, "")

    # An empty note: no message, no file.
    screens.press(session, board, "Save My Note")
    expect_no_message(program)
    check(not session.exists("Garden Party.sig"), "an empty note was saved")

    sign(session, program, board, "Lovely party! - Ann", "Cheers, see you inside!")
    sign(session, program, board, "Happy summer\nfrom Bob and Carla", "Cheers, see you inside!")

    # Start Over throws the text away without writing.
    screens.replace_text(session, screens.note_area(board), "never mind")
    screens.press(session, board, "Start Over")
    screens.wait_note(board, "")
    expected = screens.signature_file("Lovely party! - Ann", "Happy summer\nfrom Bob and Carla")
    check_equal(session.read_bytes("Garden Party.sig"), expected, "Garden Party.sig")

    # Quit with unsaved text returns to the main menu and writes nothing.
    screens.replace_text(session, screens.note_area(board), "left unsaved")
    screens.quit_board(program, board)
    menu = screens.MainMenu(program)
    menu.wait_slots(["Garden Party", "", "", "", ""])
    check_equal(session.read_bytes("Garden Party.sig"), expected, "Garden Party.sig after Quit")
    # A fresh main menu: nothing is selected.
    menu.action("Edit Project")
    program.expect_message("Please select an existing Quillora to your left. Then click this "
                           "button to edit its style.")
    check(session.program_output(0) == "", "the program printed something")


if __name__ == "__main__":
    driver.main(scenario)
