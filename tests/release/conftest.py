"""Checks of the release build and its packages (tools/package.sh makes them)."""
from pathlib import Path

import pytest


def pytest_addoption(parser):
    parser.addoption("--release-dir", default="build/release", help="the release build folder")


@pytest.fixture(scope="session")
def release_dir(request):
    folder = Path(request.config.getoption("--release-dir")).resolve()
    if not (folder / "Glimra.exe").is_file():
        pytest.fail(f"no release build in {folder}: tools/package.sh makes one")
    return folder
