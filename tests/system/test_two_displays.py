"""Two displays: Wine without a desktop on Xvfb with two Xinerama screens, the tray in "Wine System Tray"."""
import time

import pytest

from harness import SimulatedMonitor, poll
from person import Person

PRIMARY_HANDLE, SECOND_HANDLE = 0x1001, 0x20001


@pytest.fixture
def bench_monitor(tmp_path):
    # The second display's monitor stands elsewhere, so values read from the wrong one would show.
    return SimulatedMonitor(tmp_path / "monitor",
                            "brightness=70\ncontrast=60\ndisplay2.brightness=20\ndisplay2.contrast=25\n")


def tray_icon(session):
    """The program's icon: the only one, first in the standalone tray window."""
    tray = session.standalone_tray()
    return tray["x"] + min(10, tray["width"] // 2), tray["y"] + tray["height"] // 2


def test_the_display_search_finds_both_displays_in_order_the_primary_first(two_displays):
    code, output = two_displays.run_windows_tests("DisplayConfigOnTwoDisplays.*", {"GLIMRA_TEST_DISPLAYS": "2"})
    print(output)
    assert code == 0, "the Windows test of the display search passes on the bench"
    assert "[  PASSED  ] 1 test." in output and "SKIPPED" not in output, "it ran, not skipped"


GROUP_WIDTH = 288  # at 96 DPI: a further display widens the window by one group
SLIDER_X = {"brightness": 51, "contrast": 147, "video": 243}  # group 1's centres, in window coordinates
SLIDER_MIDDLE_Y = 210


def show_window(session, person):
    person.click(*tray_icon(session))
    return poll(lambda: (lambda w: w if w.get("visible") == 1 else None)(session.window()),
                message="the window shown by a click in the Wine System Tray")


def end_with_escape(run, person):
    # The window stands over the tray window, and with no window manager a click on the bare screen
    # activates nothing that would hide it; it has the keyboard, so Escape ends the program.
    person.key("Escape")
    assert run.wait_for_exit(timeout=30) == 0, "Escape in the window ends the program"


def test_each_display_has_its_group_showing_its_own_monitors_values(
        start_glimra_on_two_displays, two_displays, bench_monitor, artifacts):
    run = start_glimra_on_two_displays(bench_monitor)
    run.wait_for_window()
    person = Person(two_displays.env["DISPLAY"])
    shown = show_window(two_displays, person)
    person.screenshot(artifacts / "two-displays-bench.png")
    assert shown["right"] - shown["left"] == 294 + GROUP_WIDTH, "one group wider than with one display"
    assert (shown["brightness"], shown["contrast"]) == (30, 40), "the primary display's monitor values"
    assert (shown["brightness2"], shown["contrast2"]) == (80, 75), "the second display's own monitor values"
    assert all(shown[k] == 1 for k in ("brightness_enabled", "contrast_enabled", "brightness2_enabled",
                                       "contrast2_enabled", "video_enabled", "video2_enabled"))
    assert shown["focus"] == 2010, "a tray click focuses the primary display's brightness slider"

    reads = bench_monitor.calls("GetVCPFeatureAndVCPFeatureReply")
    assert [(r["code"], r["handle"], r["display"]) for r in reads] == [
        (0x10, PRIMARY_HANDLE, "DISPLAY1"), (0x12, PRIMARY_HANDLE, "DISPLAY1"),
        (0x10, SECOND_HANDLE, "DISPLAY2"), (0x12, SECOND_HANDLE, "DISPLAY2")], "each monitor read once, in order"

    # Tab walks every slider in order, the second group after the first, then the buttons.
    focus = []
    for _ in range(6):
        person.key("Tab")
        focus.append(poll(lambda: (lambda f: f if f not in (focus[-1] if focus else 2010,) else None)(
            two_displays.window()["focus"]), message="the focus moved on"))
    assert focus == [2011, 2012, 2026, 2027, 2028, 3010]

    end_with_escape(run, person)
    assert bench_monitor.writes() == [], "nothing was sent to either monitor"


def test_a_drag_in_the_second_group_reaches_only_its_monitor_once(
        start_glimra_on_two_displays, two_displays, bench_monitor):
    run = start_glimra_on_two_displays(bench_monitor)
    run.wait_for_window()
    person = Person(two_displays.env["DISPLAY"])
    shown = show_window(two_displays, person)
    x = shown["left"] + GROUP_WIDTH + SLIDER_X["brightness"]
    person.press(x, shown["top"] + SLIDER_MIDDLE_Y)
    person.drag_to(x, shown["top"] + SLIDER_MIDDLE_Y + 60)

    poll(lambda: bench_monitor.writes(0x10), timeout=5, message="a brightness write")
    time.sleep(1.0)  # a second worker would have sent within this
    position = two_displays.window()["brightness2"]
    writes = bench_monitor.writes()
    assert [(w["code"], w["handle"], w["display"]) for w in writes] == [(0x10, SECOND_HANDLE, "DISPLAY2")], \
        "one write for the whole drag, to the second display's monitor only"
    assert writes[0]["value"] == 100 - position
    assert two_displays.window()["brightness"] == 30, "the first group did not move"
    end_with_escape(run, person)
