"""Edit a board and give it a new title: every step opens with the stored
values, the title of another board is refused, and after Finish the board
file and the signature file carry the new title (the notes kept, the old
files gone); the notes are then browsed under the new title."""

import driver
import screens
from driver import check, check_equal, text_of


def duplicate_message(title):
    return (f"You cannot name this project '{title}' because a Quillora already exists with "
            "this title and may contain signatures. Please choose a different title.")


def scenario(session):
    sounds = screens.sounds_offered(session)
    check(len(sounds) >= 2, f"the audio folder offers too few sounds: {sounds}")
    save_sound, reset_sound = sounds[-1], sounds[0]
    session.write_bytes("Party.qla", screens.board_file(
        "Party", "", 6, 3, save_sound, reset_sound, "Thanks!", ["Hi all", "Sign here"]))
    notes = screens.signature_file("one", "two\nlines", "three")
    session.write_bytes("Party.sig", notes)
    other = screens.board_file("Office", welcome_lines=["Work"])
    session.write_bytes("Office.qla", other)

    program = session.launch()
    menu = screens.MainMenu(program)
    menu.wait_slots(["Office", "Party", "", "", ""])
    menu.select("Party")
    menu.action("Edit Project")
    menu.wait_gone()

    step1 = screens.wizard_step(program, 1)
    title = screens.text_box(step1, "Title")
    check_equal(text_of(title), "Party", "title of the edited board")
    check_equal(text_of(screens.text_box(step1, "Password")), "", "password of the edited board")
    screens.replace_text(session, title, "Office")
    screens.go_on(program, step1, "Next", gone=False)
    program.expect_message(duplicate_message("Office"))
    screens.replace_text(session, title, "Big Party")
    screens.go_on(program, step1, "Next")

    for step in (2, 3):
        screens.go_on(program, screens.wizard_step(program, step), "Next")
    step4 = screens.wizard_step(program, 4)
    check_equal(text_of(screens.text_box(step4, "Welcome message")), "Hi all\nSign here\n",
                "welcome message of the edited board")
    check_equal(text_of(screens.text_box(step4, "Thank-you message")), "Thanks!",
                "thank-you message of the edited board")
    screens.go_on(program, step4, "Next")
    step5 = screens.wizard_step(program, 5)
    check_equal(screens.selected_item(step5, "Save sound"), save_sound, "stored save sound")
    check_equal(screens.selected_item(step5, "Reset sound"), reset_sound, "stored reset sound")
    screens.go_on(program, step5, "Next")
    finish = screens.wizard_step(program, "finish")
    screens.go_on(program, finish, "Finish", gone=False)
    program.expect_message(screens.SAVED_MESSAGE)

    menu = screens.MainMenu(program)
    menu.wait_slots(["Big Party", "Office", "", "", ""])
    # The loaded welcome message ends with a line break, which is kept.
    check_equal(session.read_bytes("Big Party.qla"), screens.board_file(
        "Big Party", "", 6, 3, save_sound, reset_sound, "Thanks!", ["Hi all", "Sign here", ""]),
        "Big Party.qla")
    check_equal(session.read_bytes("Big Party.sig"), notes, "Big Party.sig")
    check(not session.exists("Party.qla"), "Party.qla is still there")
    check(not session.exists("Party.sig"), "Party.sig is still there")
    check_equal(session.read_bytes("Office.qla"), other, "the other board's file")

    menu.select("Big Party")
    menu.action("View Signatures")
    board = screens.board_window(program, "Next Signature")
    screens.wait_label(board, "Big Party (1 of 3)")
    screens.wait_note(board, "one\n")
    check(session.program_output(0) == "", "the program printed something")


if __name__ == "__main__":
    driver.main(scenario)
