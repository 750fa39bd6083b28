"""Two displays: Wine without a desktop on Xvfb with two Xinerama screens, the tray in "Wine System Tray"."""
import re
import subprocess
import time

import pytest

from harness import STANDALONE_TRAY_NAME, SimulatedMonitor, parse_pairs, poll
import menu
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


WORK_AREA_TRACE = re.compile(r"-?\d+ - -?\d+ - -?\d+ - -?\d+")


def wait_until_started(run):
    # The start hides the window at its end, after reading every monitor: a click before then is undone.
    # Its last step places the window for the tray and traces the work area.
    def started():
        if not run.trace.closed:
            run.trace.flush()
        return any("OutputDebugString" in line and WORK_AREA_TRACE.search(line)
                   for line in run.trace_path.read_bytes().decode("utf-8", "replace").splitlines())
    poll(started, timeout=30, message="the start finished")


def show_window(session, person, run):
    wait_until_started(run)
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
    shown = show_window(two_displays, person, run)
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
    shown = show_window(two_displays, person, run)
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


def test_a_silent_second_monitor_disables_only_its_groups_monitor_sliders_and_link_sends_it_nothing(
        start_glimra_on_two_displays, two_displays, tmp_path):
    monitor = SimulatedMonitor(tmp_path / "monitor", "display2.silent=1\n")
    run = start_glimra_on_two_displays(monitor)
    run.wait_for_window()
    person = Person(two_displays.env["DISPLAY"])
    shown = show_window(two_displays, person, run)
    assert (shown["brightness_enabled"], shown["contrast_enabled"]) == (1, 1), "the primary's monitor answers"
    assert (shown["brightness2_enabled"], shown["contrast2_enabled"]) == (0, 0)
    assert shown["video2_enabled"] == 1, "a video slider is never disabled"
    second = [r["code"] for r in monitor.calls("GetVCPFeatureAndVCPFeatureReply") if r["display"] == "DISPLAY2"]
    assert second == [0x10] * 3 + [0x12] * 3, "three attempts per channel"

    # Linked, the first group's brightness moves; the silent monitor's disabled slider stays and hears nothing.
    choose_from_window_menu(two_displays, person, shown, "Link monitors")
    poll(lambda: parse_pairs(two_displays.probe("menu")).get("found") != 1, message="the menu closed")
    person.move(shown["left"] + SLIDER_X["brightness"], shown["top"] + SLIDER_MIDDLE_Y)  # focus follows
    poll(lambda: two_displays.window()["focus"] == 2010, message="the first brightness slider focused")
    person.key("Home")
    writes = poll(lambda: monitor.writes(0x10), timeout=5, message="the primary's brightness write")
    time.sleep(1.0)  # a request to the second monitor would have gone within this
    assert [(w["handle"], w["value"]) for w in monitor.writes()] == [(PRIMARY_HANDLE, 100)], writes
    assert two_displays.window()["brightness2"] == shown["brightness2"], "the disabled slider did not move"
    end_with_escape(run, person)


def test_a_second_monitor_with_maximum_50_and_a_reset_of_both_displays(
        start_glimra_on_two_displays, two_displays, tmp_path):
    monitor = SimulatedMonitor(tmp_path / "monitor",
                               "display2.brightness=40\ndisplay2.brightness_max=50\ndisplay2.factory_brightness=25\n")
    run = start_glimra_on_two_displays(monitor)
    run.wait_for_window()
    person = Person(two_displays.env["DISPLAY"])
    shown = show_window(two_displays, person, run)
    assert shown["brightness2"] == 20, "40 of 50 shows 80"
    assert shown["brightness"] == 30, "the primary's maximum of 100 changes nothing"

    def focus_on(x, control_id):
        person.move(shown["left"] + x, shown["top"] + SLIDER_MIDDLE_Y)  # the focus follows the pointer
        poll(lambda: two_displays.window()["focus"] == control_id, message=f"focus on {control_id}")

    focus_on(GROUP_WIDTH + SLIDER_X["brightness"], 2026)
    person.key("Home")
    writes = poll(lambda: monitor.writes(0x10), timeout=5, message="a brightness write")
    assert [(w["handle"], w["value"]) for w in writes] == [(SECOND_HANDLE, 50)], "the top sends its maximum"

    focus_on(GROUP_WIDTH + SLIDER_X["video"], 2028)
    person.key("Home")
    poll(lambda: any("video level 50 on" in line and "DISPLAY2" in line for line in run.debug_trace()),
         message="the second display's own video level")
    assert not any(line.endswith("video level 50") for line in run.debug_trace()), "not the primary's"

    person.click(shown["left"] + 85, shown["top"] + 381)  # Reset settings
    resets = poll(lambda: (lambda w: w if len(w) == 2 else None)(monitor.writes(0x05)), timeout=10,
                  message="the factory code to both monitors")
    assert sorted(w["handle"] for w in resets) == [PRIMARY_HANDLE, SECOND_HANDLE]
    after = poll(lambda: (lambda w: w if (w["brightness"], w["brightness2"], w["video"], w["video2"]) ==
                          (20, 50, 50, 50) else None)(two_displays.window()), timeout=10,
                 message="both groups read back, both video sliders in the middle")
    assert (after["contrast"], after["contrast2"]) == (25, 25), "each monitor's factory contrast"
    trace = run.debug_trace()
    assert any("video level 0 on" in line and "DISPLAY2" in line for line in trace)
    assert "Glimra: video level 0" in trace, "the primary's trace line as it always was"
    end_with_escape(run, person)


