"""What the scenarios know about Quillora's windows: how to recognise each
one by the widgets it carries and the few moves a user makes on them."""

import os

import driver
from driver import check, find_widget, find_widgets, text_of, wait_for

CRLF = b"\r\n"
SEPARATOR = b"^~-^,./"
APP_TITLE = "Quillora 2003"
SAVED_MESSAGE = ("Your Quillora was saved successfully. To display your board, select it "
                 "and then click the green traffic light on the main menu.")


def board_file(title, password="", backdrop=0, theme=0, save_sound="", reset_sound="",
               thanks="Thank you!", welcome_lines=("Welcome!",)):
    """The bytes of a board file as the program writes it."""
    def number(n):
        return f" {n} " if n >= 0 else f"{n} "
    lines = [title, password, number(backdrop), number(theme), save_sound, reset_sound,
             thanks, *welcome_lines]
    return b"".join(line.encode("latin-1") + CRLF for line in lines)


def signature_file(*notes):
    """The bytes of a signature file holding the notes ("\n" = line break)."""
    data = b""
    for note in notes:
        data += note.replace("\n", "\r\n").encode("latin-1") + CRLF + SEPARATOR + CRLF
    return data


def sounds_offered(session):
    """The base names of the wave files of the app folder, sorted as the
    program lists them."""
    folder = session.path("audio")
    names = [name[:-4] for name in os.listdir(folder) if name.lower().endswith(".wav")]
    return sorted(names, key=lambda name: (name.lower(), name))


# -- the main menu ---------------------------------------------------------

class MainMenu:
    def __init__(self, program, timeout=driver.DEFAULT_TIMEOUT):
        self.program = program
        self.session = program.session
        self.window = program.window_with("push button", "New Project", timeout)

    def slots(self):
        """The five slots of the board list, top to bottom."""
        items = find_widgets(self.window, "list item")
        items.sort(key=lambda item: driver.centre(item)[1])
        return items

    def slot_texts(self):
        """The five slots' texts; a slot without a board is no list item."""
        texts = [label.name for label in self.slots()]
        return texts + [""] * (5 - len(texts))

    def wait_slots(self, expected):
        wait_for(lambda: self.slot_texts() == expected,
                 f"the board list {expected} (it shows {self.slot_texts()})")

    def select(self, board):
        for label in self.slots():
            if label.name == board:
                self.session.click(label)
                return
        raise driver.TestFailure(f"no slot shows {board!r}: {self.slot_texts()}")

    def action(self, name):
        button = find_widget(self.window, "push button", name)
        check(button is not None, f"main menu has no action picture {name!r}")
        self.session.click(button)

    def gone(self):
        return not driver.is_showing(self.window)

    def wait_gone(self):
        wait_for(self.gone, "the main menu to close")


# -- menus -----------------------------------------------------------------

def menu_bar_item(window, name):
    bar = find_widget(window, "menu bar", None)
    check(bar is not None, "the window has no menu bar")
    item = find_widget(bar, None, name)
    check(item is not None, f"the menu bar has no {name!r}")
    return item


def popup_item(program, window, menu, name):
    """A showing item of the drop-down menu under the menu bar's title."""
    def find():
        title = menu_bar_item(window, menu)
        for item in find_widgets(title, None, name):
            if item is not title and item.getRoleName().endswith("menu item"):
                return item
        return None
    return wait_for(find, f"the menu item {menu} / {name}")


def choose_menu(program, window, menu, item):
    """Opens a drop-down menu of the window's menu bar and clicks an item."""
    program.session.click(menu_bar_item(window, menu))
    entry = popup_item(program, window, menu, item)
    program.session.click(entry)
    wait_for(lambda: not driver.is_showing(entry), f"the menu {menu!r} to close")


