def test_program_is_built(build_dir):
    assert (build_dir / "Glimra.exe").stat().st_size > 0
