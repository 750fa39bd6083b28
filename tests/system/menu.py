"""The pop-up menu's items by position: Wine draws them at fixed heights, separators thinner."""
from harness import parse_pairs, poll

# Top to bottom, None for a separator.
ITEMS = ["About", "Help", None, "Check for updates", "Visit the program's website", "Support the project", None,
         "Settings", None, "Cancel", "Exit"]
SEPARATOR_HEIGHT = 9
BORDER = 3


def open_menu(wine, person):
    person.click_tray_icon("right")
    return poll(lambda: (lambda m: m if m.get("found") == 1 else None)(parse_pairs(wine.probe("menu"))),
                message="the pop-up menu")


def choose(wine, person, item):
    menu = open_menu(wine, person)
    separators = ITEMS.count(None)
    rows = len(ITEMS) - separators
    row_height = (menu["bottom"] - menu["top"] - 2 * BORDER - separators * SEPARATOR_HEIGHT) / rows
    y = menu["top"] + BORDER
    for entry in ITEMS:
        if entry == item:
            person.click(menu["left"] + 40, int(y + row_height / 2))
            return
        y += SEPARATOR_HEIGHT if entry is None else row_height
    raise ValueError(item)
