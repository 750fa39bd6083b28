"""What a person does: mouse and keys through xdotool, and looking at the screen."""
import subprocess
import time
from pathlib import Path

from harness import DESKTOP_HEIGHT, DESKTOP_WIDTH

# Wine's desktop puts the notification area at the right end of its 20-pixel taskbar; ours is the only icon.
TRAY_ICON = (DESKTOP_WIDTH - 10, DESKTOP_HEIGHT - 10)
BUTTONS = {"left": 1, "middle": 2, "right": 3}
# Two presses of a button at one place within this time are a double-click (the system's default, 500 ms),
# which the notification area passes on as WM_xBUTTONDBLCLK instead of a second button-down.
DOUBLE_CLICK_SECONDS = 0.5


class Person:
    _last_click = None  # (x, y, button, time): shared, since each test's person clicks the same tray
    def __init__(self, display_name: str):
        self.env = {"DISPLAY": display_name, "PATH": "/usr/bin:/bin"}

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=30)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button="left"):
        """One click. A person clicking the same place again (a new run's tray icon where the last run's was)
        is slower than a double-click; xdotool is not, so the second click waits out the double-click time."""
        last = Person._last_click
        if last and last[:3] == (x, y, button):
            time.sleep(max(0.0, last[3] + DOUBLE_CLICK_SECONDS + 0.1 - time.monotonic()))
        self.xdotool("mousemove", x, y, "click", BUTTONS[button])
        Person._last_click = (x, y, button, time.monotonic())

    def click_tray_icon(self, button="left"):
        self.click(*TRAY_ICON, button=button)

    def press(self, x, y):
        self.xdotool("mousemove", x, y, "mousedown", 1)

    def drag_to(self, x, y, steps=8):
        """Moves with the button held, in steps as a hand would, and releases; returns the release time."""
        current = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.env, check=True,
                                 capture_output=True, text=True).stdout
        pos = dict(line.split("=") for line in current.split())
        x0, y0 = int(pos["X"]), int(pos["Y"])
        for step in range(1, steps + 1):
            self.xdotool("mousemove", x0 + (x - x0) * step // steps, y0 + (y - y0) * step // steps)
            time.sleep(0.03)
        self.xdotool("mouseup", 1)
        return time.time()

    def key(self, *keys):
        for key in keys:
            self.xdotool("key", key)

    def screenshot(self, path: Path, region=None):
        """region: (left, top, right, bottom) in screen pixels."""
        args = ["import", "-display", self.env["DISPLAY"], "-window", "root"]
        if region:
            left, top, right, bottom = region
            args += ["-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage"]
        subprocess.run([*args, str(path)], env=self.env, check=True, timeout=30)
        return path

    def region(self, left, top, width, height) -> bytes:
        """The raw RGB bytes of a screen region."""
        return subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", "-crop",
                               f"{width}x{height}+{left}+{top}", "+repage", "-depth", "8", "rgb:-"],
                              env=self.env, check=True, capture_output=True, timeout=30).stdout

    def tray_icon_area(self) -> bytes:
        return self.region(TRAY_ICON[0] - 10, TRAY_ICON[1] - 10, 20, 20)

    def pixel(self, x, y):
        out = subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", "-crop",
                              f"1x1+{x}+{y}", "+repage", "-depth", "8", "txt:-"],
                             env=self.env, check=True, capture_output=True, text=True, timeout=30).stdout
        hex_colour = out.split("#")[1][:6]
        return tuple(int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))
