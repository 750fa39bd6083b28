#!/usr/bin/env python3
"""Writes everything that makes Glimra speak a language, from one source:

  data/Langs/<Language>.lng   the texts: UTF-16 LE with a byte-order mark, CR LF lines
  data/Langs/<language>.bmp   the 20 x 15 picture of the language list, a badge with the language's code
  data/Help/<language>.rtf    the help file opened from the menu (the .lng file's name in lower case)

The keys, their sections and the built-in Russian defaults are read from src/i18n/text_keys.h, so a key
added there stops this script until every language in tools/languages/ translates it. Russian.lng is the
built-in defaults themselves. Each .lng file is named as GetLocaleInfo(LOCALE_SENGLANGUAGE) names the
language, so a first start on such a system picks it.

    /usr/bin/python3 tools/make_language_files.py          # rewrite data/Langs and data/Help
    /usr/bin/python3 tools/make_language_files.py --check  # fail when the shipped files differ
"""
import importlib
import re
import struct
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(Path(__file__).resolve().parent))

# Module names in tools/languages/, in the order the files are written.
LANGUAGES = ["english", "russian", "ukrainian", "german", "french", "spanish", "italian", "portuguese",
             "polish", "turkish", "chinese", "japanese"]

VALUE_LENGTH = 207          # keys and values are cut to this many characters when read
FILE_FIELD_LENGTHS = {"AUTHOR": 31, "NAME": 31, "VERSIONID": 7, "PICTURE": 31}
FILE_NAME_LENGTH = 31       # the settings store at most this many characters of the file name
AUTHOR = "Glimra team"
VERSION_ID = "1.3"
CANCEL_KEY = "\u0421ancel"  # the key begins with the Cyrillic capital Es


# ---- the table of keys --------------------------------------------------------------------------------

_ESCAPES = {"r": "\r", "n": "\n", "t": "\t", "\\": "\\", '"': '"'}


def _unescape(literal: str) -> str:
    def replace(match):
        text = match.group(1)
        if text[0] == "u":
            return chr(int(text[1:], 16))
        return _ESCAPES[text]

    return re.sub(r"\\(u[0-9A-Fa-f]{4}|.)", replace, literal)


def read_text_keys(header: Path = ROOT / "src/i18n/text_keys.h"):
    """[(section, key, default)] in the order of the header's declarations."""
    source = header.read_text(encoding="utf-8")
    source = re.sub(r"//[^\n]*", "", source)
    keys = []
    for body in re.findall(r"inline constexpr TextKey k\w+\s*\{(.*?)\};", source, re.S):
        literals = re.findall(r'(u"(?:[^"\\]|\\.)*"|,)', body)
        fields, current = [], ""
        for item in literals:
            if item == ",":
                fields.append(current)
                current = ""
            else:
                current += _unescape(item[2:-1])
        fields.append(current)
        if len(fields) != 3:
            raise SystemExit(f"cannot read a text key from: {body.strip()[:60]}")
        keys.append(tuple(fields))
    if not keys:
        raise SystemExit(f"no text keys in {header}")
    return keys


def insert_count(default: str) -> int:
    """Where a file writes "%s": the default's own inserts, and its line breaks (a file line cannot hold one)."""
    return default.count("%s") + default.count("\r\n")


def text_in_file(default: str) -> str:
    return default.replace("\r\n", "%s")


# ---- one language -------------------------------------------------------------------------------------

