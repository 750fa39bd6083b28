"""What a Windows user downloads, in a fresh Wine prefix: the installer (install, upgrade over the running
program, uninstall) and the portable zip unpacked into a folder whose path has spaces."""
import re
import struct
import subprocess
import zipfile
from pathlib import Path

import pytest

import datafile
import menu
from harness import Display, Glimra, SimulatedMonitor, WineSession, poll, wine_path
from person import Person

REPO = Path(__file__).resolve().parents[2]
UNINSTALL_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Glimra"
START_COUNT_OFFSET = 20
# The one profile's three slider positions: after the settings, its id and its name.
POSITIONS_OFFSET = datafile.SETTINGS_SIZE + 4 + datafile.NAME_SIZE + 101


def project_version() -> str:
    return re.search(r"project\(Glimra VERSION ([0-9.]+)", (REPO / "CMakeLists.txt").read_text()).group(1)


def package(release_dir: Path, suffix: str) -> Path:
    path = release_dir / "packages" / f"Glimra-{project_version()}-win64{suffix}"
    assert path.is_file(), f"{path.name} is named after the project's version"
    return path


def files_under(folder: Path) -> set:
    # An uninstaller may remove a sub-folder while it is being listed; that listing counts as "files remain",
    # so a poll simply looks again.
    try:
        return {str(p.relative_to(folder)) for p in folder.rglob("*") if p.is_file()} if folder.exists() else set()
    except FileNotFoundError:
        return {"(a folder went away while it was listed)"}


def shipped_language_items(program_folder: Path) -> set:
    """The Options list's item for each shipped language file: its name, author and version."""
    items = set()
    for path in (program_folder / "Langs").iterdir():
        if path.suffix.lower() != ".lng":
            continue
        blocks = path.read_bytes().decode("utf-16").split("[FILE]")
        fields = dict(line.strip().split("=", 1) for line in blocks[1].splitlines() if "=" in line)
        if fields.get("NAME"):
            items.add(f"{fields['NAME']}, {fields.get('AUTHOR', '')}, v{fields.get('VERSIONID', '')}")
    return items


def windows_path(session: WineSession, path: Path) -> str:
    return "C:\\" + str(path.relative_to(session.prefix / "drive_c")).replace("/", "\\")


def registry_values(session: WineSession, key: str) -> dict:
    values = {}
    for line in session.run_wine(["reg", "query", key]).stdout.decode("utf-8", "replace").splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) == 3 else ""
    return values


def autostart_target(session: WineSession) -> str:
    return session.autostart_value().strip('"').lower()


@pytest.fixture(scope="module")
def own_display():
    # A display of its own: the other system tests' desktop may still be open on the shared one.
    shown = Display(private=True)
    yield shown
    shown.close()


@pytest.fixture(scope="module")
def fresh_prefix(build_dir, release_dir, own_display):
    session = WineSession(build_dir, own_display, prefix=release_dir / "wineprefix-packages", fresh=True,
                          program=False)
    yield session
    session.run_wine(["taskkill", "/f", "/im", "Glimra.exe"], timeout=30)
    session.close()


@pytest.fixture
def user(own_display):
    return Person(own_display.name)


@pytest.fixture
def monitor(fresh_prefix, tmp_path):
    return SimulatedMonitor(tmp_path / "monitor", "brightness=70\ncontrast=60\n")


