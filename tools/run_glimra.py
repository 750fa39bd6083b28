#!/usr/bin/env python3
"""Runs the built Glimra.exe under Wine in a virtual desktop with a notification area.

With a display the program runs until it ends (middle-click its tray icon, or Exit in its menu).
Headless it runs in Xvfb: opens the window through the tray icon, saves a screenshot and ends.
"""
import os
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "system"))
from harness import Display, Glimra, SimulatedMonitor, WineSession, poll  # noqa: E402
from person import Person  # noqa: E402


def main() -> int:
    build_dir = REPO / "build" / "windows"
    headless = not os.environ.get("DISPLAY") or not Display._answers(os.environ["DISPLAY"])
    display = Display()
    session = WineSession(build_dir, display)
    try:
        # A stand-in DDC/CI monitor, since Wine's own dxva2 answers nothing.
        monitor = SimulatedMonitor(build_dir / "run-monitor", "brightness=70\ncontrast=60\n")
        run = Glimra(session, monitor)
        run.wait_for_window()
        if not headless:
            print("Glimra runs in the 'glimra' Wine desktop: click its tray icon at the bottom right.")
            return run.wait_for_exit(timeout=None)
        person = Person(display.name)
        person.click_tray_icon("left")
        window = poll(lambda: (lambda w: w if w.get("visible") == 1 else None)(session.window()),
                      message="the main window")
        shot = build_dir / "glimra-screenshot.png"
        person.screenshot(shot)
        person.screenshot(build_dir / "glimra-window.png",
                          (window["left"], window["top"], window["right"], window["bottom"]))
        print(f"Screenshots saved: {shot} and {build_dir / 'glimra-window.png'}")
        # Wine's work area includes its taskbar, so the shown window covers the icon: hide it first.
        person.click(100, 100)
        poll(lambda: session.window().get("visible") == 0, message="the window hidden")
        person.click_tray_icon("middle")
        return run.wait_for_exit(timeout=30)
    finally:
        session.close()
        display.close()


if __name__ == "__main__":
    sys.exit(main())
