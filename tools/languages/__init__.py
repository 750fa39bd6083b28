"""One module per language: its texts, its [FILE] block, its badge and its help, read by make_language_files.py."""
