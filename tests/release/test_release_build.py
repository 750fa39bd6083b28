"""The release build: what ships carries no debug information, imports only system DLLs, holds exactly the
program folder, and two builds of the same sources in different folders give the same bytes."""
import re
import shutil
import subprocess
import zipfile
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
OBJDUMP = "x86_64-w64-mingw32-objdump"


def objdump(*args) -> str:
    return subprocess.run([OBJDUMP, *args], check=True, capture_output=True, text=True).stdout


def project_version() -> str:
    return re.search(r"project\(Glimra VERSION ([0-9.]+)", (REPO / "CMakeLists.txt").read_text()).group(1)


def section_names(path: Path) -> list:
    return re.findall(r"^\s*\d+\s+(\S+)", objdump("-h", str(path)), re.M)


def test_the_shipped_program_keeps_its_debug_information_in_a_file_beside_the_packages(release_dir):
    exe = release_dir / "Glimra.exe"
    assert not [name for name in section_names(exe) if name.startswith(".debug")]
    assert "HAS_SYMS" not in objdump("-f", str(exe)), "no symbol table either"
    headers = objdump("-p", str(exe))
    assert re.search(r"^Time/Date\s+Thu Jan  1 00:00:00 1970$", headers, re.M), "no time stamp"
    imports = subprocess.run([REPO / "tools" / "check-imports.sh"], input=headers, text=True)
    assert imports.returncode == 0, "imports only Windows system DLLs"

    debug_name = f"Glimra-{project_version()}-win64.debug"
    size, offset = re.search(r"\.gnu_debuglink\s+([0-9a-f]+)\s+\S+\s+\S+\s+([0-9a-f]+)",
                             objdump("-h", str(exe))).groups()
    link = exe.read_bytes()[int(offset, 16):int(offset, 16) + int(size, 16)]
    assert link.split(b"\0", 1)[0].decode() == debug_name, "the program names its debug file"
    debug_file = release_dir / "packages" / debug_name
    assert ".debug_info" in section_names(debug_file)


def test_the_zip_holds_exactly_the_program_folder(release_dir):
    expected = {"Glimra.exe", "AppRestart.vbs"}
    for source, shipped in (("data/Langs", "Langs"), ("data/Help", "Help"), ("licenses", "licenses")):
        expected |= {f"{shipped}/{p.name}" for p in (REPO / source).iterdir() if p.is_file()}
    top = f"Glimra-{project_version()}-win64/"
    with zipfile.ZipFile(release_dir / "packages" / f"Glimra-{project_version()}-win64.zip") as archive:
        names = [name for name in archive.namelist() if not name.endswith("/")]
        assert all(name.startswith(top) for name in names), "one folder named like the zip"
        assert {name[len(top):] for name in names} == expected
        assert archive.read(top + "Glimra.exe") == (release_dir / "Glimra.exe").read_bytes()
        assert archive.read(top + "Langs/English.lng") == (REPO / "data/Langs/English.lng").read_bytes()


def copy_sources(destination: Path):
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=REPO, check=True,
                            capture_output=True).stdout.split(b"\0")
    for name in filter(None, listed):
        source = REPO / name.decode()
        if source.is_file():
            (destination / name.decode()).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(source, destination / name.decode())


def test_two_builds_of_the_same_sources_in_other_folders_give_the_same_bytes(release_dir, tmp_path):
    sources = tmp_path / "another checkout"
    build = tmp_path / "a build elsewhere"
    copy_sources(sources)
    subprocess.run(["cmake", "--preset", "release", "-B", str(build)], cwd=sources, check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build), "--target", "Glimra"], check=True, stdout=subprocess.DEVNULL)
    debug_name = f"Glimra-{project_version()}-win64.debug"
    assert (build / "Glimra.exe").read_bytes() == (release_dir / "Glimra.exe").read_bytes()
    assert (build / debug_name).read_bytes() == (release_dir / debug_name).read_bytes()
