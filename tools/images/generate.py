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


def write(folder, name, text):
    target = folder / name
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_text(text, encoding="utf-8")


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_OUTPUT
    pictures = {"BOARD": board_svg()}
    pictures.update(piece_pictures())
    pictures.update(toolbar_icons())
    pictures.update(emblems())
    for name, text in sorted(pictures.items()):
        write(folder, name + ".svg", text)
    print(f"wrote {len(pictures)} pictures to {folder}")


if __name__ == "__main__":
    main()
