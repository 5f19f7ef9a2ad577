"""A first start with no boards: five empty slots, the actions that need a
board ask for a selection, an empty slot cannot be selected, the scroll
buttons do not move an empty list, Help answers, and Quit ends the program
without a word on its output."""

import driver
import screens
from driver import check, check_equal

EDIT_ASKS = ("Please select an existing Quillora to your left. Then click this button "
             "to edit its style.")
RUN_ASKS = ("Please select an existing Quillora to your left. Then click this button to "
            "display it and accept signatures during your party! If you have not yet "
            "created a Quillora, just click the chalkboard icon above to get started.")
VIEW_ASKS = ("Please select an existing Quillora above. Then click this button to display "
             "signatures for that board.")


def scenario(session):
    program = session.launch()
    menu = screens.MainMenu(program)
    check_equal(menu.window.name, screens.APP_TITLE, "main menu caption")
    check_equal(menu.slot_texts(), [""] * 5, "board list of an empty app folder")
    # Sound is on at first: the start-up sound brings in the sound library.
    driver.wait_for(lambda: "/libquillora_sound.so" in open(f"/proc/{program.pid}/maps").read(),
                    "the sound library loaded for the start-up sound")

    for action, message in (("Edit Project", EDIT_ASKS), ("Run Project (ZivivIdid!)", RUN_ASKS),
                            ("View Signatures", VIEW_ASKS)):
        menu.action(action)
        program.expect_message(message)

    # An empty slot (no list item: the list's middle) takes no selection:
    # Edit still asks for one.
    session.click(driver.find_widget(menu.window, "list", "Boards"))
    session.click(find_button(menu, "Scroll Down"))
    session.click(find_button(menu, "Scroll Up"))
    menu.action("Edit Project")
    program.expect_message(EDIT_ASKS)
    check_equal(menu.slot_texts(), [""] * 5, "board list after scrolling an empty list")

    screens.choose_menu(program, menu.window, "Help", "What is Quillora?")
    text = program.answer_message()
    check(text.startswith("What is Quillora?\r\n\r\n        Quillora is a computerized sign-in board"),
          f"unexpected help text {text!r}")

    menu.action("Quit")
    check_equal(program.wait_exit(), 0, "exit code after Quit")
    check_equal(session.program_output(0), "", "what the program printed")


def find_button(menu, name):
    button = driver.find_widget(menu.window, "push button", name)
    check(button is not None, f"no {name!r} button")
    return button


if __name__ == "__main__":
    driver.main(scenario)
