"""The main window at display scales of 125, 150 and 200 %: laid out from its 96-DPI layout, scaled."""
import shutil

import pytest

from harness import DESKTOP_HEIGHT, DESKTOP_WIDTH, parse_pairs, poll, wine_path
from test_tray_program import started

BASE_SIZE = (294, 398)
# A desktop where the window fits even at 200 %, as on the high-resolution screens that use that scale.
LARGE_DESKTOP = (1280, 1024)
TRAY_ICON = (LARGE_DESKTOP[0] - 10, LARGE_DESKTOP[1] - 10)
# id: (x, y, width, height) in the window at 96 DPI
BASE_CONTROLS = {
    2010: (6, 62, 90, 296),
    2011: (102, 62, 90, 296),
    2012: (198, 62, 90, 296),
    3010: (6, 369, 158, 24),
    3012: (170, 369, 118, 24),
}


def scaled(value, dpi):
    """As the program scales: the nearest whole pixel, halves up (MulDiv)."""
    return (value * dpi + 48) // 96


@pytest.fixture
def large_desktop(wine):
    wine.set_resolution(*LARGE_DESKTOP)
    yield LARGE_DESKTOP
    wine.set_resolution(DESKTOP_WIDTH, DESKTOP_HEIGHT)


@pytest.fixture
def display_scale(wine):
    """Sets the display scale (LogPixels) that programs started afterwards see; 96 again at the end."""

    def set_dpi(dpi):
        reg = wine.scratch / "dpi.reg"
        reg.write_text("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
                       f"\"LogPixels\"=dword:{dpi:08x}\r\n\r\n", encoding="ascii")
        wine.run_wine(["regedit", "/S", wine_path(reg)], timeout=60)

    yield set_dpi
    set_dpi(96)


def ink_box(pixels, width, height, is_ink):
    """The bounding box (left, top, right, bottom) of the pixels is_ink accepts, or None."""
    xs, ys = [], []
    for y in range(height):
        for x in range(width):
            offset = 3 * (y * width + x)
            if is_ink(pixels[offset:offset + 3]):
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if xs else None


def texts_faults(person, shown, found, width, dpi):
    """What is wrong with the texts: the button texts (dark on the grey face, right of the glyph) must end
    inside their buttons and the title (light on blue) inside the header, each in a font of the scale."""
    faults = []
    for control_id in (3010, 3012):
        button = found[control_id]
        w, h = button["right"] - button["left"], button["bottom"] - button["top"]
        # Right of the glyph, inside the one-pixel frame.
        inner_w, inner_h = w - h - 1, h - 2
        pixels = person.region(shown["left"] + button["left"] + h, shown["top"] + button["top"] + 1, inner_w,
                               inner_h)
        ink = ink_box(pixels, inner_w, inner_h, lambda p: sum(p) < 3 * 170)
        if not ink:
            faults.append(f"{control_id}: no text")
        elif ink[2] >= inner_w - scaled(2, dpi):
            faults.append(f"{control_id}: the text runs into the button's edge")
        elif ink[3] - ink[1] < scaled(9, dpi):
            faults.append(f"{control_id}: the text is as small as at 96 DPI")
    header = scaled(55, dpi)
    title = ink_box(person.region(shown["left"], shown["top"], width, header), width, header,
                    lambda p: min(p) > 225)
    if not (title and 0 < title[0] and title[2] < width and title[3] < header):
        faults.append(f"the title is not inside the header: {title}")
    elif title[3] - title[1] < scaled(14, dpi):
        faults.append("the title is as small as at 96 DPI")
    return faults


def click_tray_icon(wine, person, icon):
    """A left click on the tray icon as the shell reports it, with the pointer on the icon's place: the
    taskbar of a desktop that was just resized may still be moving its icons."""
    person.move(*icon)
    wine.probe("post", "12125", "0", "513")  # the icon's callback message with WM_LBUTTONDOWN
    return poll(lambda: (lambda w: w if w.get("visible") == 1 else None)(wine.window()), timeout=20,
                message="window shown")


def controls(wine):
    return {pairs["id"]: pairs for pairs in map(parse_pairs, wine.probe("controls").splitlines()) if pairs}


