"""Square pictures: every piece in both colours, the fallen kings, the empty
square, and the highlighted ("S") variant of each."""

from pieces import BLACK, DESIGNS, WHITE, draw, shading
from svg import circle, document, group, radial_gradient, rect

SIZE = 57
SQUARE = 56  # pictures overlap their right and bottom neighbours by one unit

HIGHLIGHT = "#a6cc2c"
HIGHLIGHT_OPACITY = 0.55


def highlight():
    return rect(0, 0, SQUARE, SQUARE, fill=HIGHLIGHT, fill_opacity=HIGHLIGHT_OPACITY)


def fallen_king(colours):
    """The mated king lies on its side across a red disc, crown pointing right."""
    glow = radial_gradient("glow", 0.5, 0.45, 0.5, [(0, "#f05a4a"), (1, "#b71c1c")])
    items = [
        circle(28, 28, 23.5, fill="url(#glow)", fill_opacity=0.85, stroke="#7f1010",
               stroke_width=1.2, stroke_opacity=0.9),
        # A quarter turn clockwise; the shift centres the king's height (y 3..51) on the square.
        group(draw(DESIGNS["K"](), colours), transform="translate(55 0) rotate(90)"),
    ]
    return items, [shading(colours), glow]


def piece_pictures():
    """Maps picture names (without ".svg") to SVG text."""
    scenes = {"OO": ([], [])}
    for prefix, colours in (("W", WHITE), ("B", BLACK)):
        for letter, design in DESIGNS.items():
            scenes[prefix + letter] = (draw(design(), colours), [shading(colours)])
        scenes[prefix + "KM"] = fallen_king(colours)
    pictures = {}
    for name, (items, defs) in scenes.items():
        pictures[name] = document(SIZE, SIZE, items, defs)
        pictures[name + "S"] = document(SIZE, SIZE, [highlight(), *items], defs)
    return pictures
