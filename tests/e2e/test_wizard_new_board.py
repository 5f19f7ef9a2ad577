"""New Project through the six wizard windows: step 1 refuses an empty and
an invalid title, the back arrow drops a change, the chosen backdrop, theme,
messages and sounds reach the board file byte for byte after Finish, and
the fresh main menu lists the new board, which Run opens."""

import driver
import screens
from driver import check, check_equal, find_widget, text_of, wait_for

EMPTY_TITLE = ("Please enter a title for your sign-in board; such as \"Joe's Graduation Party\", "
               "\"Wendy's Birthday Party\", etc.")
INVALID_TITLE = ("Your title contains invalid symbols. Please try again using numbers, letters, "
                 "and basic punctuation.")
SAMPLE_WELCOME = ("Sample: I'm so glad you could make it to my party. Please leave me a short "
                  "message and don't forget to leave a phone number!")


def pick(session, window, name):
    thumb = find_widget(window, "radio button", name)
    check(thumb is not None, f"no thumbnail {name!r}")
    session.click(thumb)
    wait_for(lambda: thumb.getState().contains(driver.atspi().STATE_CHECKED),
             f"the thumbnail {name!r} to be the checked one")


def choose_sound(session, window, list_name, entry):
    _, items = screens.list_items(window, list_name)
    item = next((i for i in items if i.name == entry), None)
    check(item is not None, f"{list_name} does not offer {entry!r}")
    session.click(item)
    wait_for(lambda: screens.selected_item(window, list_name) == entry,
             f"{entry!r} to be selected in {list_name}")


def scenario(session):
    sounds = screens.sounds_offered(session)
    check(len(sounds) >= 2, f"the audio folder offers too few sounds: {sounds}")
    program = session.launch()
    menu = screens.MainMenu(program)
    menu.action("New Project")
    menu.wait_gone()

    step1 = screens.wizard_step(program, 1)
    title = screens.text_box(step1, "Title")
    password = screens.text_box(step1, "Password")
    check_equal(text_of(title), "", "title of a new board")
    screens.go_on(program, step1, "Next", gone=False)
    program.expect_message(EMPTY_TITLE)
    screens.replace_text(session, title, "Bad*Title")
    screens.go_on(program, step1, "Next", gone=False)
    program.expect_message(INVALID_TITLE)
    check_equal(text_of(title), "Bad*Title", "title kept after a refusal")
    screens.replace_text(session, title, "Summer Party")
    screens.replace_text(session, password, "")
    screens.go_on(program, step1, "Next")

    # Step 2: Wood, but the back arrow drops it; the second visit keeps it.
    step2 = screens.wizard_step(program, 2)
    pick(session, step2, "Wood")
    screens.go_on(program, step2, "Back")
    step1 = screens.wizard_step(program, 1)
    check_equal(text_of(screens.text_box(step1, "Title")), "Summer Party", "title after Back")
    screens.go_on(program, step1, "Next")
    step2 = screens.wizard_step(program, 2)
    pick(session, step2, "Red Roses")
    screens.go_on(program, step2, "Next")

    step3 = screens.wizard_step(program, 3)
    pick(session, step3, "Birthday 1")
    screens.go_on(program, step3, "Next")

    step4 = screens.wizard_step(program, 4)
    welcome = screens.text_box(step4, "Welcome message")
    thanks = screens.text_box(step4, "Thank-you message")
    check_equal(text_of(welcome), SAMPLE_WELCOME, "welcome message of a new board")
    check_equal(text_of(thanks), "Thank you!", "thank-you message of a new board")
    screens.replace_text(session, welcome, "")
    screens.go_on(program, step4, "Next", gone=False)
    program.expect_message("Please type a welcome message before continuing.")
    screens.replace_text(session, welcome, "Welcome, friends!\nPlease sign below.")
    screens.replace_text(session, thanks, "Thanks a lot!")
    screens.go_on(program, step4, "Next")

    step5 = screens.wizard_step(program, 5)
    check_equal(screens.selected_item(step5, "Save sound"), None, "save sound of a new board")
    check_equal(screens.selected_item(step5, "Reset sound"), None, "reset sound of a new board")
    _, offered = screens.list_items(step5, "Save sound")
    check_equal([item.name for item in offered], sounds, "sounds offered")
    save_sound, reset_sound = sounds[1], sounds[0]
    choose_sound(session, step5, "Save sound", save_sound)
    choose_sound(session, step5, "Reset sound", reset_sound)
    screens.go_on(program, step5, "Next")

    finish = screens.wizard_step(program, "finish")
    screens.wait_label(finish, "Congratulations! You're all set to party. A sign-in board has "
                       "been created and will be saved under the title, 'Summer Party'.")
    check(not session.exists("Summer Party.qla"), "the board file was written before Finish")
    screens.go_on(program, finish, "Finish", gone=False)
    program.expect_message(screens.SAVED_MESSAGE)

    expected = screens.board_file("Summer Party", "", 3, 4, save_sound, reset_sound,
                                  "Thanks a lot!", ["Welcome, friends!", "Please sign below."])
    check_equal(session.read_bytes("Summer Party.qla"), expected, "Summer Party.qla")
    check(not session.exists("Summer Party.sig"), "a signature file was made for a new board")

    menu = screens.MainMenu(program)
    menu.wait_slots(["Summer Party", "", "", "", ""])
    menu.select("Summer Party")
    menu.action("Run Project (ZivivIdid!)")
    board = screens.board_window(program)
    screens.wait_label(board, "Summer Party")
    # A loaded welcome message ends with its last line break.
    screens.wait_label(board, "Welcome, friends!\nPlease sign below.\n")
    check(session.program_output(0) == "", "the program printed something")


if __name__ == "__main__":
    driver.main(scenario)
