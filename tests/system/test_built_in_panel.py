"""A laptop's built-in panel, with the WMI stand-in in place of Wine's WMI (which has no root\\wmi): the monitor
brightness slider drives the panel's backlight, contrast does not exist, and a level that Windows' own keys
changed shows at the next opening of the window."""
import time

from harness import WmiStandIn, poll
from test_tray_program import RESET_BUTTON, SLIDER_MIDDLE_Y, SLIDER_X, hide_window, show_window

LEVELS = [0, 12, 25, 37, 50, 62, 75, 87, 100]
# Named as WMI names the display Wine reports (its device path \\?\DISPLAY#Default_Monitor#0000&0000#{...}).
PANEL = "instance=DISPLAY\\Default_Monitor\\0000&0000_0\nlevels=" + ",".join(map(str, LEVELS)) + "\n"


def nearest(wanted):
    return min(LEVELS, key=lambda level: (abs(level - wanted), -level))


def test_the_panel_slider_drives_the_backlight_at_an_allowed_level_and_shows_a_level_changed_elsewhere(
        start_glimra, wine, person, monitor, tmp_path):
    panel = WmiStandIn(wine, tmp_path / "wmi", PANEL + "current=37\n")
    run = start_glimra(env_extra=panel.env())
    run.wait_for_window()
    # The panel's level is read at start like a monitor's: 37 stands at position 63.
    state = poll(lambda: (lambda w: w if w.get("brightness") == 63 else None)(run.session.window()),
                 timeout=15, message="the panel's level read at start")
    assert state["brightness_enabled"] == 1, "the backlight is the panel's monitor brightness"
    assert state["contrast_enabled"] == 0, "a panel has no contrast"
    assert any(line.startswith("Glimra: built-in panels: 1") for line in run.debug_trace())

    shown = show_window(person, wine)
    x = shown["left"] + SLIDER_X["brightness"]
    person.press(x, shown["top"] + SLIDER_MIDDLE_Y)
    released = person.drag_to(x, shown["top"] + SLIDER_MIDDLE_Y + 60)
    sets = poll(panel.level_sets, timeout=5, message="the level sent to the panel")
    time.sleep(1.0)  # a second call would have come by now
    sets = panel.level_sets()
    position = wine.window()["brightness"]
    assert position != 63
    assert [s["brightness"] for s in sets] == [nearest(100 - position)], "one call, at the nearest level"
    assert sets[0]["epoch_ms"] - released * 1000 >= 400, "sent once the slider settled"
    assert panel.state()["current"] == str(nearest(100 - position))
    assert monitor.writes() == [], "nothing goes over DDC/CI to a panel"

    # Windows' own brightness keys move the backlight while the window is hidden.
    hide_window(person, wine)
    panel.configure(PANEL + "current=75\n")
    shown = show_window(person, wine)
    assert shown["brightness"] == 25, "the level is read again as the window opens"

    # Reset has no factory code for a panel: the video slider goes to the middle, the level is read back.
    panel.configure(PANEL + "current=87\n")
    person.click(shown["left"] + RESET_BUTTON[0], shown["top"] + RESET_BUTTON[1])
    poll(lambda: wine.window()["brightness"] == 13, message="the level read back after Reset")
    assert wine.window()["video"] == 50
    assert monitor.writes() == [], "no factory code"
    assert len(panel.level_sets()) == 1, "Reset sends no level of its own"

    # A level moved just before the exit reaches the panel as the program ends: the data file keeps it.
    hide_window(person, wine)
    shown = show_window(person, wine)
    assert shown["brightness"] == 13
    person.key("Prior", "Escape")  # one page brighter: 97 %, the panel's 100
    assert run.wait_for_exit(timeout=30) == 0
    assert [s["brightness"] for s in panel.level_sets()][1:] == [100]
