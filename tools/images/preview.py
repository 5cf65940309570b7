#!/usr/bin/env python3
"""Renders a contact sheet of the generated pictures for a visual check.

Usage: python3 tools/images/preview.py [output.png]
Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
"""

import subprocess
import sys
import tempfile
from pathlib import Path

from board import DARK, LIGHT, ORIGIN, SQUARE
from toolbar import ICONS

IMAGES = Path(__file__).resolve().parents[2] / "data" / "IMAGES"
START = ["BR BN BB BQ BK BB BN BR", "BP " * 8, "", "", "", "", "WP " * 8,
         "WR WN WB WQ WK WB WN WR"]
EMBLEMS = ["FORMWHITE", "FORMBLACK", "ENGINEWHITE", "ENGINEBLACK", "TALVOR", "WIN", "DRAW",
           "LOSS", "QUOTE"]
MARGIN = 12


class Sheet:
    """Collects ImageMagick drawing steps onto one canvas."""

    def __init__(self, folder):
        self.folder = folder
        self.steps = []
        self.cache = {}

    def render(self, svg, width):
        key = (svg, width)
        if key not in self.cache:
            png = self.folder / f"{len(self.cache)}.png"
            subprocess.run(["rsvg-convert", "-w", str(width), str(svg), "-o", str(png)],
                           check=True)
            self.cache[key] = png
        return self.cache[key]

    def place(self, svg, width, x, y):
        self.steps += [str(self.render(svg, width)), "-geometry", f"+{x}+{y}", "-composite"]

    def fill(self, colour, x, y, width, height):
        self.steps += ["-fill", colour, "-draw",
                       f"rectangle {x},{y},{x + width - 1},{y + height - 1}"]

    def save(self, width, height, target):
        subprocess.run(["convert", "-size", f"{width}x{height}", "xc:#dcdcdc", *self.steps,
                        str(target)], check=True)


def board(sheet, x, y, scale):
    sheet.place(IMAGES / "BOARD.svg", 465 * scale, x, y)
    for row, line in enumerate(START):
        for column, name in enumerate(line.split()):
            left = x + (ORIGIN + column * SQUARE) * scale
            top = y + (ORIGIN + row * SQUARE) * scale
            sheet.place(IMAGES / f"{name}.svg", 57 * scale, left, top)


def square_row(sheet, names, x, y):
    """Each picture at 57 px on a light and, below it, on a dark square."""
    for index, name in enumerate(names):
        left = x + index * 60
        for offset, colour in ((0, LIGHT), (57, DARK)):
            sheet.fill(colour, left, y + offset, 57, 57)
            sheet.place(IMAGES / f"{name}.svg", 57, left, y + offset)


def icon_row(sheet, icons, width, x, y):
    for index, icon in enumerate(icons):
        sheet.place(icon, width, x + index * (width + 8), y)


def main():
    target = Path(sys.argv[1] if len(sys.argv) > 1 else "/tmp/talvor-contact.png")
    with tempfile.TemporaryDirectory() as temp:
        sheet = Sheet(Path(temp))
        board(sheet, MARGIN, MARGIN, 1)
        board(sheet, 465 + 2 * MARGIN, MARGIN, 2)
        pieces = [c + p for c in "WB" for p in "KQRBNP"]
        top = 930 + 2 * MARGIN
        square_row(sheet, ["OOS"] + [n + "S" for n in pieces], MARGIN, top)
        square_row(sheet, ["WKM", "BKM", "WKMS", "BKMS"], MARGIN, top + 2 * 57 + 12)
        toolbar = [IMAGES / "TOOLBAR" / f"{key}.svg" for key in ICONS]
        y = top + 4 * 57 + 36
        icon_row(sheet, toolbar, 24, MARGIN, y)
        icon_row(sheet, toolbar, 16, MARGIN, y + 34)
        icon_row(sheet, toolbar, 32, MARGIN, y + 60)
        emblems = [IMAGES / f"{name}.svg" for name in EMBLEMS]
        icon_row(sheet, emblems, 64, 4 * 60 + 2 * MARGIN, top + 2 * 57 + 12)
        icon_row(sheet, emblems, 32, 4 * 60 + 2 * MARGIN, top + 2 * 57 + 84)
        sheet.save(930 + 465 + 3 * MARGIN, top + 4 * 57 + 140, target)
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
