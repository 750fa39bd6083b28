#!/usr/bin/env python3
"""Starts Glimra under Wine with brightness keys chosen (Ctrl+Shift+F12 and Ctrl+Shift+F11) and saves two
pictures for the README: the Options dialog with its "Brightness keys" section as docs/options-keys.png,
and the on-screen level after three presses of Ctrl+Shift+F11, with the screen around it, as
docs/level-overlay.png.

It builds nothing: build the Windows test build first (cmake --preset windows-test && cmake --build --preset
windows-test), and run it where nothing else uses Wine (flock /tmp/glimra-wine.lock ...).

    /usr/bin/python3 tools/keys_screenshots.py [build-dir]   # default build/windows-test
"""
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "system"))
import menu  # noqa: E402
from harness import (DESKTOP_HEIGHT, DESKTOP_WIDTH, Display, Glimra, SimulatedMonitor, WineSession,  # noqa: E402
                     parse_pairs, poll)
from person import TRAY_ICON, Person  # noqa: E402

# Ctrl+Shift+F12 and Ctrl+Shift+F11, as the program writes them. Function keys, since Wine names them as
# Windows does (the arrows it names after the number pad's keys, "KP_Up", too long for the boxes); not with
# Alt, since the X server takes Ctrl+Alt+F11 as a switch to another console and passes it on to no one.
KEYS = "[settings]\r\nbrightness_up_key=ctrl+shift+0x7b\r\nbrightness_down_key=ctrl+shift+0x7a\r\n"
DOWN = "ctrl+shift+F11"
OPTIONS_PICTURE = REPO / "docs" / "options-keys.png"
LEVEL_PICTURE = REPO / "docs" / "level-overlay.png"
# The screen shown around the level: this much to its sides and above it, and down to the taskbar.
LEVEL_SIDE_MARGIN = 150
LEVEL_TOP_MARGIN = 60


def shown(pairs: dict):
    return pairs if pairs.get("found") == 1 and pairs.get("visible", 1) == 1 else None


def start(session, person, monitor) -> Glimra:
    session.reset_user_state()
    session.data_folder.mkdir(parents=True, exist_ok=True)
    (session.data_folder / "Displays.ini").write_bytes(KEYS.encode())
    run = Glimra(session, monitor)
    run.wait_for_window()
    # The monitor's 70 is read into the slider at start (position 30).
    poll(lambda: session.window().get("brightness") == 30, message="the monitor read at start")
    # Wine's explorer shows an empty balloon over the icon when it is added; a click dismisses it, so it
    # does not stand in the pictures.
    time.sleep(1.5)
    person.click(TRAY_ICON[0] - 15, TRAY_ICON[1] - 55)
    return run


def shoot_options(session, person, target: Path):
    menu.choose(session, person, "Settings")
    dialog = poll(lambda: shown(parse_pairs(session.probe("options"))), message="the Options dialog")
    person.move(dialog["left"] - 40, dialog["top"] + 20)  # off the dialog, so nothing is hovered
    time.sleep(1.0)  # drawn whole
    person.screenshot(target, (dialog["left"], dialog["top"], dialog["right"], dialog["bottom"]))
    person.key("Escape")
    poll(lambda: parse_pairs(session.probe("options")).get("found") == 0, message="the Options dialog closed")


def shoot_level(session, person, target: Path):
    person.key(DOWN, DOWN)
    level = poll(lambda: shown(parse_pairs(session.probe("level"))), timeout=5, message="the on-screen level")
    # One more press keeps the level whole (it starts to fade 1.1 s after the last press) while it is taken.
    person.key(DOWN)
    time.sleep(0.3)  # the new level drawn
    region = (max(0, level["left"] - LEVEL_SIDE_MARGIN), max(0, level["top"] - LEVEL_TOP_MARGIN),
              min(DESKTOP_WIDTH, level["right"] + LEVEL_SIDE_MARGIN), DESKTOP_HEIGHT)
    person.screenshot(target, region)
    poll(lambda: parse_pairs(session.probe("level")).get("found") == 0, timeout=6, message="the level gone")
    # Three presses from 70.
    poll(lambda: session.window().get("brightness") == 60, message="the slider moved by 30")


def main() -> int:
    build_dir = Path(sys.argv[1] if len(sys.argv) > 1 else REPO / "build" / "windows-test").resolve()
    display = Display()
    session = WineSession(build_dir, display)
    try:
        person = Person(display.name)
        with tempfile.TemporaryDirectory() as folder:
            monitor = SimulatedMonitor(Path(folder) / "monitor", "brightness=70\ncontrast=60\n")
            run = start(session, person, monitor)
            try:
                OPTIONS_PICTURE.parent.mkdir(parents=True, exist_ok=True)
                shoot_options(session, person, OPTIONS_PICTURE)
                shoot_level(session, person, LEVEL_PICTURE)
                person.click_tray_icon("middle")
                run.wait_for_exit(timeout=30)
            finally:
                run.kill()
    finally:
        session.close()
        display.close()
    print(f"Saved {OPTIONS_PICTURE} and {LEVEL_PICTURE}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
