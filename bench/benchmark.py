#!/usr/bin/env python3
"""Glimra beside a minimal Win32 tray program, under the same Wine on the same machine.

Reports, for each and as ratios: time from launch until the tray icon is added, resident and private memory
once started, and CPU time over an idle period in each state: hidden, shown, and shown with the pointer
resting on a button. Then Glimra's memory with two displays beside one, on the system tests' two-display
bench (Xvfb with two Xinerama screens, no Wine desktop) and on the same bench with one screen. Usage:
bench/run.sh (builds first).

Private memory is what Task Manager shows in its Memory column (the private working set): the resident
pages that belong to the process alone, read from Linux's accounting of the Wine process.
"""
import argparse
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "system"))
from harness import TWO_SCREENS, Display, SimulatedMonitor, WineSession, poll, wine_path  # noqa: E402
from person import Person  # noqa: E402

CLOCK_TICKS = 100  # USER_HZ on Linux
RESET_BUTTON = (85, 381)  # the button's centre in the main window
# The two-display bench's first screen alone, so the count of displays is all that differs.
ONE_OF_TWO_SCREENS = TWO_SCREENS[:3] + ["+xinerama"]


def process_id(name: str) -> int:
    def find():
        out = subprocess.run(["pgrep", "-f", name], capture_output=True, text=True).stdout.split()
        return int(out[0]) if out else None
    return poll(find, timeout=20, message=f"process {name}")


def cpu_seconds(pid: int) -> float:
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def resident_kib(pid: int) -> int:
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    return 0


def private_kib(pid: int) -> int:
    """Resident pages no other process shares (clean or dirty)."""
    total = 0
    for line in Path(f"/proc/{pid}/smaps_rollup").read_text().splitlines():
        if line.startswith(("Private_Clean:", "Private_Dirty:")):
            total += int(line.split()[1])
    return total


class Program:
    def __init__(self, session: WineSession, windows_path: str, image_name: str, trace_marker: str, monitor):
        self.session = session
        self.windows_path = windows_path
        self.image_name = image_name
        self.trace_marker = trace_marker
        self.monitor = monitor

    def launch(self):
        env = dict(self.session.env)
        env["WINEDEBUG"] = "-all,warn+seh"  # Wine reports OutputDebugString on this channel
        env["DXVA2_SIM_DIR"] = wine_path(self.monitor.folder)
        self.trace_path = self.session.scratch / f"{self.image_name}.trace"
        self.trace = open(self.trace_path, "wb")
        started = time.monotonic()
        self.process = subprocess.Popen([self.session.wine, self.windows_path], env=env,
                                        stdout=subprocess.DEVNULL, stderr=self.trace)
        poll(lambda: self.trace_marker in self.trace_path.read_bytes().decode("utf-8", "replace"),
             timeout=30, interval=0.005, message="the tray icon")
        return time.monotonic() - started

    def pid(self) -> int:
        return process_id(self.image_name)

    def end(self):
        self.session.run_wine(["taskkill", "/f", "/im", self.image_name], timeout=30)
        try:
            self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self.trace.close()


def mapped_libraries(pid: int) -> set:
    """The libraries a process has mapped (Wine's PE and Unix modules), by file name in lower case."""
    names = set()
    for line in Path(f"/proc/{pid}/maps").read_text().splitlines():
        path = line.split(maxsplit=5)[5] if len(line.split(maxsplit=5)) == 6 else ""
        name = path.rsplit("/", 1)[-1].lower()
        if name.endswith((".dll", ".so", ".drv")) or ".so." in name:
            names.add(name)
    return names


def measure(program: Program, person: Person, runs: int, idle_seconds: int, states) -> dict:
    """states: (key, how to reach it) in order; each state is measured idle after it is reached."""
    startups = []
    for _ in range(runs):
        program.session.reset_user_state()
        startups.append(program.launch())
        time.sleep(1.5)  # let the reminder timer pass before the next start
        program.end()
    program.session.reset_user_state()
    program.launch()
    time.sleep(3)
    pid = program.pid()
    result = {"startup_s": statistics.median(startups), "memory_kib": resident_kib(pid),
              "private_kib": private_kib(pid), "libraries": mapped_libraries(pid)}
    for key, reach in states:
        reach(person, program.session)
        time.sleep(1)  # a fade or repaint the change started is over
        before = cpu_seconds(pid)
        time.sleep(idle_seconds)
        result[key] = (cpu_seconds(pid) - before) * 1000 * 60 / idle_seconds
    program.end()
    return result


