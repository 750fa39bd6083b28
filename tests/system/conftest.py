"""System tests: the real Glimra.exe under Wine in Xvfb, driven as a person would."""
import pytest


def pytest_addoption(parser):
    parser.addoption("--build-dir", default="build/windows", help="the Windows build folder")


@pytest.fixture(scope="session")
def build_dir(request):
    from pathlib import Path
    return Path(request.config.getoption("--build-dir")).resolve()
