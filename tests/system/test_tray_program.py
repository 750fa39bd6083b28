"""The program in the tray, driven as a person would: tray clicks, slider drags, keys."""
import time

import pytest

import datafile
import menu
from harness import poll
from person import TRAY_ICON
from web_host import WebHost

SLIDER_X = {"brightness": 51, "contrast": 147, "video": 243}  # centres, in window coordinates
SLIDER_MIDDLE_Y = 210
RESET_BUTTON = (85, 381)
ONE_COPY_CAPTION = "Glimra VX 1.3.1.2- version. -  Program not allowed"


def icon_drawn(area: bytes) -> bool:
    """An empty stretch of taskbar is one or two colours; an icon is many."""
    return len({area[i:i + 3] for i in range(0, len(area), 3)}) > 4


def data_file(wine):
    return wine.data_folder / "DataProfiles.dat"


def started(start_glimra, wine):
    run = start_glimra()
    run.wait_for_window()
    # The icon is added during window creation; the tray then needs a moment to draw it.
    poll(lambda: wine.window().get("found") == 1, message="main window")
    return run


def show_window(person, wine):
    person.click_tray_icon("left")
    return poll(lambda: (lambda w: w if w.get("visible") == 1 else None)(wine.window()), message="window shown")


def hide_window(person, wine):
    # Wine's work area includes its taskbar, so the shown window covers the tray icon.
    if wine.window().get("visible") == 1:
        person.click(100, 100)
        poll(lambda: wine.window()["visible"] == 0, message="window hidden")


def end_by_middle_click(person, run):
    hide_window(person, run.session)
    person.click_tray_icon("middle")
    assert run.wait_for_exit(timeout=30) == 0


def test_first_start_creates_the_data_file_and_registers_autostart(start_glimra, wine, person, monitor, artifacts):
    assert not wine.data_folder.exists()
    run = started(start_glimra, wine)
    assert wine.data_folder.is_dir(), "the data folder exists once the program runs"
    assert wine.autostart_value().lower() == '"c:\\glimra\\glimra.exe"', "quoted, so spaces cannot split it"
    assert wine.window()["visible"] == 0, "the window starts hidden"
    # The monitor stands at 70 and 60: the first look shows that, as every later start does.
    shown = show_window(person, wine)
    assert (shown["brightness"], shown["contrast"], shown["video"]) == (30, 40, 50)
    assert shown["brightness_enabled"] == 1 and shown["contrast_enabled"] == 1
    end_by_middle_click(person, run)
    log = (monitor.folder / "calls.log").read_text()
    (artifacts / "first-start-monitor.log").write_text(log)
    print("first start's monitor log:\n" + log)
    assert monitor.writes() == [], "nothing is sent to the monitor at the first start"
    reads = monitor.calls("GetVCPFeatureAndVCPFeatureReply")
    assert [read["code"] for read in reads] == [0x10, 0x12]
    assert run.systray_warnings() == [], "the notification area accepts the program's structure"

    saved = datafile.parse(data_file(wine).read_bytes())
    assert saved["size"] == 5108
    assert saved["startCount"] == 1
    assert saved["currentProfileId"] == 255
    assert saved["id"] == 255 and saved["name"] == "Default" and saved["recordName"] == "Default"
    assert saved["positions"] == (30, 40, 50), "the first exit stores what the monitor had"


