"""View the notes of a board: the title line tells "Title (n of 2)", Next and
Previous stop at both ends with their messages; Export shows every note in
its own window and Copy to Clipboard puts the text there byte for byte
(CR LF); browsing leaves the signature file as it was."""

import driver
import screens
from driver import check, check_equal, text_of, wait_for

HYPHENS = b"-" * 60


def scenario(session):
    notes = ("First note from Dana", "Second note\n\nwith a gap")
    session.write_bytes("Reunion.qla", screens.board_file("Reunion", "", 2, 5, "", "",
                                                         "Thanks!", ["Hello class of 2003"]))
    session.write_bytes("Reunion.sig", screens.signature_file(*notes))
    session.write_bytes("Another.qla", screens.board_file("Another"))
    signatures = session.read_bytes("Reunion.sig")

    program = session.launch()
    menu = screens.MainMenu(program)
    menu.wait_slots(["Another", "Reunion", "", "", ""])
    menu.select("Reunion")
    menu.action("View Signatures")
    board = screens.board_window(program, "Next Signature")
    check(driver.find_widget(board, "push button", "Previous Signature") is not None,
          "no Previous Signature button")
    check(driver.find_widget(board, "push button", "Save My Note") is None,
          "Save My Note shown in browse mode")
    screens.wait_label(board, "Reunion (1 of 2)")
    screens.wait_note(board, notes[0] + "\n")
    check(not screens.note_area(board).getState().contains(driver.atspi().STATE_EDITABLE),
          "the note area is editable in browse mode")

    # button, the message at an end, the note shown after it
    for button, message, shown in (
            ("Previous Signature", "You are viewing the first signature on this Quillora.", 1),
            ("Next Signature", None, 2),
            ("Next Signature", "You are viewing the last signature on this Quillora.", 2),
            ("Previous Signature", None, 1)):
        screens.press(session, board, button)
        if message:
            program.expect_message(message)
        screens.wait_label(board, f"Reunion ({shown} of 2)")
        screens.wait_note(board, notes[shown - 1] + "\n")

    screens.menu_command(program, board, "Export")
    export = program.window_with("text", "Signatures")
    expected = (b"Reunion Signatures\r\n\r\n"
                + b"First note from Dana\r\n" + HYPHENS + b"\r\n"
                + b"Second note\r\n\r\nwith a gap\r\n" + HYPHENS + b"\r\n")
    shown = text_of(driver.find_widget(export, "text", "Signatures"))
    check_equal(shown, expected.decode().replace("\r\n", "\n"), "export window text")
    screens.menu_command(program, export, "Copy to Clipboard")
    program.expect_message("Your signatures were copied to the clipboard successfully.")
    check_equal(wait_for(session.clipboard, "text on the clipboard"), expected, "clipboard")

    # Exporting leaves the board on the note it showed.
    screens.wait_label(board, "Reunion (1 of 2)")
    screens.quit_board(program, board)
    menu = screens.MainMenu(program)
    check(driver.is_showing(export), "the export window closed with the board")
    check_equal(session.read_bytes("Reunion.sig"), signatures, "Reunion.sig after browsing")
    # Quit ends the program at once, the export window left open included.
    menu.action("Quit")
    check_equal(program.wait_exit(), 0, "exit code after Quit")
    check(session.program_output(0) == "", "the program printed something")


if __name__ == "__main__":
    driver.main(scenario)
