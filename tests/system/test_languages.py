"""The program speaks the system's language from its first start, and the language chosen in Options from
the next start on."""
import time

import datafile
import menu
from harness import parse_pairs, poll
from test_tray_program import data_file, end_by_middle_click

GERMAN_SYSTEM = {"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8"}
RESET, MENU = 3010, 3012


def started_on(start_glimra, wine, system):
    run = start_glimra(env_extra=system)
    run.wait_for_window()
    return run


def button_texts(wine):
    return poll(lambda: (lambda t: t if t.get(RESET) else None)(wine.texts()), message="the buttons' texts")


def test_a_german_system_gets_german_texts_and_help_and_a_choice_in_options_holds_from_the_next_start(
        start_glimra, wine, person):
    run = started_on(start_glimra, wine, GERMAN_SYSTEM)
    texts = button_texts(wine)
    assert (texts[RESET], texts[MENU]) == ("Zurücksetzen", "Menü")
    menu.choose(wine, person, "Help")
    opened = poll(lambda: wine.browser_log(), timeout=15, message="the help file opened")
    assert [path.lower() for path in opened] == ["c:\\glimra\\help\\german.rtf"]
    end_by_middle_click(person, run)
    assert datafile.parse(data_file(wine).read_bytes())["languageFileName"] == "German.lng"

    # Russian chosen in Options, the restart declined: stored at once, spoken from the next start.
    run = started_on(start_glimra, wine, GERMAN_SYSTEM)
    menu.choose(wine, person, "Settings")
    poll(lambda: "position=" in wine.probe("choose-language", "Russian.lng"), message="Russian chosen")
    question = poll(lambda: wine.message_boxes(), message="the restart question")[0]
    assert question["text"].startswith("Damit die Änderungen wirksam werden")
    assert question["buttons"] == "6,7"
    # Tray clicks under the open dialog and its question only bring them forward: the program must not end
    # beneath them, nor open its menu there.
    person.click_tray_icon("middle")
    person.click_tray_icon("right")
    time.sleep(1)
    assert run.running(), "a middle click under the dialog does not end the program"
    assert parse_pairs(wine.probe("menu")).get("found") != 1, "no menu under the dialog"
    assert [box["text"] for box in wine.message_boxes()] == [question["text"]], "the question stays open"
    assert "found=0" not in wine.probe("languages"), "the Options dialog stays open"
    wine.probe("press", "7")
    poll(lambda: not wine.message_boxes(), message="the question answered")
    assert run.running(), "No: the program goes on"
    assert button_texts(wine)[RESET] == "Zurücksetzen", "the interface changes language at the next start"
    end_by_middle_click(person, run)
    assert datafile.parse(data_file(wine).read_bytes())["languageFileName"] == "RUSSIAN.LNG"

    run = started_on(start_glimra, wine, GERMAN_SYSTEM)
    texts = button_texts(wine)
    assert (texts[RESET], texts[MENU]) == ("Сброс настроек", "Меню")
    end_by_middle_click(person, run)
