#!/usr/bin/env python3
"""Checks the pictures in data/IMAGES: all present, up to date with the
generator, and limited to what Qt's SVG Tiny renderer draws.

Usage: python3 tools/images/test_images.py
"""

import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from generate import DEFAULT_OUTPUT, write_all
from toolbar import ICONS

NAMESPACE = "{http://www.w3.org/2000/svg}"
ALLOWED = {"svg", "defs", "g", "path", "rect", "circle", "ellipse", "linearGradient",
           "radialGradient", "stop"}
SQUARE_PICTURES = ["OO", "WKM", "BKM"] + [c + p for c in "WB" for p in "KQRBNP"]
SIZES = {"BOARD": 465, "FORMWHITE": 64, "FORMBLACK": 64, "ENGINEWHITE": 32, "ENGINEBLACK": 32,
         "TALVOR": 64, "WIN": 64, "DRAW": 64, "LOSS": 64, "QUOTE": 64}
SIZES.update({name: 57 for name in SQUARE_PICTURES})
SIZES.update({name + "S": 57 for name in SQUARE_PICTURES})
SIZES.update({f"TOOLBAR/{key}": 24 for key in ICONS})


def committed_files():
    return {str(p.relative_to(DEFAULT_OUTPUT)) for p in DEFAULT_OUTPUT.rglob("*.svg")}


class PictureTest(unittest.TestCase):
    def test_every_picture_exists_with_its_size(self):
        self.assertEqual(committed_files(), {name + ".svg" for name in SIZES})
        for name, size in SIZES.items():
            root = ElementTree.parse(DEFAULT_OUTPUT / f"{name}.svg").getroot()
            self.assertEqual(root.get("viewBox"), f"0 0 {size} {size}", name)

    def test_only_elements_the_renderer_supports(self):
        for name in SIZES:
            root = ElementTree.parse(DEFAULT_OUTPUT / f"{name}.svg").getroot()
            for element in root.iter():
                self.assertIn(element.tag.removeprefix(NAMESPACE), ALLOWED, name)

    def test_committed_pictures_match_the_generator(self):
        with tempfile.TemporaryDirectory() as temp:
            write_all(Path(temp))
            for name in committed_files():
                fresh = (Path(temp) / name).read_text(encoding="utf-8")
                self.assertEqual((DEFAULT_OUTPUT / name).read_text(encoding="utf-8"), fresh,
                                 f"{name} is stale: run tools/images/generate.py")


if __name__ == "__main__":
    unittest.main()
