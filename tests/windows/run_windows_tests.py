#!/usr/bin/env python3
"""Runs the cross-built GoogleTest runner under Wine with the simulated monitor installed.

Fixtures that live on the Linux side (a local HTTP server, scratch folders) are started here and
handed to the tests through environment variables, which Wine passes on to the Windows process.
"""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import fixtures  # noqa: E402


def unix_to_wine_path(path: Path) -> str:
    return "Z:" + str(path).replace("/", "\\")


def main() -> int:
    build_dir = Path(sys.argv[1]).resolve()
    extra_args = sys.argv[2:]
    wine = os.environ["GLIMRA_WINE"]
    prefix = Path(os.environ["WINEPREFIX"])
    runner = build_dir / "tests" / "windows" / "glimra_windows_tests.exe"
    simulator = build_dir / "tests" / "simulator" / "dxva2.dll"

    system32 = prefix / "drive_c" / "windows" / "system32"
    shutil.copyfile(simulator, system32 / "dxva2.dll")

    env = dict(os.environ)
    scratch = Path(tempfile.mkdtemp(prefix="glimra-wintests-"))
    env["GLIMRA_TEST_SCRATCH"] = unix_to_wine_path(scratch)
    env["GLIMRA_SIMULATOR_DLL"] = unix_to_wine_path(simulator)
    # The language files as they ship, for the test that every character has a glyph.
    env["GLIMRA_SHIPPED_DATA"] = unix_to_wine_path(Path(__file__).resolve().parents[2] / "data")
    try:
        with fixtures.started(env, scratch):
            result = subprocess.run([wine, str(runner), "--gtest_color=no", *extra_args], env=env,
                                    timeout=900)
            returncode = result.returncode
            if not extra_args:
                # Wine draws Chinese and Japanese text only on a system of that language: the shipped
                # files in those scripts are checked once more on such systems.
                for locale in ("zh_CN.UTF-8", "ja_JP.UTF-8"):
                    system = dict(env, LC_ALL=locale, LANG=locale)
                    again = subprocess.run([wine, str(runner), "--gtest_color=no", "--gtest_filter=ShippedTexts.*"],
                                           env=system, timeout=300)
                    returncode = returncode or again.returncode
        return returncode
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