def choose_from_window_menu(session, person, shown, item):
    """The pop-up menu of the window's Menu button (the window covers the tray window), with its item for
    linked monitors."""
    items = menu.ITEMS[:menu.ITEMS.index("Settings") + 1] + ["Link monitors"] + \
        menu.ITEMS[menu.ITEMS.index("Settings") + 1:]
    person.click(shown["right"] - 65, shown["top"] + 381)
    shown = poll(lambda: (lambda m: m if m.get("found") == 1 else None)(parse_pairs(session.probe("menu"))),
                 message="the pop-up menu")
    separators = items.count(None)
    row_height = (shown["bottom"] - shown["top"] - 2 * menu.BORDER - separators * menu.SEPARATOR_HEIGHT) / (
        len(items) - separators)
    y = shown["top"] + menu.BORDER
    for entry in items:
        if entry == item:
            person.click(shown["left"] + 40, int(y + row_height / 2))
            return
        y += menu.SEPARATOR_HEIGHT if entry is None else row_height
    raise ValueError(item)


def test_linked_monitors_move_together_each_with_its_own_request(
        start_glimra_on_two_displays, two_displays, bench_monitor):
    run = start_glimra_on_two_displays(bench_monitor)
    run.wait_for_window()
    person = Person(two_displays.env["DISPLAY"])
    shown = show_window(two_displays, person, run)
    choose_from_window_menu(two_displays, person, shown, "Link monitors")
    poll(lambda: parse_pairs(two_displays.probe("menu")).get("found") != 1, message="the menu closed")
    person.move(shown["left"] + SLIDER_X["brightness"], shown["top"] + SLIDER_MIDDLE_Y)  # focus follows
    poll(lambda: two_displays.window()["focus"] == 2010, message="the first brightness slider focused")
    person.key("Home")  # to its top
    writes = poll(lambda: (lambda w: w if len(w) == 2 else None)(bench_monitor.writes(0x10)), timeout=5,
                  message="a brightness write to each monitor")
    assert sorted((w["handle"], w["value"]) for w in writes) == [(PRIMARY_HANDLE, 100), (SECOND_HANDLE, 100)]
    after = two_displays.window()
    assert (after["brightness"], after["brightness2"]) == (0, 0), "the second group's slider moved along"
    assert after["contrast2"] == 75, "other sliders stay"
    time.sleep(1.0)  # a second worker would have sent within this
    assert len(bench_monitor.writes()) == 2, "one request per monitor"
    end_with_escape(run, person)