class Language:
    def __init__(self, module_name: str, keys):
        module = importlib.import_module(f"languages.{module_name}")
        self.file_name = module.FILE_NAME          # as the system's English language name gives it
        self.native_name = module.NATIVE_NAME
        self.code = module.CODE
        self.colours = module.BADGE_COLOURS
        self.picture = module_name + ".bmp"
        # The program opens Help\<file name without ".lng">.RTF; Windows ignores the case of file names.
        self.help_name = self.file_name[: -len(".lng")].lower() + ".rtf"
        self.rtf_font = getattr(module, "RTF_FONT", ("Tahoma", 0))
        self.help = module.HELP
        if module_name == "russian":
            self.texts = {(section, key): text_in_file(default) for section, key, default in keys}
        else:
            self.texts = {}
            for section, key, _ in keys:
                plain = "Cancel" if key == CANCEL_KEY else key
                value = module.TEXTS.get(f"{section}{plain}", module.TEXTS.get(plain))
                if value is None:
                    raise SystemExit(f"{module_name}: no text for {section} {plain}")
                self.texts[(section, key)] = value
        self.check(keys)

    def text(self, key: str) -> str:
        for (section, name), value in self.texts.items():
            if name == key or (key == "Cancel" and name == CANCEL_KEY):
                return value
        raise SystemExit(f"{self.file_name}: no key {key}")

    def check(self, keys):
        problems = []
        if len(self.file_name) > FILE_NAME_LENGTH or not self.file_name.endswith(".lng"):
            problems.append(f"file name {self.file_name!r}")
        for field, value in self.file_block().items():
            if not value or len(value) > FILE_FIELD_LENGTHS[field]:
                problems.append(f"[FILE] {field}={value!r}")
        for section, key, default in keys:
            value = self.texts[(section, key)]
            if not value.strip() or value != value.strip(" ") or len(value) > VALUE_LENGTH:
                problems.append(f"{key}: empty, padded or longer than {VALUE_LENGTH}")
            if value.count("%s") != insert_count(default):
                problems.append(f"{key}: {value.count('%s')} inserts, the default has {insert_count(default)}")
            if any(c in value for c in "\r\n\t"):
                problems.append(f"{key}: holds a line break or TAB")
        if problems:
            raise SystemExit(f"{self.file_name}: " + "; ".join(problems))

    def file_block(self) -> dict:
        return {"AUTHOR": AUTHOR, "NAME": self.native_name, "VERSIONID": VERSION_ID, "PICTURE": self.picture}

    def language_file(self, keys) -> bytes:
        lines = ["[FILE]"] + [f"{field}={value}" for field, value in self.file_block().items()] + ["[FILE]", ""]
        sections = list(dict.fromkeys(section for section, _, _ in keys))
        for section in sections:
            lines.append(section)
            lines += [f"{key}={self.texts[(s, key)]}" for s, key, _ in keys if s == section]
            lines += [section, ""]
        return "\ufeff".encode("utf-16-le") + "\r\n".join(lines).encode("utf-16-le")


# ---- the picture --------------------------------------------------------------------------------------

# A 3 x 5 pixel font for the language codes, one string of rows per letter.
LETTERS = {
    "A": ["010", "101", "111", "101", "101"], "D": ["110", "101", "101", "101", "110"],
    "E": ["111", "100", "110", "100", "111"], "F": ["111", "100", "110", "100", "100"],
    "H": ["101", "101", "111", "101", "101"], "I": ["111", "010", "010", "010", "111"],
    "J": ["001", "001", "001", "101", "010"], "K": ["101", "101", "110", "101", "101"],
    "L": ["100", "100", "100", "100", "111"], "N": ["110", "101", "101", "101", "101"],
    "P": ["110", "101", "110", "100", "100"], "R": ["110", "101", "110", "101", "101"],
    "S": ["011", "100", "010", "001", "110"], "T": ["111", "010", "010", "010", "010"],
    "U": ["101", "101", "101", "101", "111"], "Z": ["111", "001", "010", "100", "111"],
}
PICTURE_WIDTH, PICTURE_HEIGHT = 20, 15


