"""The menu's update check against a local stand-in for the maker's web host."""
import time

import datafile
import menu
from harness import poll
from web_host import TEST_HOST_PORT, UPDATE_PATH, WebHost

CAPTION = "Update check"  # from the shipped English language file


def run_check(start_glimra, wine, person):
    run = start_glimra()
    run.wait_for_window()
    menu.choose(wine, person, "Check for updates")
    return run, poll(lambda: [b for b in wine.message_boxes() if b["caption"] == CAPTION], timeout=30,
                     message="the update check's message")[0]


def close_box(wine, button):
    wine.probe("press", str(button))
    poll(lambda: not wine.message_boxes(), message="the box closed")


def test_a_newer_version_offers_the_program_page_and_opens_it_on_yes(start_glimra, wine, person, web_host):
    web_host.document = WebHost.update_document(
        ("other_product", "9.9", "not this one"),
        (" Glimra_VX ", "1.3.1.10", "Version 1.3.1.10 &lt;faster&gt; &amp; smaller&#13;"))
    run, box = run_check(start_glimra, wine, person)
    assert box["text"] == "Version 1.3.1.10 <faster> &amp; smaller\r\n\r\nGo to the program's website?"
    assert box["buttons"] == "6,7"
    assert web_host.requests[0]["path"] == UPDATE_PATH
    assert web_host.requests[0]["user_agent"], "the request names its user agent"
    close_box(wine, 6)
    pages = poll(lambda: wine.browser_log(), timeout=15, message="the program page opened")
    assert pages == [f"http://127.0.0.1:{TEST_HOST_PORT}/win/glimra/"]


def test_the_same_version_says_no_update_is_needed(start_glimra, wine, person, web_host):
    web_host.document = WebHost.update_document(("GLIMRA_VX", "1.3.1.2", "old news"))
    run, box = run_check(start_glimra, wine, person)
    assert box["text"] == "The program is up to date"
    close_box(wine, 1)
    assert wine.browser_log() == []


def test_a_document_without_this_product_says_no_data(start_glimra, wine, person, web_host):
    web_host.document = WebHost.update_document(("OTHER", "2.0", "x"))
    run, box = run_check(start_glimra, wine, person)
    assert box["text"] == "no data\r\nNo data found"
    close_box(wine, 1)


def test_a_refused_connection_reports_the_error_and_the_box_closes_itself(start_glimra, wine, person):
    run, box = run_check(start_glimra, wine, person)  # nothing listens on the test host's port
    assert box["text"].startswith("Error: DownloadUrl\r\nError: InternetOpenUrl:  12029, Cannot Connect\r\n")
    assert box["text"].endswith("Make sure no firewall blocks the program.")
    poll(lambda: not wine.message_boxes(), timeout=15, message="the error box closing by itself")
    assert run.running()


def test_a_server_that_never_answers_gets_the_time_out_box_at_the_deadline(start_glimra, wine, person, web_host):
    web_host.silent = True
    run = start_glimra(env_extra={"GLIMRA_TEST_UPDATE_DEADLINE_MS": "4000"})  # the tests' build only
    run.wait_for_window()
    menu.choose(wine, person, "Check for updates")
    chosen = time.monotonic()
    poll(lambda: web_host.requests, message="the update request")
    menu.choose(wine, person, "Check for updates")  # while the first waits: starts nothing
    box = poll(lambda: [b for b in wine.message_boxes() if b["caption"] == CAPTION], timeout=20,
               message="the time-out box")[0]
    waited = time.monotonic() - chosen
    assert 3.5 <= waited <= 8.0, f"the box came after {waited:.1f} s, the deadline is 4 s"
    assert box["text"].startswith("Error: DownloadUrl\r\nError: InternetReadFileEx  12002, Timeout\r\n")
    assert box["text"].endswith("Make sure no firewall blocks the program.")
    assert len([b for b in wine.message_boxes() if b["caption"] == CAPTION]) == 1
    poll(lambda: not wine.message_boxes(), timeout=15, message="the time-out box closing by itself")
    assert len(web_host.requests) == 1, "the second command started no second check"
    assert run.running()


def test_while_the_server_keeps_silent_the_tray_the_end_of_session_and_exit_are_answered(
        start_glimra, wine, person, web_host):
    web_host.silent = True
    run = start_glimra()  # the shipped 30 s deadline: everything below happens well before it
    run.wait_for_window()
    menu.choose(wine, person, "Check for updates")
    poll(lambda: web_host.requests, message="the update request")
    person.click_tray_icon("left")
    poll(lambda: wine.window().get("visible") == 1, timeout=5, message="the window shown by a tray click")
    person.key("Down")
    poll(lambda: wine.window()["brightness"] == 31, timeout=5, message="brightness moved")  # from the monitor's 70
    person.click(100, 100)
    poll(lambda: wine.window()["visible"] == 0, timeout=5, message="window hidden")
    data_file = wine.data_folder / "DataProfiles.dat"
    assert not data_file.exists()
    wine.probe("send", "endsession", timeout=10)
    saved = poll(lambda: data_file.exists() and data_file.read_bytes(), timeout=5, message="the data file")
    assert datafile.parse(saved)["positions"] == (31, 40, 50)
    menu.choose(wine, person, "Exit")
    chosen = time.monotonic()
    assert run.wait_for_exit(timeout=10) == 0
    assert time.monotonic() - chosen < 2.5, "exit must not wait for the network"
    assert len(web_host.requests) == 1


def test_the_reminders_check_leaves_the_tray_answering_while_the_server_keeps_silent(
        start_glimra, wine, person, web_host):
    web_host.silent = True
    wine.data_folder.mkdir(parents=True)
    (wine.data_folder / "DataProfiles.dat").write_bytes(datafile.build(start_count=79))  # this start is the 80th: asks
    run = start_glimra()
    poll(lambda: [b for b in wine.message_boxes() if b["caption"] == "Glimra VX 1.3.1.2- version."],
         timeout=20, message="the update question")
    wine.probe("press", "6")
    poll(lambda: web_host.requests, message="the update request")
    person.click_tray_icon("left")
    poll(lambda: wine.window().get("visible") == 1, timeout=5, message="the window shown by a tray click")
    assert run.running()
