"""The board background: a wooden frame around 8 x 8 squares, a8 light."""

from svg import Path, document, linear_gradient, path, rect

SIZE = 465
ORIGIN = 8
SQUARE = 56

LIGHT = "#efd8b0"
DARK = "#b4865a"
FRAME_TOP = "#7a5435"
FRAME_BOTTOM = "#4b3220"
EDGE = "#36230f"


def dark_squares():
    """All 32 dark squares as one path; a square is dark when row + column is odd."""
    outline = Path()
    for row in range(8):
        for column in range(8):
            if (row + column) % 2 == 1:
                x = ORIGIN + column * SQUARE
                y = ORIGIN + row * SQUARE
                (outline.move(x, y).line(x + SQUARE, y).line(x + SQUARE, y + SQUARE)
                 .line(x, y + SQUARE).close())
    return outline.d


def board_svg():
    defs = [
        linear_gradient("frame", 0, 0, 1, 1, [(0, FRAME_TOP), (1, FRAME_BOTTOM)]),
        linear_gradient("sheen", 0, 0, 1, 1, [(0, "#ffffff", 0.10), (1, "#ffffff", 0)]),
    ]
    field = SQUARE * 8
    body = [
        rect(0, 0, SIZE, SIZE, fill="url(#frame)"),
        rect(1, 1, SIZE - 2, SIZE - 2, fill="none", stroke="#ffffff", stroke_opacity=0.18,
             stroke_width=1.0),
        rect(ORIGIN, ORIGIN, field, field, fill=LIGHT),
        path(dark_squares(), fill=DARK),
        rect(ORIGIN, ORIGIN, field, field, fill="url(#sheen)"),
        rect(ORIGIN - 0.5, ORIGIN - 0.5, field + 1, field + 1, fill="none", stroke=EDGE,
             stroke_width=1.0),
    ]
    return document(SIZE, SIZE, body, defs)