def test_the_second_displays_positions_come_back_after_a_restart_and_the_data_file_keeps_its_size(
        start_glimra_on_two_displays, two_displays, bench_monitor):
    person = Person(two_displays.env["DISPLAY"])
    run = start_glimra_on_two_displays(bench_monitor)
    run.wait_for_window()
    shown = show_window(two_displays, person, run)
    person.move(shown["left"] + GROUP_WIDTH + SLIDER_X["video"], shown["top"] + SLIDER_MIDDLE_Y)
    poll(lambda: two_displays.window()["focus"] == 2028, message="the second video slider focused")
    person.key("Home")
    poll(lambda: two_displays.window()["video2"] == 0, message="the second video slider at its top")
    end_with_escape(run, person)

    folder = two_displays.data_folder
    stored = (folder / "Displays.ini").read_text(encoding="utf-8")
    assert "video=0" in stored and "brightness=80" in stored and "contrast=75" in stored, stored
    assert "link_monitors=0" in stored
    assert (folder / "DataProfiles.dat").stat().st_size == 5108, "the data file as with one display"

    again = start_glimra_on_two_displays(bench_monitor, name="again")
    again.wait_for_window()
    shown = show_window(two_displays, person, again)
    assert (shown["video"], shown["video2"]) == (50, 0), "each display's own video position is back"
    assert any("video level 50 on" in line and "DISPLAY2" in line for line in again.debug_trace()), \
        "and applied to the second display at start"
    end_with_escape(again, person)
    assert (folder / "DataProfiles.dat").stat().st_size == 5108


def test_a_damaged_displays_file_is_kept_aside_and_the_user_is_told(
        start_glimra_on_two_displays, two_displays, bench_monitor):
    folder = two_displays.data_folder
    folder.mkdir(parents=True, exist_ok=True)
    damaged = b"[display]\r\nthis is not a setting\r\n"
    (folder / "Displays.ini").write_bytes(damaged)
    (folder / "Displays.ini.damaged").write_bytes(b"an older copy")
    run = start_glimra_on_two_displays(bench_monitor)
    box = poll(lambda: [b for b in two_displays.message_boxes() if "Displays.ini.damaged" in b["text"]],
               timeout=30, message="the damaged file's box")[0]
    assert box["caption"] == "Glimra"
    assert box["buttons"] == "1"
    poll(lambda: [b for b in two_displays.message_boxes() if b["topmost"] == "1"], timeout=5,
         message="the box above every window, as the program's other boxes")
    assert (folder / "Displays.ini.damaged").read_bytes() == damaged, "kept aside as it was"
    assert (folder / "Displays.ini.damaged.1").read_bytes() == b"an older copy", "the older copy kept too"
    two_displays.probe("press", "1")
    run.wait_for_window()
    person = Person(two_displays.env["DISPLAY"])
    shown = show_window(two_displays, person, run)
    assert shown["video2"] == 50, "the defaults"
    end_with_escape(run, person)
    assert (folder / "Displays.ini.damaged").read_bytes() == damaged, "never overwritten"
    assert "[display]" in (folder / "Displays.ini").read_text(encoding="utf-8"), "a new file, written whole"


def test_a_brightness_key_for_the_display_under_the_pointer_moves_only_that_display(
        start_glimra_on_two_displays, two_displays, bench_monitor):
    folder = two_displays.data_folder
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "Displays.ini").write_bytes(b"[settings]\r\nbrightness_up_key=ctrl+alt+0x26\r\n"
                                          b"brightness_down_key=ctrl+alt+0x28\r\nkeys_under_pointer=1\r\n")
    run = start_glimra_on_two_displays(bench_monitor)
    run.wait_for_window()
    wait_until_started(run)
    person = Person(two_displays.env["DISPLAY"])
    # Without a window manager X gives the keys to the window under the pointer, and the pointer will rest
    # where no Wine window is: the keyboard goes to Wine's tray window, as to the active desktop on Windows.
    two_displays.standalone_tray()
    tray = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", STANDALONE_TRAY_NAME],
                          env=two_displays.env, capture_output=True, text=True).stdout.split()[0]
    person.xdotool("windowfocus", tray)

    # Wine keeps the pointer inside the primary display, which here covers the second one: the primary is
    # the display under it, and the second must hear nothing.
    person.move(1200, 100)
    poll(lambda: "display=DISPLAY1" in two_displays.probe("pointer"), message="the pointer on the primary")
    person.key("ctrl+alt+Down", "ctrl+alt+Down")
    writes = poll(lambda: bench_monitor.writes(0x10), timeout=5, message="the primary's request")
    time.sleep(1.0)  # a request to the second display would have gone within this
    assert [(w["display"], w["value"]) for w in bench_monitor.writes()] == [("DISPLAY1", 50)], writes
    window = two_displays.window()
    assert (window["brightness"], window["brightness2"]) == (50, 80), "only the primary's slider moved"
    run.kill()
