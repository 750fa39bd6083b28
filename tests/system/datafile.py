"""Reads and writes "DataProfiles.dat" from the tests' side, by its byte layout."""
import struct

SETTINGS_SIZE = 4455
RECORD_SIZE = 569
NAME_SIZE = 80


def build(start_count=1, current_id=255, positions=(50, 50, 50), no_blocking=0, auto_start=1,
          language="") -> bytes:
    settings = bytearray(SETTINGS_SIZE)
    language_bytes = language.encode("utf-16-le")
    settings[109:109 + len(language_bytes)] = language_bytes
    struct.pack_into("<i", settings, 0, 0)
    struct.pack_into("<i", settings, 12, current_id)
    struct.pack_into("<i", settings, 20, start_count)
    struct.pack_into("<i", settings, 24, no_blocking)
    settings[102] = auto_start
    name = "Default".encode("utf-16-le")
    names = bytearray(NAME_SIZE)
    names[:len(name)] = name
    record = bytearray(RECORD_SIZE)
    struct.pack_into("<i", record, 1, 255)
    struct.pack_into("<iii", record, 101, *positions)
    record[185:185 + len(name)] = name
    return bytes(settings) + struct.pack("<i", 255) + bytes(names) + bytes(record)


def parse(data: bytes) -> dict:
    upper = struct.unpack_from("<i", data, 0)[0]
    result = {
        "size": len(data),
        "profileUpperIndex": upper,
        "currentProfileId": struct.unpack_from("<i", data, 12)[0],
        "startCount": struct.unpack_from("<i", data, 20)[0],
        "noBlockingMode": struct.unpack_from("<i", data, 24)[0],
        "autoStartFlag": data[102],
        "languageFileName": data[109:109 + 64].decode("utf-16-le").split("\0")[0],
    }
    if upper >= 0 and len(data) >= SETTINGS_SIZE + (4 + NAME_SIZE + RECORD_SIZE) * (upper + 1):
        ids_at = SETTINGS_SIZE
        names_at = ids_at + 4 * (upper + 1)
        records_at = names_at + NAME_SIZE * (upper + 1)
        result["id"] = struct.unpack_from("<i", data, ids_at)[0]
        result["name"] = data[names_at:names_at + NAME_SIZE].decode("utf-16-le").split("\0")[0]
        result["positions"] = struct.unpack_from("<iii", data, records_at + 101)
        result["recordName"] = data[records_at + 185:records_at + 249].decode("utf-16-le").split("\0")[0]
    return result
