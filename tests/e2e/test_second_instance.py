"""A second start while the program runs: the second process shows
"Quillora 2003 is already running.", opens no window of its own and ends
after OK; the first keeps its main menu and still works."""

import driver
import screens
from driver import check, check_equal, wait_for


def scenario(session):
    session.write_bytes("Picnic.qla", screens.board_file("Picnic"))
    first = session.launch()
    menu = screens.MainMenu(first)
    menu.wait_slots(["Picnic", "", "", "", ""])
    menu.select("Picnic")

    second = session.launch()
    box = second.message_box()
    check_equal(driver.message_text(box), "Quillora 2003 is already running.",
                "second start message")
    others = [w for w in second.showing_windows() if w.getRoleName() not in ("alert", "dialog")]
    check_equal([w.name for w in others], [], "windows of the second process")
    session.click(driver.find_widget(box, "push button", "OK"))
    check_equal(second.wait_exit(), 0, "exit code of the second process")

    check(first.running(), "the first process ended too")
    check(driver.is_showing(menu.window), "the first main menu is gone")
    # The first instance keeps its state: the selection made before still
    # leads Edit to the board, and its wizard opens with the board's title.
    menu.action("Edit Project")
    step1 = screens.wizard_step(first, 1)
    wait_for(lambda: driver.text_of(screens.text_box(step1, "Title")) == "Picnic",
             "step 1 to show the title Picnic")
    screens.go_on(first, step1, "Back")
    screens.MainMenu(first).action("Quit")
    check_equal(first.wait_exit(), 0, "exit code of the first process")
    check_equal(session.program_output(0), "", "what the first process printed")
    check_equal(session.program_output(1), "", "what the second process printed")


if __name__ == "__main__":
    driver.main(scenario)
