#!/usr/bin/env python3
"""Runs the cross-built GoogleTest runner under Wine with the simulated monitor and the WMI stand-in installed.

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
    wmi_standin = build_dir / "tests" / "wmi_standin" / "wbemprox.dll"

    system32 = prefix / "drive_c" / "windows" / "system32"
    shutil.copyfile(simulator, system32 / "dxva2.dll")
    # Where the WMI locator's class is registered. Wine's WMI is built-in first, so this copy is loaded
    # only by a process started with wbemprox=n.
    shutil.copyfile(wmi_standin, system32 / "wbem" / "wbemprox.dll")

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
            # The built-in panel's tests once more with the WMI stand-in in place of Wine's WMI, which
            # has no root\wmi: all of them when no tests were chosen, else only when the choice names them.
            if not extra_args or any("PanelBacklight" in arg for arg in extra_args):
                standin_args = extra_args or ["--gtest_filter=PanelBacklight*"]
                overrides = env.get("WINEDLLOVERRIDES", "")
                with_standin = dict(env, GLIMRA_WMI_STANDIN="1",
                                    WINEDLLOVERRIDES=(overrides + ";" if overrides else "") + "wbemprox=n")
                again = subprocess.run([wine, str(runner), "--gtest_color=no", *standin_args],
                                       env=with_standin, timeout=300)
                returncode = returncode or again.returncode
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