def run_silently(session: WineSession, program: str, monitor: SimulatedMonitor) -> int:
    env = dict(session.env)
    env["DXVA2_SIM_DIR"] = wine_path(monitor.folder)  # for the copy a silent upgrade starts again
    # No pipes: the program an upgrade starts again, and the uninstaller's copy of itself, would hold them.
    return subprocess.run([session.wine, program, "/S"], env=env, timeout=180, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode


def check_runs_from(session: WineSession, user: Person, monitor, folder: Path, shipped: set) -> Glimra:
    """Starts the program in folder and uses it as a person would: tray icon, Options, help."""
    session.exe = windows_path(session, folder / "Glimra.exe")
    run = Glimra(session, monitor)
    run.wait_for_window()
    user.click_tray_icon("left")
    poll(lambda: session.window().get("visible") == 1, message="the window shown from the tray icon")
    user.click(100, 100)
    poll(lambda: session.window().get("visible") == 0, message="the window hidden")

    menu.choose(session, user, "Settings")
    listing = poll(lambda: (lambda lines: lines if lines and lines[0].startswith("found=1") else None)(
        session.probe("languages").splitlines()), message="the Options dialog's language list")
    assert set(listing[1:]) == shipped and len(listing) - 1 == len(shipped)
    user.key("Escape")
    poll(lambda: session.probe("languages").startswith("found=0"), message="the Options dialog closed")

    menu.choose(session, user, "Help")
    opened = poll(lambda: session.browser_log(), timeout=15, message="the help file opened")
    help_file = opened[0].lower()
    assert help_file.startswith(windows_path(session, folder / "Help").lower() + "\\")
    assert help_file.rsplit("\\", 1)[1] in {name.lower() for name in files_under(folder / "Help")}
    return run


def end_by_middle_click(user: Person, run: Glimra):
    user.click_tray_icon("middle")
    assert run.wait_for_exit(timeout=30) == 0


def test_the_installer_installs_upgrades_over_the_running_program_and_uninstalls(
        fresh_prefix, release_dir, user, monitor):
    session = fresh_prefix
    setup = package(release_dir, "-setup.exe")
    with zipfile.ZipFile(package(release_dir, ".zip")) as archive:
        shipped_files = {name.split("/", 1)[1] for name in archive.namelist() if not name.endswith("/")}
    installed = session.user_dir / "AppData" / "Local" / "Programs" / "Glimra"
    shortcut = session.user_dir / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs" / \
        "Glimra.lnk"
    data_file = session.data_folder / "DataProfiles.dat"

    # Install: the program folder as the zip has it, the uninstaller, the shortcut, the entry.
    assert run_silently(session, wine_path(setup), monitor) == 0
    assert files_under(installed) == shipped_files | {"Uninstall.exe"}
    assert (installed / "Glimra.exe").read_bytes() == (release_dir / "Glimra.exe").read_bytes()
    target = windows_path(session, installed / "Glimra.exe")
    assert target.lower().encode("utf-16-le") in shortcut.read_bytes().lower() or \
        target.lower().encode() in shortcut.read_bytes().lower(), "the shortcut starts the installed program"
    entry = registry_values(session, UNINSTALL_KEY)
    uninstaller = windows_path(session, installed / "Uninstall.exe")
    assert entry["DisplayName"] == "Glimra"
    assert entry["DisplayVersion"] == project_version()
    assert entry["Publisher"] == "Glimra authors"
    assert entry["DisplayIcon"].lower() == target.lower() + ",0"
    assert entry["UninstallString"].lower() == f'"{uninstaller}"'.lower()
    assert entry["QuietUninstallString"].lower() == f'"{uninstaller}" /s'.lower()
    assert entry["NoModify"] == "0x1" and entry["NoRepair"] == "0x1"
    size_kib = sum(p.stat().st_size for p in installed.rglob("*") if p.is_file()) // 1024
    assert abs(int(entry["EstimatedSize"], 16) - size_kib) <= len(shipped_files) + 1

    # The installed program runs as a user runs it; its first start registers autostart.
    shipped = shipped_language_items(release_dir)
    assert shipped, "at least one language ships"
    run = check_runs_from(session, user, monitor, installed, shipped)
    end_by_middle_click(user, run)
    assert autostart_target(session) == target.lower()
    first_save = data_file.read_bytes()
    assert datafile.parse(first_save)["startCount"] == 1

    # Upgrade over the running program: it is ended as by its own Exit, so it saves what it had (its
    # second start counted) and nothing else touches the file; autostart stays; it runs again afterwards.
    running = Glimra(session, monitor)
    sliders = running.wait_for_window()
    assert run_silently(session, wine_path(setup), monitor) == 0
    assert running.wait_for_exit(timeout=30) == 0, "the running copy ended cleanly, not killed"
    expected = bytearray(first_save)
    struct.pack_into("<i", expected, START_COUNT_OFFSET, 2)
    struct.pack_into("<iii", expected, POSITIONS_OFFSET, sliders["brightness"], sliders["contrast"], sliders["video"])
    assert data_file.read_bytes() == bytes(expected)
    assert autostart_target(session) == target.lower()
    poll(lambda: session.window().get("found") == 1, timeout=30, message="the upgraded program started again")

    # Uninstall while that copy runs. The uninstaller copies itself away and returns at once, so the
    # test waits for what it removes.
    quiet = registry_values(session, UNINSTALL_KEY)["QuietUninstallString"]
    program, argument = re.fullmatch(r'"([^"]+)" (/S)', quiet).groups()
    assert argument == "/S"
    assert run_silently(session, program, monitor) == 0
    poll(lambda: not files_under(installed), timeout=60, message="the program's files removed")
    poll(lambda: not registry_values(session, UNINSTALL_KEY), timeout=30, message="the uninstall entry removed")
    assert not installed.exists()
    assert not shortcut.exists()
    assert session.autostart_value() == ""
    assert session.window().get("found") == 0, "the running copy was ended"
    assert data_file.is_file(), "the user's data folder stays"


def test_the_zip_runs_from_wherever_it_is_unpacked(fresh_prefix, release_dir, user, monitor):
    session = fresh_prefix
    session.run_wine(["taskkill", "/f", "/im", "Glimra.exe"], timeout=30)
    session.reset_user_state()
    unpacked = session.prefix / "drive_c" / "Portable tools" / "Glimra from the zip"
    with zipfile.ZipFile(package(release_dir, ".zip")) as archive:
        archive.extractall(unpacked)
        top = {name.split("/", 1)[0] for name in archive.namelist()}
    assert top == {f"Glimra-{project_version()}-win64"}, "one folder, named like the zip"
    folder = unpacked / top.pop()
    run = check_runs_from(session, user, monitor, folder, shipped_language_items(folder))
    assert autostart_target(session) == windows_path(session, folder / "Glimra.exe").lower()
    end_by_middle_click(user, run)
    assert datafile.parse((session.data_folder / "DataProfiles.dat").read_bytes())["startCount"] == 1
