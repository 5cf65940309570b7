#!/usr/bin/env python3
"""Writes the program's pictures as SVG files into data/IMAGES.

Usage: python3 tools/images/generate.py [output folder]
"""

import sys
from pathlib import Path

from board import board_svg
from emblems import emblems
from piece_pictures import piece_pictures
from toolbar import toolbar_icons

DEFAULT_OUTPUT = Path(__file__).resolve().parents[2] / "data" / "IMAGES"


def all_pictures():
    """Maps each picture's path below the output folder, without ".svg", to its SVG text."""
    pictures = {"BOARD": board_svg()}
    pictures.update(piece_pictures())
    pictures.update(toolbar_icons())
    pictures.update(emblems())
    return pictures


def write_all(folder):
    pictures = all_pictures()
    for name, text in sorted(pictures.items()):
        target = folder / f"{name}.svg"
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_text(text, encoding="utf-8")
    return len(pictures)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_OUTPUT
    print(f"wrote {write_all(folder)} pictures to {folder}")


if __name__ == "__main__":
    main()