def menu_checks(program, window, menu, items):
    """Opens a drop-down menu, reads the check marks of its items and closes
    it again with Escape."""
    program.session.click(menu_bar_item(window, menu))
    marks = {}
    entries = {}
    for name in items:
        entries[name] = popup_item(program, window, menu, name)
        marks[name] = entries[name].getState().contains(driver.atspi().STATE_CHECKED)
    program.session.key("Escape")
    first = next(iter(entries.values()))
    wait_for(lambda: not driver.is_showing(first), f"the menu {menu!r} to close")
    return marks


def menu_command(program, window, name):
    """Clicks a command that sits on the menu bar itself."""
    program.session.click(menu_bar_item(window, name))


# -- typing into boxes -----------------------------------------------------

def box_length(box):
    """The number of characters in a text box; a password box shows its
    length only."""
    return box.queryText().characterCount


def replace_text(session, box, text):
    """Clicks into a text box, selects what it holds and types text over it."""
    session.click(box)
    wait_for(lambda: box.getState().contains(driver.atspi().STATE_FOCUSED),
             f"the text box {box.name!r} to take the focus")
    session.key("ctrl+a")
    session.key("BackSpace")
    wait_for(lambda: box_length(box) == 0, f"the text box {box.name!r} to be empty")
    session.type_text(text)
    if box.getRoleName() == "password text":
        wait_for(lambda: box_length(box) == len(text),
                 f"the password box to hold {len(text)} characters")
    else:
        wait_for(lambda: text_of(box) == text,
                 f"the text box {box.name!r} to hold {text!r} (it holds {text_of(box)!r})")


def text_box(window, name):
    box = find_widget(window, "text", name) or find_widget(window, "password text", name)
    check(box is not None, f"no text box {name!r}")
    return box


# -- wizard ----------------------------------------------------------------

STEP_HEADINGS = {
    1: "Step 1: Type a title for your sign-in board below:",
    2: "Step 2: Choose a backdrop for your sign-in board:",
    3: "Step 3: Choose a theme for your sign-in board:",
    4: "Step 4: Write your welcome message. This will appear under the title on your sign-in board:",
    5: "Step 5: Choose your sound effects.",
}


def wizard_step(program, step):
    if step == "finish":
        return program.window_with("push button", "Finish")
    return program.window_with("label", STEP_HEADINGS[step])


def go_on(program, window, name, gone=True):
    """Clicks an arrow and waits until its window has closed."""
    press(program.session, window, name)
    if gone:
        wait_for(lambda: not driver.is_showing(window), f"the window to close after {name!r}")


def list_items(window, name):
    lst = find_widget(window, "list", name)
    check(lst is not None, f"no list {name!r}")
    return lst, [lst.getChildAtIndex(i) for i in range(lst.childCount)]


def selected_item(window, name):
    _, items = list_items(window, name)
    chosen = [item.name for item in items
              if item.getState().contains(driver.atspi().STATE_SELECTED)]
    return chosen[0] if chosen else None


# -- board -----------------------------------------------------------------

def board_window(program, button="Save My Note"):
    return program.window_with("push button", button)


def note_area(window):
    return text_box(window, "Note")


def label_texts(window):
    return [label.name for label in find_widgets(window, "label")]


def wait_label(window, text):
    wait_for(lambda: text in label_texts(window),
             f"a label {text!r} (labels: {label_texts(window)})")


def press(session, window, name):
    """Clicks a button's picture: a board's button or a wizard's arrow."""
    button = find_widget(window, "push button", name)
    check(button is not None, f"no button {name!r}")
    session.click(button)


def quit_board(program, board):
    """Quit from the board's menu, and the board gone."""
    menu_command(program, board, "Quit")
    wait_for(lambda: not driver.is_showing(board), "the board to close")


def note_text(window):
    """The note area's text as the widget holds it, with "\n" line breaks."""
    return text_of(note_area(window))


def wait_note(window, expected):
    wait_for(lambda: note_text(window) == expected,
             f"the note area to show {expected!r} (it shows {note_text(window)!r})")
