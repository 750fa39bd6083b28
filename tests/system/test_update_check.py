"""The menu's update check against a local stand-in for the maker's web host."""
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