@pytest.mark.parametrize("dpi,size", [(120, (368, 498)), (144, (441, 597)), (192, (588, 796))])
def test_the_main_window_and_its_controls_are_scaled_and_stay_inside_the_work_area(
        large_desktop, display_scale, start_glimra, wine, person, artifacts, dpi, size):
    display_scale(dpi)
    started(start_glimra, wine)
    shown = click_tray_icon(wine, person, TRAY_ICON)
    width, height = shown["right"] - shown["left"], shown["bottom"] - shown["top"]
    assert (width, height) == size == (scaled(BASE_SIZE[0], dpi), scaled(BASE_SIZE[1], dpi))

    work = parse_pairs(wine.probe("workarea"))
    assert work["left"] <= shown["left"] and shown["right"] <= work["right"]
    assert work["top"] <= shown["top"] and shown["bottom"] == work["bottom"], "at the bottom of the work area"

    found = controls(wine)
    assert set(found) == set(BASE_CONTROLS)
    for control_id, (x, y, w, h) in BASE_CONTROLS.items():
        control = found[control_id]
        place = (control["left"], control["top"], control["right"] - control["left"],
                 control["bottom"] - control["top"])
        assert place == (scaled(x, dpi), scaled(y, dpi), scaled(w, dpi), scaled(h, dpi)), control_id
        assert 0 <= control["left"] and control["right"] <= width and control["bottom"] <= height
    # The tray's own tip would cover the window's corner while the pointer rests on the icon.
    person.move(40, 40)
    poll(lambda: not texts_faults(person, shown, found, width, dpi), timeout=10,
         message="the texts drawn whole in fonts of the scale")
    assert texts_faults(person, shown, found, width, dpi) == []

    picture = artifacts / f"main-window-{dpi}dpi.png"
    person.screenshot(picture, (shown["left"], shown["top"], shown["right"], shown["bottom"]))
    person.click(100, 100)
    poll(lambda: wine.window()["visible"] == 0, message="window hidden")


def test_a_change_of_scale_lays_the_window_out_again_and_back(start_glimra, wine, person, artifacts):
    started(start_glimra, wine)
    shown = click_tray_icon(wine, person, (DESKTOP_WIDTH - 10, DESKTOP_HEIGHT - 10))
    person.move(40, 40)
    region = (shown["left"], shown["top"], BASE_SIZE[0], BASE_SIZE[1])
    before = poll(lambda: (lambda r: r if r == person.region(*region) else None)(person.region(*region)),
                  timeout=10, message="a still picture")

    # WM_DPICHANGED as Windows sends it when the window reaches a monitor at 150 %, without a new place.
    wine.probe("send", "0x02E0", str(144 << 16 | 144), "0")
    grown = poll(lambda: (lambda w: w if w["right"] - w["left"] == 441 else None)(wine.window()),
                 message="the window at 150 %")
    assert grown["bottom"] - grown["top"] == 597
    found = controls(wine)
    for control_id, (x, y, w, h) in BASE_CONTROLS.items():
        assert (found[control_id]["left"], found[control_id]["top"]) == (scaled(x, 144), scaled(y, 144))
        assert found[control_id]["right"] - found[control_id]["left"] == scaled(w, 144)

    wine.probe("send", "0x02E0", str(96 << 16 | 96), "0")
    back = poll(lambda: (lambda w: w if w["right"] - w["left"] == BASE_SIZE[0] else None)(wine.window()),
                message="the window at 100 % again")
    assert (back["left"], back["top"], back["bottom"] - back["top"]) == (shown["left"], shown["top"], BASE_SIZE[1])
    found = controls(wine)
    for control_id, (x, y, w, h) in BASE_CONTROLS.items():
        place = (found[control_id]["left"], found[control_id]["top"],
                 found[control_id]["right"] - found[control_id]["left"],
                 found[control_id]["bottom"] - found[control_id]["top"])
        assert place == (x, y, w, h), control_id
    # The picture comes back as it was, up to what may have moved meanwhile (focus, hover).
    after = person.region(*region)
    same = sum(1 for i in range(0, len(after), 3) if after[i:i + 3] == before[i:i + 3])
    assert same >= 0.97 * (len(after) // 3), f"only {same} of {len(after) // 3} pixels as before"
