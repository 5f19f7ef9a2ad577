"""Seven boards: the list shows five, sorted without regard to case, scrolls
down twice and then stops; scrolling keeps the selected slot, which then
names another board, and Run opens that board; Scroll Up goes back."""

import driver
import screens
from driver import check_equal

BOARDS = ["apple", "Banana", "cherry", "Date", "elder", "Fig", "grape"]


def scroll(session, menu, name, times=1):
    button = driver.find_widget(menu.window, "push button", name)
    for _ in range(times):
        session.click(button)


def scenario(session):
    for title in reversed(BOARDS):
        session.write_bytes(f"{title}.qla", screens.board_file(title, welcome_lines=[f"Hi {title}"]))
    program = session.launch()
    menu = screens.MainMenu(program)
    menu.wait_slots(BOARDS[0:5])

    menu.select("Banana")
    scroll(session, menu, "Scroll Down")
    menu.wait_slots(BOARDS[1:6])
    scroll(session, menu, "Scroll Down")
    menu.wait_slots(BOARDS[2:7])
    scroll(session, menu, "Scroll Down")
    menu.wait_slots(BOARDS[2:7])
    scroll(session, menu, "Scroll Up", 3)
    menu.wait_slots(BOARDS[0:5])
    scroll(session, menu, "Scroll Down", 2)
    menu.wait_slots(BOARDS[2:7])

    # The second slot stays selected and now shows "Date".
    menu.action("Run Project (ZivivIdid!)")
    board = screens.board_window(program)
    screens.wait_label(board, "Date")
    screens.wait_label(board, "Hi Date\n")
    screens.quit_board(program, board)

    # A fresh main menu starts at the top again.
    menu = screens.MainMenu(program)
    menu.wait_slots(BOARDS[0:5])
    check_equal(session.program_output(0), "", "what the program printed")


if __name__ == "__main__":
    driver.main(scenario)
