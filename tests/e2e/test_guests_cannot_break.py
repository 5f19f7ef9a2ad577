"""What the host looked at stays with the host: the exported and copied
notes stay while the main menu shows; a board opened for guests closes the
export window and takes the program's text off the clipboard and the mouse
selection, so Ctrl+V pastes nothing; another program's clipboard stays."""

import subprocess

import driver
import screens
from driver import check, check_equal, wait_for


def xclip(session, *args, data=None):
    """Reads a selection or, given data, owns it (xclip -i stays to serve it)."""
    out = subprocess.DEVNULL if data else subprocess.PIPE
    result = subprocess.run(["xclip", *args], input=data, env=session.env, stdout=out,
                            stderr=subprocess.DEVNULL, timeout=driver.DEFAULT_TIMEOUT)
    return result.stdout if result.returncode == 0 else None


def run_for_guests(session, program, board, clipboard=None):
    """Quits the board on show, if any, and runs Secret for guests, with
    another program's text on the clipboard if one is given."""
    if board:
        screens.menu_command(program, board, "Quit")
    menu = screens.MainMenu(program)
    if clipboard:
        xclip(session, "-i", "-selection", "clipboard", data=clipboard)
    menu.select("Secret")
    menu.action("Run Project (ZivivIdid!)")
    return screens.board_window(program, "Save My Note")


def host_text_withdrawn_from_guests(session):
    session.write_bytes("Secret.qla", screens.board_file("Secret", "hush"))
    session.write_bytes("Secret.sig", screens.signature_file("Only for the host"))
    program = session.launch()
    menu = screens.MainMenu(program)
    menu.select("Secret")
    menu.action("View Signatures")
    gate = program.window_with("label", "Please enter your password:")
    screens.replace_text(session, screens.text_box(gate, "Password"), "hush")
    session.key("Return")
    board = screens.board_window(program, "Next Signature")
    screens.wait_note(board, "Only for the host\n")
    session.key("ctrl+a")  # the note becomes the mouse selection
    wait_for(lambda: xclip(session, "-o", "-selection", "primary"), "the mouse selection")
    screens.menu_command(program, board, "Export")
    export = program.window_with("text", "Signatures")
    screens.menu_command(program, export, "Copy to Clipboard")
    program.expect_message("Your signatures were copied to the clipboard successfully.")
    exported = wait_for(session.clipboard, "the notes on the clipboard")

    screens.menu_command(program, board, "Quit")
    screens.MainMenu(program)
    check(driver.is_showing(export), "the export window closed with the board")
    check_equal(session.clipboard(), exported, "clipboard with the main menu on show")

    board = run_for_guests(session, program, None)
    wait_for(lambda: not driver.is_showing(export), "the export window to close")
    check_equal(session.clipboard(), None, "clipboard on the guests' board")
    check_equal(xclip(session, "-o", "-selection", "primary"), None, "the mouse selection")
    session.key("ctrl+v")
    session.type_text("x")
    screens.wait_note(board, "x")

    run_for_guests(session, program, board, b"from elsewhere")
    check_equal(session.clipboard(), b"from elsewhere", "another program's clipboard")
    check(session.program_output(0) == "", "the program printed something")


if __name__ == "__main__":
    driver.main(host_text_withdrawn_from_guests)