def stay(person: Person, session: WineSession):
    pass


def show_glimra(person: Person, session: WineSession):
    person.click_tray_icon("left")
    poll(lambda: session.window().get("visible") == 1, message="the window shown")


def rest_pointer_on_reset_button(person: Person, session: WineSession):
    window = session.window()
    person.move(window["left"] + RESET_BUTTON[0], window["top"] + RESET_BUTTON[1])


STATES = [("cpu_hidden_ms_per_min", stay), ("cpu_shown_ms_per_min", show_glimra),
          ("cpu_button_ms_per_min", rest_pointer_on_reset_button)]


def memory_with_screens(build_dir: Path, screens) -> dict:
    """Glimra's resident and private memory once started on the two-display bench's prefix with these
    screens; each display has its simulated monitor."""
    display = Display(screens=screens)
    try:
        session = WineSession(build_dir, display, prefix=build_dir / "wineprefix-two-displays", desktop=False)
    except BaseException:
        display.close()
        raise
    try:
        session.reset_user_state()
        monitor = SimulatedMonitor(session.scratch / "monitor",
                                   "brightness=70\ncontrast=60\ndisplay2.brightness=20\ndisplay2.contrast=25\n")
        glimra = Program(session, session.exe, "Glimra.exe", "Glimra: tray icon added", monitor)
        glimra.launch()
        time.sleep(3)  # every monitor read, the window laid out
        pid = glimra.pid()
        result = {"memory_kib": resident_kib(pid), "private_kib": private_kib(pid)}
        glimra.end()
        return result
    finally:
        session.close()
        display.close()


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", default=str(REPO / "build" / "windows"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle-seconds", type=int, default=30)
    args = parser.parse_args()
    build_dir = Path(args.build_dir).resolve()

    display = Display()
    session = WineSession(build_dir, display)
    try:
        shutil.copyfile(build_dir / "bench" / "minimal_tray.exe", session.tools_dir / "minimal_tray.exe")
        monitor = SimulatedMonitor(session.scratch / "monitor", "brightness=70\ncontrast=60\n")
        person = Person(display.name)
        minimal = Program(session, "C:\\glimra-test\\minimal_tray.exe", "minimal_tray.exe",
                          "Minimal: tray icon added", monitor)
        glimra = Program(session, session.exe, "Glimra.exe", "Glimra: tray icon added", monitor)
        # The minimal program has no window: each of its states is the same idle tray icon.
        results = {
            "minimal tray": measure(minimal, person, args.runs, args.idle_seconds,
                                    [(key, stay) for key, _ in STATES]),
            "Glimra": measure(glimra, person, args.runs, args.idle_seconds, STATES),
        }
    finally:
        session.close()
        display.close()
    displays = {"one": memory_with_screens(build_dir, ONE_OF_TWO_SCREENS),
                "two": memory_with_screens(build_dir, TWO_SCREENS)}

    base, ours = results["minimal tray"], results["Glimra"]
    print(f"{'figure':44} {'minimal tray':>14} {'Glimra':>12} {'ratio':>8}")
    rows = [("start-up until tray icon (s)", "startup_s", "{:.3f}"),
            ("resident memory (KiB)", "memory_kib", "{:.0f}"),
            ("private memory (KiB)", "private_kib", "{:.0f}"),
            ("CPU idle, hidden (ms per minute)", "cpu_hidden_ms_per_min", "{:.1f}"),
            ("CPU idle, shown (ms per minute)", "cpu_shown_ms_per_min", "{:.1f}"),
            ("CPU idle, pointer on a button (ms per minute)", "cpu_button_ms_per_min", "{:.1f}")]
    for label, key, form in rows:
        ratio = ours[key] / base[key] if base[key] else float("nan")
        print(f"{label:44} {form.format(base[key]):>14} {form.format(ours[key]):>12} {ratio:>8.2f}")
    print(f"{'Glimra without a Wine desktop':44} {'one display':>14} {'two':>12} {'ratio':>8}")
    for label, key in (("resident memory (KiB)", "memory_kib"), ("private memory (KiB)", "private_kib")):
        one, two = displays["one"][key], displays["two"][key]
        print(f"{label:44} {one:>14.0f} {two:>12.0f} {two / one if one else float('nan'):>8.2f}")
    # Where the memory beyond the minimal program comes from.
    print("libraries only Glimra maps: " + (" ".join(sorted(ours["libraries"] - base["libraries"])) or "none"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
