"""Nothing a guest does at the party keeps the host from the notes: a note
that would grow the signature file past what the program reads back is
refused and stays in the note area, nothing written; a signature file
already past that size (grown by another program) still opens for the host
with the notes that fit, and is left as it was."""

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
    screens.MainMenu(program)
    check(session.read_bytes("Party.sig") == beyond, "Party.sig changed after browsing")


def scenario(session):
    host_is_never_locked_out(session)


if __name__ == "__main__":
    driver.main(scenario)
