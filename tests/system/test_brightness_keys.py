"""The brightness keys pressed as a person presses them (xdotool): the sliders move at once, the monitor
hears once the presses pause, and the level shows on the display without taking the focus."""
import subprocess
import time

import menu
from harness import DESKTOP_HEIGHT, DESKTOP_WIDTH, parse_pairs, poll, wine_path

# Ctrl+Alt+Up and Ctrl+Alt+Down, as the program writes them.
KEYS = "[settings]\r\nbrightness_up_key=ctrl+alt+0x26\r\nbrightness_down_key=ctrl+alt+0x28\r\n"
LEVEL_EXSTYLE = 0x8 | 0x80 | 0x8000000 | 0x20 | 0x80000  # topmost, tool, no-activate, transparent, layered


def started_with_keys(start_glimra, wine, keys=KEYS):
    wine.data_folder.mkdir(parents=True, exist_ok=True)
    (wine.data_folder / "Displays.ini").write_bytes(keys.encode())
    run = start_glimra()
    run.wait_for_window()
    # The monitor's 70 is read into the slider at start (position 30).
    poll(lambda: wine.window().get("brightness") == 30, message="the monitor read at start")
    return run


def level(wine):
    return parse_pairs(wine.probe("level").strip())


def test_three_quick_presses_send_one_request_moved_by_30_and_the_level_shows_without_the_focus(
        start_glimra, wine, person, monitor):
    started_with_keys(start_glimra, wine)
    writes_before = len(monitor.writes(0x10))
    foreground_before = level(wine)["foreground_class"]

    person.key("ctrl+alt+Down", "ctrl+alt+Down", "ctrl+alt+Down")
    last_press = time.monotonic()
    shown = poll(lambda: (lambda l: l if l.get("visible") == 1 else None)(level(wine)), timeout=5,
                 message="the on-screen level")
    assert shown["exstyle"] & LEVEL_EXSTYLE == LEVEL_EXSTYLE
    assert shown["foreground_is_level"] == 0 and shown["foreground_class"] == foreground_before, \
        "the level takes no focus"
    assert wine.window()["visible"] == 0, "nothing else opens"
    # Near the bottom of the desktop, across its middle.
    assert shown["left"] < DESKTOP_WIDTH // 2 < shown["right"]
    assert DESKTOP_HEIGHT * 3 // 4 < shown["bottom"] <= DESKTOP_HEIGHT

    gone = poll(lambda: level(wine)["found"] == 0, timeout=6, message="the level gone")
    gone_after = time.monotonic() - last_press
    assert 1.0 <= gone_after <= 3.5, f"gone {gone_after:.1f} s after the last press, expected about 1.5"

    writes = poll(lambda: monitor.writes(0x10)[writes_before:], timeout=5, message="the brightness request")
    time.sleep(1.0)  # a second request would have come by now
    writes = monitor.writes(0x10)[writes_before:]
    assert [w["value"] for w in writes] == [40], "one request, the level moved by 30"
    assert wine.window()["brightness"] == 60


def test_a_combination_another_program_holds_is_reported_in_options_and_kept_past_the_exit(
        start_glimra, wine, person, monitor):
    release = wine.scratch / f"release-{time.monotonic_ns()}"
    output = wine.scratch / f"hotkey-{time.monotonic_ns()}.out"
    with open(output, "wb") as out:  # Ctrl+Alt+K, held by another process first
        holder = subprocess.Popen([wine.wine, "C:\\glimra-test\\glimra_probe.exe", "hold-hotkey", "3", "0x4B",
                                   wine_path(release)], env=wine.env, stdout=out, stderr=subprocess.DEVNULL)
    try:
        poll(lambda: output.exists() and b"held" in output.read_bytes(), timeout=30, message="the key held")
        run = started_with_keys(start_glimra, wine, "")
        menu.choose(wine, person, "Settings")
        # HOTKEYF_CONTROL | HOTKEYF_ALT = 6 in the high byte.
        placed = poll(lambda: (lambda p: p if "set" in p else None)(
            parse_pairs(wine.probe("set-hotkey", "3120", "0x064B").strip())), message="the Options dialog")
        assert placed["set"] == 0x064B
        person.click(placed["apply_x"], placed["apply_y"])
        box = poll(lambda: wine.message_boxes(), message="the warning")[0]
        # The keyboard's own names: "Ctrl" on Windows, "Control" under Wine.
        assert "+Alt+K" in box["text"] and box["text"].split("+Alt+K")[0].endswith(("Ctrl", "Control"))
        assert "brightness_up_key=ctrl+alt+0x4b" in (wine.data_folder / "Displays.ini").read_text(), \
            "the choice is kept for the next start"
        wine.probe("press", "1")
        # A first Apply stores the language as listed, and asks to restart: No.
        question = poll(lambda: [b for b in wine.message_boxes() if b["buttons"] == "6,7"], message="the question")
        assert "restart" in question[0]["text"].lower()
        wine.probe("press", "7")
        poll(lambda: parse_pairs(wine.probe("options").strip()).get("found") == 0, message="Options closed")
        person.click_tray_icon("middle")
        assert run.wait_for_exit(timeout=30) == 0
        assert "brightness_up_key=ctrl+alt+0x4b" in (wine.data_folder / "Displays.ini").read_text(), \
            "the exit writes the displays' file again, the new keys in it"
    finally:
        release.write_text("")
        holder.wait(timeout=30)

    # Free now, the key is registered at the next start and heard: one page brighter, one request.
    again = start_glimra(name="again")
    again.wait_for_window()
    poll(lambda: wine.window().get("brightness") == 30, message="the monitor read at start")
    writes_before = len(monitor.writes(0x10))
    person.key("ctrl+alt+k")
    writes = poll(lambda: monitor.writes(0x10)[writes_before:], timeout=5, message="the key's request")
    assert [w["value"] for w in writes] == [80]
