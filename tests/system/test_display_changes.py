"""Displays changing under the running program: a monitor re-plugged, a wake from sleep, an unlock."""
import time

import pytest

import datafile
from harness import poll
from test_tray_program import SLIDER_MIDDLE_Y, SLIDER_X, hide_window, show_window

OLD_HANDLE, NEW_HANDLE = 0x1001, 0x2001
SETTLE_S = 2.0


def started_with_video_level_10(start_glimra, wine, monitor):
    """A later start: the video slider is restored to level 10 and the monitor (70, 60) is read."""
    wine.data_folder.mkdir(parents=True)
    (wine.data_folder / "DataProfiles.dat").write_bytes(datafile.build(start_count=5, positions=(50, 50, 40)))
    run = start_glimra()
    run.wait_for_window()
    poll(lambda: (lambda w: w["brightness"] == 30 and w["contrast"] == 40 and w)(wine.window()),
         message="the first monitor's values on the sliders")
    poll(lambda: "Glimra: video level 10" in run.debug_trace(), message="the stored video level applied")
    return run


def refinds(run):
    return [line for line in run.debug_trace() if line.startswith("Glimra: monitor found again")]


@pytest.fixture
def keep_logs(artifacts, monitor):
    """At the end of the test, passed or not, the program's trace and the monitor's calls are kept in the
    artifacts folder for the reader of the test run."""
    kept = {}

    def keep(name, run):
        kept.update(name=name, run=run)

    yield keep
    if kept:
        (artifacts / f"{kept['name']}.trace.txt").write_text("\n".join(kept["run"].debug_trace()) + "\n")
        log = monitor.folder / "calls.log"
        (artifacts / f"{kept['name']}.calls.log").write_text(log.read_text() if log.exists() else "")


def wait_for_refind(run, wine, count=1):
    poll(lambda: len(refinds(run)) >= count, timeout=15, message="the monitor found again")
    # The re-find ends with the video level; the window's state is whole from then on.
    poll(lambda: run.debug_trace()[-1].startswith("Glimra: video level"), timeout=10,
         message="the video level after the re-find")
    return wine.window()


# A wake delivers "resume" every time, the display perhaps still dark; "resume-suspend" follows once a user is
# back, maybe much later, and then the display is on.
@pytest.mark.parametrize("events", ["displaychange", "resume", "resume-suspend", "resume,resume-suspend", "unlock"])
def test_after_a_change_the_new_monitor_is_read_and_the_next_drag_reaches_it_once(
        start_glimra, wine, person, monitor, keep_logs, events):
    run = started_with_video_level_10(start_glimra, wine, monitor)
    keep_logs(f"refind-{events.replace(',', '-then-')}", run)
    levels_before = run.debug_trace().count("Glimra: video level 10")

    monitor.replug(handle=hex(NEW_HANDLE), brightness=35, contrast=45)
    for i, event in enumerate(events.split(",")):
        if i > 0:
            time.sleep(1.0)  # the user comes back a moment after the wake
        changed_at = time.time()
        wine.probe("post", event)
    shown = wait_for_refind(run, wine)
    if "," in events:
        time.sleep(SETTLE_S + 0.5)  # a second re-find would have come by now

    assert refinds(run) == ["Glimra: monitor found again: 1"]
    assert (shown["brightness"], shown["contrast"]) == (65, 55), "the new monitor's values"
    assert shown["brightness_enabled"] == 1 and shown["contrast_enabled"] == 1
    assert run.debug_trace().count("Glimra: video level 10") == levels_before + 1, "video level applied again"
    assert shown["video"] == 40
    released = monitor.calls("DestroyPhysicalMonitors")
    assert [(c["value"], c["handle"]) for c in released] == [(1, OLD_HANDLE)]
    assert monitor.state()["destroy_calls"] == "1"
    assert released[0]["epoch_ms"] >= changed_at * 1000 + SETTLE_S * 1000 - 300, "waits for the changes to settle"
    assert not [c for c in monitor.calls("SetVCPFeature")], "reading the new monitor sends nothing"

    window = show_window(person, wine)
    x = window["left"] + SLIDER_X["brightness"]
    person.press(x, window["top"] + SLIDER_MIDDLE_Y)
    person.drag_to(x, window["top"] + SLIDER_MIDDLE_Y + 60)
    poll(lambda: monitor.writes(0x10), timeout=5, message="the drag's write")
    time.sleep(1.0)  # a second write would come within a worker's delay
    writes = monitor.writes()
    position = wine.window()["brightness"]
    assert [(w["code"], w["value"], w["handle"], w["result"]) for w in writes] == [
        (0x10, 100 - position, NEW_HANDLE, 1)], "exactly one write, to the new monitor"
    calls = monitor.calls()
    after_release = calls[calls.index(released[0]) + 1:]
    assert after_release and OLD_HANDLE not in [c["handle"] for c in after_release], \
        "nothing reaches the released handle"
    assert monitor.state()["brightness"] == str(100 - position)
    hide_window(person, wine)


def test_with_the_monitor_gone_both_monitor_sliders_are_disabled_and_video_still_works(
        start_glimra, wine, person, monitor, keep_logs):
    run = started_with_video_level_10(start_glimra, wine, monitor)
    keep_logs("refind-monitor-gone", run)
    monitor.replug(monitors=0, handle=hex(NEW_HANDLE))
    wine.probe("post", "displaychange")
    shown = wait_for_refind(run, wine)

    assert refinds(run) == ["Glimra: monitor found again: 0"]
    assert shown["brightness_enabled"] == 0 and shown["contrast_enabled"] == 0
    assert shown["video_enabled"] == 1
    assert not monitor.calls("GetVCPFeatureAndVCPFeatureReply")[2:], "no reads of a monitor that is not there"

    show_window(person, wine)
    poll(lambda: wine.window()["focus"] == 2012, message="the video slider focused")
    person.key("Up")
    poll(lambda: "Glimra: video level 11" in run.debug_trace(), message="the video slider still works")
    assert not monitor.writes()
    hide_window(person, wine)


def test_a_burst_of_five_display_changes_finds_the_monitor_once(start_glimra, wine, monitor, keep_logs):
    run = started_with_video_level_10(start_glimra, wine, monitor)
    keep_logs("refind-burst", run)
    searches_before = len(monitor.calls("GetNumberOfPhysicalMonitorsFromHMONITOR"))
    monitor.replug(handle=hex(NEW_HANDLE), brightness=20, contrast=25)
    before = time.time()
    wine.probe("post", "displaychange", "0", "0", "5", "400")  # five changes, 400 ms apart
    shown = wait_for_refind(run, wine)
    time.sleep(SETTLE_S + 0.5)  # a second re-find would have come by now

    assert len(refinds(run)) == 1
    assert len(monitor.calls("GetNumberOfPhysicalMonitorsFromHMONITOR")) - searches_before == 1
    assert monitor.state()["destroy_calls"] == "1"
    released = monitor.calls("DestroyPhysicalMonitors")[0]
    last_change = before + 4 * 0.4
    assert released["epoch_ms"] >= (last_change + SETTLE_S) * 1000 - 50, "2 s after the last change"
    assert (shown["brightness"], shown["contrast"]) == (80, 75)
