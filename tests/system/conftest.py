"""System tests: the real Glimra.exe under Wine in Xvfb, driven as a person would."""
from pathlib import Path

import pytest

from harness import TWO_SCREENS, Display, Glimra, SimulatedMonitor, WineSession
from person import Person
from web_host import WebHost

ARTIFACTS = Path(__file__).resolve().parent / "artifacts"


def pytest_addoption(parser):
    parser.addoption("--build-dir", default="build/windows", help="the Windows build folder")
    parser.addoption("--release-dir", default=None,
                     help="the release build folder with its packages (default build/release, skipped when absent)")


@pytest.fixture(scope="session")
def build_dir(request):
    return Path(request.config.getoption("--build-dir")).resolve()


@pytest.fixture(scope="session")
def release_dir(request):
    given = request.config.getoption("--release-dir")
    folder = Path(given or "build/release").resolve()
    if not (folder / "packages").is_dir():
        if given:
            pytest.fail(f"no packages in {folder}: build them with tools/package.sh")
        pytest.skip("no release build: tools/package.sh makes one")
    return folder


@pytest.fixture(scope="session")
def display():
    shown = Display()
    yield shown
    shown.close()


@pytest.fixture(scope="session")
def wine(build_dir, display):
    session = WineSession(build_dir, display)
    yield session
    session.close()


@pytest.fixture
def person(display):
    return Person(display.name)


@pytest.fixture
def monitor(wine, tmp_path):
    return SimulatedMonitor(tmp_path / "monitor", "brightness=70\ncontrast=60\n")


@pytest.fixture
def fresh_user(wine):
    """Each test starts as a user who never ran the program: no data folder, no autostart value."""
    wine.reset_user_state()
    return wine


@pytest.fixture
def start_glimra(fresh_user, monitor):
    runs = []

    def start(**kwargs):
        run = Glimra(fresh_user, monitor, **kwargs)
        runs.append(run)
        return run

    yield start
    for run in runs:
        run.kill()


@pytest.fixture(scope="session")
def artifacts():
    ARTIFACTS.mkdir(exist_ok=True)
    return ARTIFACTS


@pytest.fixture
def web_host():
    """The maker's web host on the tests' port; requests are recorded."""
    host = WebHost().start()
    yield host
    host.stop()


@pytest.fixture(scope="session")
def two_displays(build_dir):
    """Opt-in bench with two displays: its own Xvfb with two Xinerama screens and its own Wine prefix without
    a Wine desktop (a Wine desktop always reports one monitor), so the one-display tests never see it."""
    shown = Display(screens=TWO_SCREENS)
    try:
        session = WineSession(build_dir, shown, prefix=build_dir / "wineprefix-two-displays", desktop=False)
    except BaseException:
        shown.close()
        raise
    yield session
    session.close()
    shown.close()


@pytest.fixture
def start_glimra_on_two_displays(two_displays):
    """Starts the program on the two-display bench as a user who never ran it; each run ends with the test."""
    two_displays.reset_user_state()
    runs = []

    def start(monitor, **kwargs):
        run = Glimra(two_displays, monitor, **kwargs)
        runs.append(run)
        return run

    yield start
    for run in runs:
        run.kill()