def badge_pixels(code: str, colours) -> list:
    """Rows of (r, g, b), top row first: a frame, a filled badge and the code in letters two pixels wide."""
    background, frame, ink = colours
    rows = [[frame] * PICTURE_WIDTH for _ in range(PICTURE_HEIGHT)]
    for y in range(1, PICTURE_HEIGHT - 1):
        for x in range(1, PICTURE_WIDTH - 1):
            rows[y][x] = background
    top = 2
    letter_width = 6  # each pixel of the font is 2 x 2
    left = (PICTURE_WIDTH - (2 * letter_width + 2)) // 2
    for index, letter in enumerate(code):
        origin = left + index * (letter_width + 2)
        for row, bits in enumerate(LETTERS[letter]):
            for column, bit in enumerate(bits):
                if bit == "1":
                    for dy in range(2):
                        for dx in range(2):
                            rows[top + 2 * row + dy][origin + 2 * column + dx] = ink
    return rows


def bitmap_file(rows) -> bytes:
    """A 24-bit bottom-up BMP, as LoadImage reads it from a file."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


# ---- the help file ------------------------------------------------------------------------------------

def rtf_text(text: str) -> str:
    """Plain text as RTF: the three special characters escaped, everything beyond ASCII as \\uN? (signed 16-bit
    code units, so a character beyond the BMP becomes its surrogate pair)."""
    out = []
    for char in text:
        code = ord(char)
        if char in "\\{}":
            out.append("\\" + char)
        elif 0x20 <= code < 0x7F:
            out.append(char)
        else:
            units = [code] if code < 0x10000 else [0xD800 + ((code - 0x10000) >> 10), 0xDC00 + (code & 0x3FF)]
            out += [f"\\u{unit - 0x10000 if unit > 0x7FFF else unit}?" for unit in units]
    return "".join(out)


def help_file(language: "Language") -> bytes:
    face, charset = language.rtf_font
    parts = [
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1",
        f"{{\\fonttbl{{\\f0\\fswiss\\fcharset{charset} {face};}}}}",
        "{\\colortbl;\\red40\\green60\\blue110;}",
        "\\viewkind4\\pard\\sa120\\f0\\fs20",
    ]

    def expand(text: str) -> str:
        return re.sub(r"\{(\w+)\}", lambda m: SHARED_HELP_WORDS.get(m.group(1)) or language.text(m.group(1)),
                      text)

    for kind, text in language.help:
        text = rtf_text(expand(text))
        if kind == "title":
            parts.append(f"{{\\b\\fs32\\cf1 {text}}}\\par")
        elif kind == "h":
            parts.append(f"\\pard\\sb200\\sa80{{\\b\\fs24\\cf1 {text}}}\\par\\pard\\sa120")
        elif kind == "p":
            parts.append(f"{text}\\par")
        elif kind == "li":
            parts.append(f"\\pard\\fi-240\\li480\\sa60\\u8226?\\tab {text}\\par\\pard\\sa120")
        else:
            raise SystemExit(f"{language.file_name}: unknown help part {kind}")
    parts.append("}")
    return ("\r\n".join(parts) + "\r\n").encode("ascii")


SHARED_HELP_WORDS = {
    "SettingsFile": "%APPDATA%\\Glimra\\Glimra v1.3.1.2\\DataProfiles.dat",
    "RunKey": "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
}


# ---- writing ------------------------------------------------------------------------------------------

def build(keys) -> dict:
    """{relative path: bytes} of every file this script makes."""
    files = {}
    for module_name in LANGUAGES:
        language = Language(module_name, keys)
        files[f"Langs/{language.file_name}"] = language.language_file(keys)
        files[f"Langs/{language.picture}"] = bitmap_file(badge_pixels(language.code, language.colours))
        files[f"Help/{language.help_name}"] = help_file(language)
    return files


def main() -> int:
    check = "--check" in sys.argv[1:]
    data = ROOT / "data"
    files = build(read_text_keys())
    stale = []
    for relative, content in files.items():
        path = data / relative
        if check:
            if not path.exists() or path.read_bytes() != content:
                stale.append(relative)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(content)
    if stale:
        print("out of date (run tools/make_language_files.py): " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
