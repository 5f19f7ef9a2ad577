"""Nothing a guest does at the party reaches what belongs to the host.

The host is never locked out of the notes: a note that would grow the
signature file past what the program reads back is refused and stays in the
note area, nothing written; a signature file already past that size (grown
by another program) still opens for the host with the notes that fit, and is
left as it was.

What the host looked at stays with the host: the exported and copied notes
stay while the main menu shows; a board opened for guests closes the export
window and takes the program's text off the clipboard and the mouse
selection, so Ctrl+V pastes nothing; a guest's own copy goes with the
note, saved or started over; another program's clipboard stays."""

import subprocess

import driver
import screens
from driver import check, check_equal, wait_for

# The most a signature file may hold (kMaxBoardFileBytes).
BOUND = 8 * 1024 * 1024
BOARD_FULL = ("This sign-in board is full, so your note could not be saved. "
              "Please let your host know!")
NOTES_CUT = ("This Quillora holds more signatures than can be shown at once. You can browse "
             "and export the first ones; the others were left in its signature file, untouched.")


def notes_of_size(size):
    """Signature file bytes of exactly `size` bytes: notes of 1000 letters
    and a last, shorter one; returns the bytes and the number of notes."""
    record = len(screens.signature_file("x" * 1000))
    count, rest = divmod(size, record)
    notes = ["note %06d " % i + "x" * 988 for i in range(count - 1)]
    notes.append("x" * (record + rest - len(screens.signature_file(""))))
    return b"".join(screens.signature_file(note) for note in notes), len(notes)


def host_is_never_locked_out(session):
    session.write_bytes("Party.qla", screens.board_file("Party"))
    # 30 bytes short of the bound: the next guest's note does not fit.
    full, count = notes_of_size(BOUND - 30)
    session.write_bytes("Party.sig", full)

    program = session.launch()
    menu = screens.MainMenu(program)
    menu.select("Party")
    menu.action("Run Project (ZivivIdid!)")
    board = screens.board_window(program)
    screens.replace_text(session, screens.note_area(board), "Lovely party, thank you for having us!")
    screens.press(session, board, "Save My Note")
    program.expect_message(BOARD_FULL)
    screens.wait_note(board, "Lovely party, thank you for having us!")
    check(session.read_bytes("Party.sig") == full, "Party.sig changed after a refused note")

    # Grown past the bound by another program: the host still browses the
    # whole notes that fit (one more, of 27 bytes), and the file stays as it
    # was.
    beyond = full + screens.signature_file(*["beyond the bound"] * 100)
    session.write_bytes("Party.sig", beyond)
    screens.menu_command(program, board, "Quit")
    menu = screens.MainMenu(program)
    menu.select("Party")
    menu.action("View Signatures")
    program.expect_message(NOTES_CUT)
    board = screens.board_window(program, "Next Signature")
    screens.wait_label(board, f"Party (1 of {count + 1})")
    screens.wait_note(board, "note 000000 " + "x" * 988 + "\n")
    screens.menu_command(program, board, "Quit")
    screens.MainMenu(program).action("Quit")
    check_equal(program.wait_exit(), 0, "exit code after Quit")
    check(session.read_bytes("Party.sig") == beyond, "Party.sig changed after browsing")



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

    # A guest's own copy goes with the note, saved or started over.
    for press, note in (("Save My Note", "x"), ("Start Over", "y")):
        screens.replace_text(session, screens.note_area(board), note)
        session.key("ctrl+a")
        session.key("ctrl+c")
        check_equal(wait_for(session.clipboard, "the guest's copy"), note.encode(), "the guest's copy")
        screens.press(session, board, press)
        if press == "Save My Note":
            program.expect_message("Thank you!")
        screens.wait_note(board, "")
        check_equal(session.clipboard(), None, "clipboard after " + press)
        check_equal(xclip(session, "-o", "-selection", "primary"), None, "the mouse selection after " + press)

    run_for_guests(session, program, board, b"from elsewhere")
    check_equal(session.clipboard(), b"from elsewhere", "another program's clipboard")
    check(session.program_output(0) == "", "the program printed something")


def scenario(session):
    host_is_never_locked_out(session)
    host_text_withdrawn_from_guests(session)


if __name__ == "__main__":
    driver.main(scenario)
