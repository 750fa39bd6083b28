#!/usr/bin/env python3
"""Writes the language files shipped beside Glimra.exe: UTF-16 LE with a byte-order mark, CR LF lines.

Each section opens and closes with its header line; keys are spelled exactly as the program looks them
up (note "Сancel", whose first letter is the Cyrillic Es). Run: tools/make_language_files.py data/Langs
"""
import sys
from pathlib import Path

LANGUAGES = {
    "English.lng": {
        "FILE": {"AUTHOR": "Glimra team", "NAME": "English", "VERSIONID": "1.3", "PICTURE": "english.bmp"},
        "[MAINDLG]": [
            ("MonitorBrightnes", "Monitor brightness"),
            ("ContrastMonitor", "Monitor contrast"),
            ("VideoBrightnes", "Video brightness"),
            ("ResetSettings", "Reset settings"),
            ("Menu", "Menu"),
            ("ResetSettingsTT", "Reset brightness and contrast to factory settings"),
        ],
        "[MAINMENU]": [
            ("AboutProgram", "About"),
            ("Help", "Help"),
            ("CheckUpdate", "Check for updates"),
            ("ProgramWebsite", "Visit the program's website"),
            ("ProjectAssistance", "Support the project"),
            ("ProgramSetting", "Settings"),
            ("\u0421ancel", "Cancel"),
            ("Exit", "Exit"),
        ],
        "[ABOUTDLG]": [
            ("AboutProgram", "About"),
            ("DescPrg", "Adjusts the brightness and contrast of the monitor"),
            ("DescDonate", "Support the project"),
        ],
        "[OPTDLG]": [
            ("ProgramSetting", "Settings"),
            ("ChooseLanguage", "Choose language"),
            ("RunWithSystem", "Start with Windows"),
            ("CheckNoBlocingM", "Do not block monitor control. Save and restore values. Ignore errors reading "
                                "data from the monitor (recommended for some problem monitors)"),
            ("Apply", "Apply"),
            ("RestartProgram", "The program must be restarted for the changes to take effect. %s Restart now?"),
        ],
        "[UPDATA]": [
            ("CheckUpdates", "Update check"),
            ("UpdateCheckAborted", "%sThe update check was aborted!%sMake sure the internet connection is active."
                                   "%sMake sure no firewall blocks the program."),
            ("NoFataFound", "No data found"),
            ("ProgramNotUpdated", "The program is up to date"),
            ("GoProgramWebsite", "Go to the program's website?"),
        ],
        "[MESDATA]": [
            ("OneCopyRunning", "One copy of the program is already running!"),
            ("ErStartWithWin", "Cannot create the registry key for starting with Windows"),
            ("ErStartWithWinsAdd", "Cannot apply - you may lack the rights to set this option"),
            ("WantHelpProject", "Would you like to support the project? %s Click this message!"),
            ("DescDonateMess", "Support the %s project"),
            ("ImprovedVersion", "An improved version of the program exists. %s Click this message to learn more!"),
            ("PersonalVersion", "%s improved version"),
            ("CheckUpdateNow", "%s has not been updated for a long time. Check for updates now?"),
        ],
    },
}


def render(language: dict) -> str:
    lines = ["[FILE]"]
    lines += [f"{key}={value}" for key, value in language["FILE"].items()]
    lines += ["[FILE]", ""]
    for section, entries in language.items():
        if section == "FILE":
            continue
        lines.append(section)
        lines += [f"{key}={value}" for key, value in entries]
        lines += [section, ""]
    return "\r\n".join(lines)


def write_english_picture(path: Path) -> None:
    """A 20 x 15 "EN" badge for the language list, 24-bit BMP."""
    from PIL import Image, ImageDraw

    picture = Image.new("RGB", (20, 15), (1, 33, 105))
    draw = ImageDraw.Draw(picture)
    draw.rectangle((0, 0, 19, 14), outline=(200, 16, 46))
    # E
    draw.rectangle((3, 3, 4, 11), fill=(255, 255, 255))
    for top in (3, 7, 10):
        draw.rectangle((5, top, 8, top + 1), fill=(255, 255, 255))
    # N
    draw.rectangle((11, 3, 12, 11), fill=(255, 255, 255))
    draw.rectangle((16, 3, 17, 11), fill=(255, 255, 255))
    for step in range(4):
        draw.rectangle((12 + step, 4 + 2 * step, 13 + step, 5 + 2 * step), fill=(255, 255, 255))
    picture.save(path, format="BMP")


def main() -> int:
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "data/Langs")
    folder.mkdir(parents=True, exist_ok=True)
    for name, language in LANGUAGES.items():
        (folder / name).write_bytes("\ufeff".encode("utf-16-le") + render(language).encode("utf-16-le"))
    write_english_picture(folder / "english.bmp")
    return 0


if __name__ == "__main__":
    sys.exit(main())
