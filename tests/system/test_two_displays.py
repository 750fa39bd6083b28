"""Two displays: Wine without a desktop on Xvfb with two Xinerama screens, the tray in "Wine System Tray"."""
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


def test_the_program_runs_on_two_displays_its_tray_icon_answers_and_it_reads_the_primary_displays_monitor(
        start_glimra_on_two_displays, two_displays, bench_monitor, artifacts):
    run = start_glimra_on_two_displays(bench_monitor)
    run.wait_for_window()
    person = Person(two_displays.env["DISPLAY"])
    x, y = tray_icon(two_displays)

    person.click(x, y)
    shown = poll(lambda: (lambda w: w if w.get("visible") == 1 else None)(two_displays.window()),
                 message="the window shown by a click in the Wine System Tray")
    person.screenshot(artifacts / "two-displays-bench.png")
    assert (shown["brightness"], shown["contrast"]) == (30, 40), "the primary display's monitor values"
    assert shown["brightness_enabled"] == 1 and shown["contrast_enabled"] == 1

    reads = bench_monitor.calls("GetVCPFeatureAndVCPFeatureReply")
    assert [(r["code"], r["handle"], r["display"]) for r in reads] == [
        (0x10, PRIMARY_HANDLE, "DISPLAY1"), (0x12, PRIMARY_HANDLE, "DISPLAY1")]
    # Today the program looks up the primary display only; the second one's monitor is never asked.
    assert [c for c in bench_monitor.calls() if c["display"] != "DISPLAY1"] == []

    # The window now stands over the tray window, and with no window manager a click on the bare screen
    # activates nothing that would hide it; it has the keyboard, so Escape ends the program.
    person.key("Escape")
    assert run.wait_for_exit(timeout=30) == 0, "Escape in the window ends the program"
    assert bench_monitor.writes() == [], "nothing was sent to either monitor"
