"""Drives the real Glimra.exe under Wine in a virtual desktop, with the simulated monitor installed."""
import os
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

# Wine shows its taskbar (and so keeps the work area above it) on the desktop named "shell".
DESKTOP_NAME = "shell"
DESKTOP_WIDTH, DESKTOP_HEIGHT = 1024, 768
DEBUG_TRACE_PREFIX = "Glimra: "
# The two-display bench: Xvfb's Xinerama joins two screens of different sizes (and reports both at 0,0).
TWO_SCREENS = ["-screen", "0", "1280x800x24", "-screen", "1", "1024x768x24", "+xinerama"]
ONE_SCREEN = ["-screen", "0", "1600x1200x24"]
# Without a Wine desktop, explorer shows the notification area as a window of its own.
STANDALONE_TRAY_NAME = "Wine System Tray"


def wine_path(path: Path) -> str:
    return "Z:" + str(path).replace("/", "\\")


def poll(condition, timeout=10.0, interval=0.1, message="condition"):
    """Returns condition()'s first truthy value, or fails after the deadline."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {message}")
        time.sleep(interval)


def install_program_folder(build_dir: Path, folder: Path):
    """The program folder exactly as the build laid it out and the packages ship it, through its install rules."""
    shutil.rmtree(folder, ignore_errors=True)
    subprocess.run(["cmake", "--install", str(build_dir), "--prefix", str(folder)], check=True,
                   stdout=subprocess.DEVNULL)


def parse_pairs(line: str) -> dict:
    pairs = {}
    for item in line.split():
        if "=" in item:
            key, value = item.split("=", 1)
            pairs[key] = int(value) if value.lstrip("-").isdigit() else value
    return pairs


class Display:
    """The X display: the one in DISPLAY when it answers (unless a private one is asked for), else a private Xvfb."""

    def __init__(self, private=False, screens=None):
        """screens: Xvfb's screen arguments (default one screen of 1600x1200); any screens make it private."""
        self.process = None
        private = private or screens is not None
        if not private and os.environ.get("DISPLAY") and self._answers(os.environ["DISPLAY"]):
            self.name = os.environ["DISPLAY"]
            return
        for number in range(141, 190):
            if self._taken(number):
                continue
            name = f":{number}"
            # Larger than the desktop, so the display-scale tests can give the desktop a high resolution.
            self.process = subprocess.Popen(["Xvfb", name, *(screens or ONE_SCREEN), "-nolisten", "tcp"],
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                poll(lambda: self._answers(name), timeout=10, message="Xvfb")
            except AssertionError:
                self.process.kill()
                continue
            self.name = name
            return
        raise RuntimeError("no X display")

    @staticmethod
    def _taken(number) -> bool:
        """A display whose lock names a live process. A stale lock (its server killed) Xvfb replaces itself."""
        lock = Path(f"/tmp/.X{number}-lock")
        try:
            pid = int(lock.read_text().strip())
        except (OSError, ValueError):
            return lock.exists() or Path(f"/tmp/.X11-unix/X{number}").exists()
        return Path(f"/proc/{pid}").exists()

    @staticmethod
    def _answers(name):
        return subprocess.run(["xdpyinfo", "-display", name], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def close(self):
        if self.process:
            # Ended politely, Xvfb removes its lock file; killed, it leaves the display number taken.
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class WineSession:
    """One Wine prefix with the test tools and a virtual desktop, and unless told otherwise Glimra's program
    folder in C:\\Glimra. build_dir is the Windows build that has the test tools. desktop=False: no Wine
    desktop, so Wine reports every X screen as a display and the tray is the "Wine System Tray" window."""

    def __init__(self, build_dir: Path, display: Display, prefix: Path = None, fresh=False, program=True,
                 desktop=True):
        self.build_dir = build_dir
        self.desktop_shown = desktop
        # A prefix of their own: the desktop settings below must not reach the Windows tests.
        self.prefix = prefix or build_dir / "wineprefix-system"
        if fresh:
            shutil.rmtree(self.prefix, ignore_errors=True)
        self.wine = "/usr/lib/wine/wine64" if Path("/usr/lib/wine/wine64").exists() else shutil.which("wine")
        self.wineserver = shutil.which("wineserver") or "/usr/lib/wine/wineserver64"
        self.env = dict(os.environ)
        for proxy in ("http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "no_proxy"):
            self.env.pop(proxy, None)
        self.env.update({
            "WINEPREFIX": str(self.prefix),
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            # No menu entries on the host for the shortcuts an installer makes.
            "WINEDLLOVERRIDES": "mscoree,mshtml=;dxva2=n,b;winemenubuilder.exe=d",
            "DISPLAY": display.name,
        })
        self.scratch = Path(tempfile.mkdtemp(prefix="glimra-system-"))
        self.env["GLIMRA_BROWSER_LOG"] = wine_path(self.scratch / "browser.log")
        drive_c = self.prefix / "drive_c"
        if not (self.prefix / "system.reg").exists():
            self.run_wine(["wineboot", "-i"], timeout=300)
            self.wait_server()
        self.install_dir = drive_c / "Glimra"
        self.tools_dir = drive_c / "glimra-test"
        if program:
            install_program_folder(build_dir, self.install_dir)
        self.tools_dir.mkdir(exist_ok=True)
        for tool in ("glimra_probe.exe", "stand_in_browser.exe"):
            shutil.copyfile(build_dir / "tests" / "helpers" / tool, self.tools_dir / tool)
        shutil.copyfile(build_dir / "tests" / "simulator" / "dxva2.dll",
                        drive_c / "windows" / "system32" / "dxva2.dll")
        # The WMI stand-in where the WMI locator is registered; Wine's own WMI comes first, so only a run
        # started with wbemprox=n (WmiStandIn.env) loads it.
        shutil.copyfile(build_dir / "tests" / "wmi_standin" / "wbemprox.dll",
                        drive_c / "windows" / "system32" / "wbem" / "wbemprox.dll")
        self._configure_registry()
        self.exe = "C:\\Glimra\\Glimra.exe"
        self.user_dir = self._find_user_dir()
        if desktop:
            self._start_desktop()
        else:
            # The X11 driver reads its settings when Wine starts: begin again with them.
            subprocess.run([self.wineserver, "-k"], env=self.env, stderr=subprocess.DEVNULL)
            self.wait_server()

    def _start_desktop(self):
        # The desktop and its taskbar come first: Wine gives a process the work area it sees when it starts.
        self.desktop = subprocess.Popen([self.wine, "explorer", f"/desktop={DESKTOP_NAME},{DESKTOP_WIDTH}x{DESKTOP_HEIGHT}"],
                                        env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll(lambda: "bottom=%d" % (DESKTOP_HEIGHT - 20) in self.probe("workarea"), timeout=60,
             message="the desktop's taskbar")

    def set_resolution(self, width, height):
        """Resizes the desktop as a display change would; its taskbar follows to the new bottom edge."""
        wanted = f"right={width} bottom={height - 20}"
        for _ in range(3):
            # Asked again when a busy desktop has not followed: the change is harmless to repeat.
            self.probe("resolution", str(width), str(height))
            try:
                poll(lambda: wanted in self.probe("workarea"), timeout=20, message=f"a {width}x{height} desktop")
                return
            except AssertionError:
                continue
        raise AssertionError(f"the desktop did not become {width}x{height}: {self.probe('workarea')}")

    def run_wine(self, args, timeout=60, env=None, **kwargs):
        return subprocess.run([self.wine, *args], env=env or self.env, timeout=timeout,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, **kwargs)

    def wait_server(self):
        subprocess.run([self.wineserver, "-w"], env=self.env, timeout=120)

    def _configure_registry(self):
        browser = "C:\\\\glimra-test\\\\stand_in_browser.exe"
        reg = self.scratch / "session.reg"
        if self.desktop_shown:
            screens = (
                "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"
                f"\"{DESKTOP_NAME}\"=\"{DESKTOP_WIDTH}x{DESKTOP_HEIGHT}\"\r\n\r\n"
                # Every program of the prefix opens in that desktop, so they share one taskbar and tray.
                "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"
                f"\"Desktop\"=\"{DESKTOP_NAME}\"\r\n\r\n")
        else:
            # XRandR would report Xvfb's screens as one; Xinerama tells them apart.
            screens = ("[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"
                       "\"UseXRandR\"=\"N\"\r\n\r\n")
        reg.write_text(
            "REGEDIT4\r\n\r\n" + screens +
            "[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]\r\n"
            f"@=\"\\\"{browser}\\\" \\\"%1\\\"\"\r\n\r\n"
            "[HKEY_CLASSES_ROOT\\https\\shell\\open\\command]\r\n"
            f"@=\"\\\"{browser}\\\" \\\"%1\\\"\"\r\n\r\n"
            # Help files open in the same stand-in, so tests see which file was asked for.
            "[HKEY_CLASSES_ROOT\\.rtf]\r\n@=\"GlimraTest.Document\"\r\n\r\n"
            "[HKEY_CLASSES_ROOT\\GlimraTest.Document\\shell\\open\\command]\r\n"
            f"@=\"\\\"{browser}\\\" \\\"%1\\\"\"\r\n\r\n",
            encoding="ascii")
        self.run_wine(["regedit", "/S", wine_path(reg)], timeout=60)

    def _find_user_dir(self) -> Path:
        users = self.prefix / "drive_c" / "users"
        for candidate in sorted(users.iterdir()):
            if candidate.name not in ("Public", "public") and (candidate / "AppData").exists():
                return candidate
        return users / os.environ.get("USER", "root")

    @property
    def data_folder(self) -> Path:
        return self.user_dir / "AppData" / "Roaming" / "Glimra" / "Glimra v1.3.1.2"

    def probe(self, *args, timeout=30) -> str:
        result = self.run_wine([f"C:\\glimra-test\\glimra_probe.exe", *args], timeout=timeout)
        return result.stdout.decode("utf-8", "replace")

    def standalone_tray(self, timeout=30) -> dict:
        """Where the "Wine System Tray" window stands (x, y, width, height) once it is shown."""
        def shown():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", STANDALONE_TRAY_NAME],
                                   env=self.env, capture_output=True, text=True).stdout.split()
            if not found:
                return None
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[0]], env=self.env,
                                      capture_output=True, text=True).stdout
            values = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
            return {key.lower(): int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")}
        return poll(shown, timeout=timeout, message="the Wine System Tray window")

    def run_windows_tests(self, gtest_filter: str, env_extra=None, timeout=120):
        """Runs the cross-built Windows test runner in this session; returns (exit code, its output)."""
        env = dict(self.env)
        env.update(env_extra or {})
        env["GLIMRA_TEST_SCRATCH"] = wine_path(self.scratch)
        output = self.scratch / f"windows-tests-{time.monotonic_ns()}.out"
        with open(output, "wb") as out:  # a file, not a pipe: Wine's services would keep a pipe open
            result = subprocess.run([self.wine, str(self.build_dir / "tests" / "windows" / "glimra_windows_tests.exe"),
                                     "--gtest_color=no", f"--gtest_filter={gtest_filter}"], env=env, stdout=out,
                                    stderr=subprocess.STDOUT, timeout=timeout)
        return result.returncode, output.read_text(errors="replace")

    def window(self) -> dict:
        return parse_pairs(self.probe("window").strip())

    def message_boxes(self) -> list:
        boxes = []
        for line in self.probe("boxes").splitlines():
            fields = dict(part.split("=", 1) for part in line.split("\t") if "=" in part)
            if fields:
                fields = {k: v.replace("\\n", "\n").replace("\\r", "\r").replace("\\\\", "\\") for k, v in fields.items()}
                boxes.append(fields)
        return boxes

    def balloons(self) -> list:
        """The shell's balloons on screen, each {"text": ..., "record": [texts its record points at]}."""
        def unescape(value):
            return value.replace("\\r", "\r").replace("\\n", "\n").replace("\\\\", "\\")
        found = []
        for line in self.probe("balloons").splitlines():
            fields = dict(part.split("=", 1) for part in line.split("\t") if "=" in part)
            if "text" in fields:
                found.append({"text": unescape(fields["text"]),
                              "record": [unescape(t) for t in fields.get("record", "").split("\x1f") if t]})
        return found

    def hold_file(self, path: Path):
        """Another program holds the file open without sharing it; returns the function that lets it go."""
        release = self.scratch / f"release-{time.monotonic_ns()}"
        output = self.scratch / f"hold-{time.monotonic_ns()}.out"
        with open(output, "wb") as out:
            holder = subprocess.Popen([self.wine, "C:\\glimra-test\\glimra_probe.exe", "hold", wine_path(path),
                                       wine_path(release)], env=self.env, stdout=out, stderr=subprocess.DEVNULL)
        poll(lambda: output.exists() and b"held" in output.read_bytes(), timeout=30, message="the file held")

        def let_go():
            release.write_text("")
            holder.wait(timeout=30)
        return let_go

    def texts(self) -> dict:
        """The main window's controls by id: their window texts (the reset and menu buttons' captions)."""
        pairs = (line.split("=", 1) for line in self.probe("texts").splitlines() if "=" in line)
        return {int(key): value for key, value in pairs}

    def autostart_value(self) -> str:
        return self.probe("autostart").strip()

    def reset_user_state(self):
        shutil.rmtree(self.user_dir / "AppData" / "Roaming" / "Glimra", ignore_errors=True)
        self.probe("clear-autostart")
        log = self.scratch / "browser.log"
        if log.exists():
            log.unlink()

    def browser_log(self) -> list:
        log = self.scratch / "browser.log"
        return log.read_text(encoding="utf-8").splitlines() if log.exists() else []  # one address a line

    def close(self):
        subprocess.run([self.wineserver, "-k"], env=self.env, stderr=subprocess.DEVNULL)
        shutil.rmtree(self.scratch, ignore_errors=True)


class SimulatedMonitor:
    """The simulated DDC/CI monitor's state folder, seen from Linux."""

    def __init__(self, folder: Path, settings: str = ""):
        self.folder = folder
        folder.mkdir(parents=True, exist_ok=True)
        self.configure(settings)

    def configure(self, settings: str):
        (self.folder / "monitor.txt").write_text(settings)
        log = self.folder / "calls.log"
        if log.exists():
            log.unlink()

    def replug(self, **values):
        """Changes the monitor's state file in place (a new handle, new values, no monitor), keeping the log:
        to the program it is another monitor plugged in where the old one was."""
        state = self.state()
        state.update({key: str(value) for key, value in values.items()})
        text = "".join(f"{key}={value}\n" for key, value in state.items())
        # Written whole and then renamed, so the simulator never reads half a file.
        partial = self.folder / "monitor.txt.new"
        partial.write_text(text)
        partial.replace(self.folder / "monitor.txt")

    def state(self) -> dict:
        values = {}
        path = self.folder / "monitor.txt"
        for line in path.read_text().splitlines() if path.exists() else []:
            if "=" in line:
                key, value = line.split("=", 1)
                values[key] = value
        return values

    def calls(self, function=None) -> list:
        path = self.folder / "calls.log"
        calls = []
        for line in path.read_text().splitlines() if path.exists() else []:
            parts = line.split()
            if len(parts) < 6:
                continue
            call = {"since_load_ms": int(parts[0]), "epoch_ms": int(parts[1]), "function": parts[2],
                    "code": int(parts[3].split("=")[1], 16), "value": int(parts[4].split("=")[1]),
                    "result": int(parts[5].split("=")[1]),
                    "handle": int(parts[6].split("=")[1], 16) if len(parts) > 6 else None,
                    "display": parts[7].split("=")[1] if len(parts) > 7 else "DISPLAY1"}
            if function is None or call["function"] == function:
                calls.append(call)
        return calls

    def writes(self, code=None, display=None) -> list:
        return [c for c in self.calls("SetVCPFeature")
                if (code is None or c["code"] == code) and (display is None or c["display"] == display)]


class WmiStandIn:
    """The WMI stand-in's state folder, seen from Linux: a built-in panel with a list of levels, and the log of
    every WMI call the program made (see tests/wmi_standin/wmi_standin.cpp)."""

    def __init__(self, session: "WineSession", folder: Path, settings: str):
        self.folder = folder
        folder.mkdir(parents=True, exist_ok=True)
        self.session = session
        self.configure(settings)

    def configure(self, settings: str):
        """Replaces the panel's state, as Windows' own keys or a driver would change it."""
        partial = self.folder / "panel.txt.new"
        partial.write_text(settings)
        partial.replace(self.folder / "panel.txt")

    def state(self) -> dict:
        path = self.folder / "panel.txt"
        lines = path.read_text().splitlines() if path.exists() else []
        return dict(line.split("=", 1) for line in lines if "=" in line)

    def env(self) -> dict:
        """What a run needs to load the stand-in in place of Wine's WMI."""
        overrides = self.session.env.get("WINEDLLOVERRIDES", "")
        # Wine reports every display as external and no battery: the tests' build takes a laptop's battery
        # (a medium charge, flag 0) from the environment, so the program asks WMI.
        return {"WINEDLLOVERRIDES": (overrides + ";" if overrides else "") + "wbemprox=n",
                "WMI_STANDIN_DIR": wine_path(self.folder), "GLIMRA_TEST_BATTERY_FLAG": "0"}

    def calls(self, call=None) -> list:
        """The logged calls, each {"epoch_ms", "call", "result", and its details' key=value pairs}."""
        path = self.folder / "calls.log"
        found = []
        for line in path.read_text().splitlines() if path.exists() else []:
            parts = line.split(" ", 2)
            if len(parts) < 3:
                continue
            entry = {"epoch_ms": int(parts[0]), "call": parts[1], "line": line}
            entry.update(parse_pairs(parts[2]))
            if call is None or entry["call"] == call:
                found.append(entry)
        return found

    def level_sets(self) -> list:
        return [c for c in self.calls("ExecMethod") if c.get("method") == "WmiSetBrightness"]


class Glimra:
    """One run of the program."""

    def __init__(self, session: WineSession, monitor: SimulatedMonitor, name="glimra", env_extra=None):
        self.session = session
        self.monitor = monitor
        env = dict(session.env)
        env.update(env_extra or {})  # for example LC_ALL: Wine takes the system's language from it
        env["DXVA2_SIM_DIR"] = wine_path(monitor.folder)
        # Wine reports OutputDebugString on the first channel and a notification-area structure it does
        # not accept on the second.
        env["WINEDEBUG"] = "-all,warn+seh,warn+systray"
        self.trace_path = session.scratch / f"{name}-{time.monotonic_ns()}.trace"
        self.trace = open(self.trace_path, "wb")
        self.process = subprocess.Popen([session.wine, session.exe], env=env, stdout=subprocess.DEVNULL,
                                        stderr=self.trace, cwd=session.scratch)

    def wait_for_window(self, timeout=30):
        return poll(lambda: self.session.window().get("found") == 1 and self.session.window(), timeout=timeout,
                    message="the main window")

    def wait_for_exit(self, timeout=30) -> int:
        try:
            return self.process.wait(timeout=timeout)
        finally:
            self.trace.close()

    def running(self) -> bool:
        return self.process.poll() is None

    def debug_trace(self) -> list:
        """The program's own debug trace lines (OutputDebugString), in order."""
        if not self.trace.closed:
            self.trace.flush()
        lines = []
        for raw in self.trace_path.read_bytes().decode("utf-8", "replace").splitlines():
            start = raw.find(DEBUG_TRACE_PREFIX)
            if "OutputDebugString" in raw and start >= 0:
                lines.append(raw[start:].rstrip('"').replace("\\n", ""))
        return lines

    def systray_warnings(self) -> list:
        """Wine's complaints about the notification-area structures the program passed."""
        if not self.trace.closed:
            self.trace.flush()
        text = self.trace_path.read_bytes().decode("utf-8", "replace")
        return [line for line in text.splitlines() if "Invalid cbSize" in line]

    def kill(self):
        if self.running():
            self.session.run_wine(["taskkill", "/f", "/im", "Glimra.exe"], timeout=30)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        if not self.trace.closed:
            self.trace.close()
