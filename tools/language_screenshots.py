#!/usr/bin/env python3
"""Starts Glimra under Wine once on a system of each shipped language and assembles the main windows into
docs/languages.png.

Each run is a first start on a system whose locale is that language (Wine takes it from LC_ALL), so the
picture also proves that every language file is named as the system names its language: the run fails when
the program stores another file name than the expected one.

    /usr/bin/python3 tools/language_screenshots.py [build-dir]   # default build/windows-test
"""
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image, ImageDraw

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "system"))
import datafile  # noqa: E402
from harness import Display, Glimra, SimulatedMonitor, WineSession, poll  # noqa: E402
from person import TRAY_ICON, Person  # noqa: E402

# The locale of a system in each language, and the file such a system makes the program choose.
SYSTEMS = [
    ("en_US.UTF-8", "English.lng"), ("ru_RU.UTF-8", "Russian.lng"), ("uk_UA.UTF-8", "Ukrainian.lng"),
    ("de_DE.UTF-8", "German.lng"), ("fr_FR.UTF-8", "French.lng"), ("es_ES.UTF-8", "Spanish.lng"),
    ("it_IT.UTF-8", "Italian.lng"), ("pt_BR.UTF-8", "Portuguese.lng"), ("pl_PL.UTF-8", "Polish.lng"),
    ("tr_TR.UTF-8", "Turkish.lng"), ("zh_CN.UTF-8", "Chinese (Simplified).lng"), ("ja_JP.UTF-8", "Japanese.lng"),
]
COLUMNS = 6
LABEL_HEIGHT = 18


def shoot(session, person, monitor, locale, expected, folder: Path) -> Path:
    session.reset_user_state()
    run = Glimra(session, monitor, env_extra={"LC_ALL": locale, "LANG": locale})
    try:
        run.wait_for_window()
        poll(lambda: session.texts().get(3010), message="the buttons")
        # Wine's explorer shows an empty balloon over the icon when it is added; a click dismisses it, so it
        # does not cover the window in the picture.
        time.sleep(1.5)
        person.click(TRAY_ICON[0] - 15, TRAY_ICON[1] - 55)
        time.sleep(0.5)
        person.click_tray_icon("left")
        window = poll(lambda: (lambda w: w if w.get("visible") == 1 else None)(session.window()),
                      message="the main window")
        person.move(window["left"] + 40, window["top"] + 20)  # off the icon, so its tip goes
        time.sleep(1.0)
        shot = person.screenshot(folder / f"{locale}.png",
                                 (window["left"], window["top"], window["right"], window["bottom"]))
        person.click(100, 100)
        poll(lambda: session.window().get("visible") == 0, message="the window hidden")
        person.click_tray_icon("middle")
        run.wait_for_exit(timeout=30)
    finally:
        run.kill()
    stored = datafile.parse((session.data_folder / "DataProfiles.dat").read_bytes())["languageFileName"]
    if stored != expected:
        raise SystemExit(f"{locale}: the program chose {stored!r}, the shipped file is {expected!r}")
    return shot


def assemble(shots, target: Path):
    pictures = [(locale, Image.open(path).convert("RGB")) for locale, path in shots]
    width = max(p.width for _, p in pictures)
    height = max(p.height for _, p in pictures) + LABEL_HEIGHT
    rows = (len(pictures) + COLUMNS - 1) // COLUMNS
    sheet = Image.new("RGB", (COLUMNS * (width + 8) + 8, rows * (height + 8) + 8), (255, 255, 255))
    draw = ImageDraw.Draw(sheet)
    for index, (locale, picture) in enumerate(pictures):
        x = 8 + (index % COLUMNS) * (width + 8)
        y = 8 + (index // COLUMNS) * (height + 8)
        draw.text((x + 2, y + 2), locale.split(".")[0], fill=(60, 60, 60))
        sheet.paste(picture, (x, y + LABEL_HEIGHT))
    target.parent.mkdir(parents=True, exist_ok=True)
    sheet.save(target, optimize=True)


def main() -> int:
    build_dir = Path(sys.argv[1] if len(sys.argv) > 1 else REPO / "build" / "windows-test").resolve()
    display = Display()
    session = WineSession(build_dir, display)
    try:
        person = Person(display.name)
        with tempfile.TemporaryDirectory() as folder:
            monitor = SimulatedMonitor(Path(folder) / "monitor", "brightness=70\ncontrast=60\n")
            shots = [(locale, shoot(session, person, monitor, locale, expected, Path(folder)))
                     for locale, expected in SYSTEMS]
            assemble(shots, REPO / "docs" / "languages.png")
    finally:
        session.close()
        display.close()
    print(f"Saved {REPO / 'docs' / 'languages.png'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