def test_left_click_shows_the_window_next_to_the_icon_and_a_click_elsewhere_hides_it(
        start_glimra, wine, person, artifacts):
    started(start_glimra, wine)
    shown = show_window(person, wine)
    work = dict(item.split("=") for item in wine.probe("workarea").split())
    width = shown["right"] - shown["left"]
    assert (width, shown["bottom"] - shown["top"]) == (294, 398)
    assert shown["bottom"] == int(work["bottom"]), "at the bottom of the work area"
    expected_left = min(TRAY_ICON[0] - width // 2, int(work["right"]) - width)
    assert shown["left"] == expected_left, "centred on the cursor, never past the work area's right edge"
    assert shown["focus"] == 2010, "the brightness slider has the focus"
    person.screenshot(artifacts / "main-window.png",
                      (shown["left"], shown["top"], shown["right"], shown["bottom"]))

    person.click(200, 200)
    poll(lambda: wine.window()["visible"] == 0, message="window hidden after a click elsewhere")


def test_dragging_the_brightness_slider_sends_once_after_release(start_glimra, wine, person, monitor):
    started(start_glimra, wine)
    shown = show_window(person, wine)
    monitor_writes_before = len(monitor.writes())
    x = shown["left"] + SLIDER_X["brightness"]
    person.press(x, shown["top"] + SLIDER_MIDDLE_Y)
    released = person.drag_to(x, shown["top"] + SLIDER_MIDDLE_Y + 60)

    writes = poll(lambda: monitor.writes(0x10), timeout=5, message="a brightness write")
    time.sleep(1.0)
    writes = monitor.writes(0x10)
    assert len(monitor.writes()) - monitor_writes_before == 1, "one write for the whole drag"
    position = wine.window()["brightness"]
    assert position != 50
    assert writes[0]["value"] == 100 - position
    delay_ms = writes[0]["epoch_ms"] - released * 1000
    assert 400 <= delay_ms <= 1500, f"sent {delay_ms:.0f} ms after the release, expected about 540"


def test_arrow_keys_send_one_write_per_step_and_the_video_slider_follows_every_step(
        start_glimra, wine, person, monitor):
    run = started(start_glimra, wine)
    show_window(person, wine)
    person.key("Down", "Down", "Down")  # from the monitor's 70 (position 30)
    poll(lambda: len(monitor.writes(0x10)) == 3, timeout=5, message="three brightness writes")
    time.sleep(1.0)
    # Each step starts a worker; every worker sends the value pending when it wakes, so the last one wins.
    assert len(monitor.writes(0x10)) == 3
    assert monitor.writes(0x10)[-1]["value"] == 67
    assert monitor.state()["brightness"] == "67"

    person.key("Tab", "Tab")
    poll(lambda: wine.window()["focus"] == 2012, message="focus on the video slider")
    person.key("Up", "Up")
    poll(lambda: "Glimra: video level 2" in run.debug_trace(), message="video level traces")
    levels = [line for line in run.debug_trace() if "video level" in line]
    # The trackbar notifies on the step and again at its end; both reach the gamma ramp.
    assert [level for i, level in enumerate(levels) if i == 0 or levels[i - 1] != level] == [
        "Glimra: video level 1", "Glimra: video level 2"]
    assert wine.window()["video"] == 48


def test_reset_sends_the_factory_code_reads_the_monitor_back_and_centres_video(start_glimra, wine, person, monitor):
    monitor.configure("brightness=20\ncontrast=30\nfactory_brightness=80\nfactory_contrast=75\n")
    run = started(start_glimra, wine)
    shown = show_window(person, wine)
    person.key("Tab", "Tab", "Up", "Up", "Up")  # video slider to 47: level 3
    poll(lambda: wine.window()["video"] == 47, message="video moved")
    poll(lambda: "Glimra: video level 3" in run.debug_trace(), message="level 3 applied")
    person.click(shown["left"] + RESET_BUTTON[0], shown["top"] + RESET_BUTTON[1])
    poll(lambda: monitor.writes(0x05), timeout=5, message="the factory reset")
    assert monitor.writes(0x05)[0]["value"] == 1
    state = poll(lambda: (lambda w: w if w["brightness"] == 20 else None)(wine.window()), message="read back")
    assert state["contrast"] == 25
    assert state["video"] == 50
    levels = [line for line in run.debug_trace() if "video level" in line]
    assert levels[-1] == "Glimra: video level 0", "the neutral ramp is applied, not only the thumb moved"


def test_a_silent_monitor_leaves_the_monitor_sliders_disabled_on_the_first_and_second_start(
        start_glimra, wine, person, monitor):
    monitor.configure("silent=1\n")
    first = started(start_glimra, wine)
    state = poll(lambda: (lambda w: w if w.get("brightness_enabled") == 0 else None)(wine.window()), timeout=15,
                 message="brightness slider disabled at the first start")
    assert state["contrast_enabled"] == 0 and state["video_enabled"] == 1
    assert (state["brightness"], state["contrast"]) == (50, 50)
    assert len(monitor.calls("GetVCPFeatureAndVCPFeatureReply")) == 6, "three attempts per channel"
    end_by_middle_click(person, first)
    assert monitor.writes() == []
    assert datafile.parse(data_file(wine).read_bytes())["positions"] == (50, 50, 50)

    monitor.configure("silent=1\n")
    second = started(start_glimra, wine)
    state = poll(lambda: (lambda w: w if w.get("brightness_enabled") == 0 else None)(wine.window()), timeout=15,
                 message="brightness slider disabled")
    assert state["contrast_enabled"] == 0
    assert state["video_enabled"] == 1
    reads = monitor.calls("GetVCPFeatureAndVCPFeatureReply")
    assert len(reads) == 6, "three attempts per channel"
    end_by_middle_click(person, second)


def test_a_second_copy_shows_the_one_copy_box_which_closes_by_itself(start_glimra, wine, person):
    first = started(start_glimra, wine)
    show_window(person, wine)
    person.key("Down")
    poll(lambda: wine.window()["brightness"] == 31, message="brightness moved")  # from the monitor's 70
    hide_window(person, wine)
    # The first copy saves, so a second copy that wrote its own settings would change the file.
    wine.probe("send", "endsession")
    before = poll(lambda: data_file(wine).exists() and data_file(wine).read_bytes(), message="the first copy's file")
    assert datafile.parse(before)["positions"] == (31, 40, 50)
    second = start_glimra(name="second")
    box = poll(lambda: [b for b in wine.message_boxes() if b["caption"] == ONE_COPY_CAPTION], timeout=20,
               message="the one-copy box")[0]
    shown_at = time.monotonic()
    assert box["text"] == "Glimra V1.3 - One copy of the program is already running!"
    assert second.wait_for_exit(timeout=15) == 0
    closed_after = time.monotonic() - shown_at
    assert 3.0 <= closed_after <= 9.0, f"closed after {closed_after:.1f} s, expected about 5"
    assert first.running()
    assert data_file(wine).read_bytes() == before, "the second copy writes nothing"
    end_by_middle_click(person, first)


@pytest.mark.parametrize("how", ["escape", "menu-exit", "middle-click"])
def test_every_way_out_saves_and_removes_the_icon(start_glimra, wine, person, monitor, how):
    run = started(start_glimra, wine)
    icon_area = person.tray_icon_area()
    shown = show_window(person, wine)
    person.key("Down", "Down")
    poll(lambda: wine.window()["brightness"] == 32, message="brightness moved")  # from the monitor's 70
    if how == "escape":
        person.key("Escape")
    elif how == "menu-exit":
        hide_window(person, wine)
        menu.choose(wine, person, "Exit")
    else:
        hide_window(person, wine)
        person.click_tray_icon("middle")
    assert run.wait_for_exit(timeout=30) == 0
    saved = datafile.parse(data_file(wine).read_bytes())
    assert saved["positions"][0] == 32
    poll(lambda: person.tray_icon_area() != icon_area, timeout=10, message="the tray icon removed")


def test_positions_come_back_at_the_next_start(start_glimra, wine, person, monitor):
    run = started(start_glimra, wine)
    show_window(person, wine)
    person.key("Tab", "Tab", "Down", "Down", "Down")  # video slider to 53: level −3
    poll(lambda: wine.window()["video"] == 53, message="video moved")
    end_by_middle_click(person, run)
    monitor.configure("brightness=35\ncontrast=45\n")

    again = started(start_glimra, wine)
    state = poll(lambda: (lambda w: w if w["video"] == 53 and w["brightness"] == 65 else None)(wine.window()),
                 timeout=15, message="positions restored")
    assert state["contrast"] == 55, "monitor sliders show the monitor's own values"
    assert "Glimra: video level -3" in again.debug_trace(), "the stored video level is applied"
    end_by_middle_click(person, again)


def test_start_119_shows_the_improved_version_balloon_then_asks_about_updates(
        start_glimra, wine, person, artifacts, web_host):
    web_host.document = WebHost.update_document(("GLIMRA_VX", "1.3.1.10", "newer"))
    wine.data_folder.mkdir(parents=True)
    data_file(wine).write_bytes(datafile.build(start_count=119))
    run = start_glimra()
    box = poll(lambda: [b for b in wine.message_boxes() if b["caption"] == "Glimra VX 1.3.1.2- version."],
               timeout=20, message="the update question")[0]
    assert box["text"] == "Glimra V1.3 has not been updated for a long time. Check for updates now?"
    assert box["buttons"] == "6,7"
    person.screenshot(artifacts / "reminders.png")
    wine.probe("press", "7")
    poll(lambda: not wine.message_boxes(), message="question answered")

    wine.probe("post", "balloon-click")
    pages = poll(lambda: wine.browser_log(), timeout=15, message="the program page opened")
    assert len(pages) == 1 and pages[0].endswith("/win/glimra/")
    # The click was handled after the answer: a check started by "No" would have asked the host first.
    assert web_host.requests == [], "No starts no update check"
    wine.probe("post", "balloon-click")
    time.sleep(2)
    assert len(wine.browser_log()) == 1, "a second click opens nothing"
    end_by_middle_click(person, run)


def test_reminders_wait_for_a_slow_start_and_the_balloon_reaches_the_notification_area(
        start_glimra, wine, person, monitor):
    # Each monitor read takes 1.5 s, so the reminder timer falls due while start-up still reads the monitor
    # and handles messages between the reads; the reminders must still see this start's count (120).
    monitor.configure("brightness=70\ncontrast=60\ndelay_ms=1500\n")
    wine.data_folder.mkdir(parents=True)
    data_file(wine).write_bytes(datafile.build(start_count=119))
    run = start_glimra()
    balloon = poll(lambda: wine.balloons(), timeout=30, message="the improved-version balloon")[0]
    assert "Glimra improved version" in balloon["record"], "the title reaches the shell"
    assert " ".join(balloon["text"].split()) == \
        "An improved version of the program exists. Click this message to learn more!"
    poll(lambda: [b for b in wine.message_boxes() if b["caption"] == "Glimra VX 1.3.1.2- version."],
         timeout=20, message="the update question")
    wine.probe("press", "7")
    poll(lambda: not wine.message_boxes(), message="question answered")
    assert run.systray_warnings() == [], "the notification area accepts the program's structure"
    end_by_middle_click(person, run)
    assert datafile.parse(data_file(wine).read_bytes())["startCount"] == 120


def test_a_data_file_held_open_by_another_program_is_left_exactly_as_it_was(start_glimra, wine, person):
    wine.data_folder.mkdir(parents=True)
    original = datafile.build(start_count=7, positions=(10, 20, 30), auto_start=0)
    data_file(wine).write_bytes(original)
    let_go = wine.hold_file(data_file(wine))
    try:
        run = start_glimra()
        box = poll(lambda: [b for b in wine.message_boxes() if b["caption"] == "ARRAY_FileLoad"], timeout=30,
                   message="the box saying the file cannot be read")[0]
        assert box["text"].startswith("ERROR: ") and "DataProfiles.dat" in box["text"]
        assert "will not write it" in box["text"]
        wine.probe("press", "1")
        run.wait_for_window()
        assert wine.autostart_value() == "", "no first start: autostart is not registered"
        show_window(person, wine)
        person.key("Down", "Down")
        poll(lambda: wine.window()["brightness"] == 32, message="brightness moved")
        end_by_middle_click(person, run)
    finally:
        let_go()
    assert data_file(wine).read_bytes() == original, "the user's file is untouched"
    assert not (wine.data_folder / "DataProfiles.dat.new").exists()
    assert [b for b in wine.message_boxes() if b["caption"] == "ARRAY_FileSave"] == []


def test_help_opens_the_languages_own_file_in_the_programs_folder_not_the_current_one(start_glimra, wine, person):
    # The program runs with the scratch folder as its current directory; a decoy help file waits there.
    decoy = wine.scratch / "Help"
    decoy.mkdir(exist_ok=True)
    (decoy / "English.RTF").write_text("decoy")
    (decoy / "english.rtf").write_text("decoy")
    run = started(start_glimra, wine)
    menu.choose(wine, person, "Help")
    opened = poll(lambda: wine.browser_log(), timeout=15, message="the help file opened")
    # The language's own help is named after it; the fallback would be "...\\Help\\english.rtf".
    assert opened == ["C:\\Glimra\\Help\\English.RTF"]
    end_by_middle_click(person, run)


def test_a_language_without_help_opens_the_english_help(start_glimra, wine, person):
    wine.data_folder.mkdir(parents=True)
    data_file(wine).write_bytes(datafile.build(start_count=3, language="Testish.lng"))
    run = started(start_glimra, wine)
    menu.choose(wine, person, "Help")
    opened = poll(lambda: wine.browser_log(), timeout=15, message="the help file opened")
    assert opened == ["C:\\Glimra\\Help\\english.rtf"]
    end_by_middle_click(person, run)


def test_the_end_of_the_session_saves_the_settings_while_the_program_runs(start_glimra, wine, person):
    run = started(start_glimra, wine)
    show_window(person, wine)
    person.key("Down")
    poll(lambda: wine.window()["brightness"] == 31, message="brightness moved")  # from the monitor's 70
    hide_window(person, wine)
    assert not data_file(wine).exists()
    wine.probe("send", "endsession")
    saved = datafile.parse(poll(lambda: data_file(wine).exists() and data_file(wine).read_bytes(),
                                message="the data file"))
    assert saved["positions"] == (31, 40, 50)
    assert run.running(), "only the settings are saved; Windows ends the program"
    end_by_middle_click(person, run)


def test_enter_moves_the_focus_and_a_middle_click_returns_video_to_neutral(start_glimra, wine, person):
    run = started(start_glimra, wine)
    shown = show_window(person, wine)
    person.key("Return")
    poll(lambda: wine.window()["focus"] == 2011, message="focus on the contrast slider")
    person.key("Return")
    poll(lambda: wine.window()["focus"] == 2012, message="focus on the video slider")
    person.key("Up", "Up", "Up")
    poll(lambda: wine.window()["video"] == 47, message="video moved")

    person.click(shown["left"] + SLIDER_X["video"], shown["top"] + 100, button="middle")
    poll(lambda: wine.window()["video"] == 50, message="video back in the middle")
    assert run.debug_trace()[-1] == "Glimra: video level 0"
    person.click(shown["left"] + SLIDER_X["contrast"], shown["top"] + 100, button="middle")
    time.sleep(0.5)
    assert wine.window()["contrast"] == 40, "a middle click elsewhere does nothing (the monitor's 60)"


def test_focus_follows_the_mouse_over_the_sliders(start_glimra, wine, person):
    run = started(start_glimra, wine)
    shown = show_window(person, wine)
    assert shown["focus"] == 2010
    person.move(shown["left"] + SLIDER_X["video"], shown["top"] + SLIDER_MIDDLE_Y)
    poll(lambda: wine.window()["focus"] == 2012, message="focus on the video slider under the mouse")
    person.move(shown["left"] + SLIDER_X["contrast"], shown["top"] + SLIDER_MIDDLE_Y)
    poll(lambda: wine.window()["focus"] == 2011, message="focus on the contrast slider under the mouse")
    person.key("Down")
    # From the monitor's 60 (position 40).
    poll(lambda: wine.window()["contrast"] == 41, message="the key acts on the slider under the mouse")
    end_by_middle_click(person, run)


def test_a_restarted_shell_gets_the_icon_back(start_glimra, wine, person):
    run = started(start_glimra, wine)
    with_icon = poll(lambda: (lambda area: area if icon_drawn(area) else None)(person.tray_icon_area()),
                     message="the tray icon drawn")
    # A restarted shell has forgotten the icon; Wine's tray keeps it, so it is removed first.
    wine.probe("remove-icon")
    poll(lambda: not icon_drawn(person.tray_icon_area()), message="the icon gone")
    wine.probe("post", "taskbar-created")
    poll(lambda: person.tray_icon_area() == with_icon, message="the icon back")
    show_window(person, wine)  # and it answers clicks again
    end_by_middle_click(person, run)
