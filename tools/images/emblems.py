"""Window, player and message-box icons.

The pieces here reuse the designs of the piece set with heavier lines, since
these pictures are mostly shown at 16 to 48 pixels.
"""

from board import DARK, LIGHT
from pieces import BLACK, DESIGNS, WHITE, draw, shading
from svg import (Path, arc, circle, document, ellipse, group, linear_gradient, path,
                 point_on_circle, rect, symmetric)

EDGE = "#3e2a17"
GOLD = [(0, "#ffe38a"), (0.45, "#f6b51e"), (1, "#b8740a")]
GOLD_EDGE = "#7a4c00"
BLUE = "#1e88e5"
BLUE_DARK = "#1259a8"


def placed(design, colours, scale, x, y, weight=1.6, rotate=0):
    """A piece design scaled so that its square's top-left lands on (x, y)."""
    turn = f" rotate({rotate} 28 28)" if rotate else ""
    return group(draw(design, colours, weight), transform=f"translate({x} {y}) scale({scale}){turn}")


def form_icon(colours, square):
    """Window icon: the side to move's king on a board square of the other shade."""
    body = [
        rect(2, 2, 60, 60, rx=10, fill=square, stroke=EDGE, stroke_width=2.0),
        placed(DESIGNS["K"](), colours, 1.12, 0.64, 2.3),
    ]
    return document(64, 64, body, [shading(colours)])


def engine_icon(colours, body_fill, pin, mark):
    """A processor chip in the side's colour with a king's cross on its die."""
    pins = Path()
    for offset in (11, 16, 21):
        for x, y, w, h in ((offset - 1, 3, 2, 4), (offset - 1, 25, 2, 4),
                           (3, offset - 1, 4, 2), (25, offset - 1, 4, 2)):
            pins.move(x, y).line(x + w, y).line(x + w, y + h).line(x, y + h).close()
    cross = symmetric(16, (0, 10), [
        ("L", (1.3, 10)), ("L", (1.3, 13.2)), ("L", (4, 13.2)), ("L", (4, 15.8)),
        ("L", (1.3, 15.8)), ("L", (1.3, 22)), ("L", (0, 22)),
    ]).d
    body = [
        path(pins.d, fill=pin, stroke=colours.outline, stroke_width=0.8),
        rect(6.5, 6.5, 19, 19, rx=2.5, fill=body_fill, stroke=colours.outline, stroke_width=1.4),
        rect(9.5, 9.5, 13, 13, rx=1, fill="none", stroke=mark, stroke_width=0.9),
        path(cross, fill=mark),
    ]
    return document(32, 32, body)


def application_icon():
    """A white knight on a blue shield with a gold rim."""
    shield = symmetric(32, (0, 6), [
        ("C", (8, 6), (18, 4.5), (26, 2.5)),
        ("L", (26, 30)),
        ("C", (26, 45), (15, 55), (0, 61.5)),
    ]).d
    knight = DESIGNS["N"]()
    body = [
        path(shield, fill="url(#field)", stroke=GOLD_EDGE, stroke_width=2.0,
             stroke_linejoin="round"),
        path(shield, fill="none", stroke="url(#gold)", stroke_width=1.2,
             stroke_linejoin="round", transform="translate(3.2 3.9) scale(0.9)"),
        placed(knight, WHITE, 0.86, 8.8, 6.5, weight=1.5),
    ]
    defs = [linear_gradient("field", 0, 0, 0, 1, [(0, "#2f6bbd"), (1, "#12315e")]),
            linear_gradient("gold", 0, 0, 1, 1, GOLD), shading(WHITE)]
    return document(64, 64, body, defs)


def win_icon():
    """A gold trophy on a wooden foot."""
    cup = symmetric(32, (0, 7), [
        ("L", (16, 7)), ("C", (16, 21), (10, 29), (0, 31)),
    ]).d
    handles = Path()
    for side in (-1, 1):
        handles.move(32 + side * 15.5, 11).curve(32 + side * 25, 10, 32 + side * 25, 23,
                                                  32 + side * 11, 25.5)
    stem = symmetric(32, (0, 30), [("L", (3, 30)), ("C", (3, 36), (4, 40), (9, 43)),
                                   ("L", (0, 43))]).d
    star = Path().move(32, 11.5)
    for index in range(1, 10):
        radius = 6 if index % 2 == 0 else 2.6
        x, y = point_on_circle(32, 17.5, radius, -90 + 36 * index)
        star.line(x, y)
    body = [
        path(handles.d, fill="none", stroke=GOLD_EDGE, stroke_width=4.6, stroke_linecap="round"),
        path(handles.d, fill="none", stroke="#f6b51e", stroke_width=2.4, stroke_linecap="round"),
        path(stem, fill="url(#gold)", stroke=GOLD_EDGE, stroke_width=1.6, stroke_linejoin="round"),
        path(cup, fill="url(#gold)", stroke=GOLD_EDGE, stroke_width=1.6, stroke_linejoin="round"),
        path(star.close().d, fill="#fff6d5", stroke=GOLD_EDGE, stroke_width=0.8,
             stroke_linejoin="round"),
        rect(15, 43, 34, 6, rx=1.5, fill="#8d5a32", stroke=EDGE, stroke_width=1.6),
        rect(12, 49, 40, 10, rx=2, fill="#6d4327", stroke=EDGE, stroke_width=1.6),
        rect(24, 51.5, 16, 5, rx=1, fill="url(#gold)", stroke=GOLD_EDGE, stroke_width=0.8),
    ]
    return document(64, 64, body, [linear_gradient("gold", 0, 0, 1, 0, GOLD)])


def draw_icon():
    """Balanced scales."""
    strings = Path()
    pans = Path()
    for cx in (13, 51):
        strings.move(cx, 17).line(cx - 9, 38).move(cx, 17).line(cx + 9, 38)
        pans.move(cx - 11, 38).line(cx + 11, 38).curve(cx + 11, 45, cx - 11, 45, cx - 11, 38)
        pans.close()
    foot = symmetric(32, (0, 50), [("L", (6, 50)), ("L", (13, 57)), ("L", (13, 60)),
                                   ("L", (0, 60))]).d
    body = [
        rect(30, 12, 4, 40, fill="url(#brass)", stroke=GOLD_EDGE, stroke_width=1.4),
        path(strings.d, fill="none", stroke="#5d4a2a", stroke_width=1.2),
        rect(9, 14.5, 46, 4, rx=2, fill="url(#brass)", stroke=GOLD_EDGE, stroke_width=1.4),
        circle(32, 10, 4, fill="url(#brass)", stroke=GOLD_EDGE, stroke_width=1.4),
        path(pans.d, fill="url(#brass)", stroke=GOLD_EDGE, stroke_width=1.4,
             stroke_linejoin="round"),
        path(foot, fill="url(#brass)", stroke=GOLD_EDGE, stroke_width=1.4,
             stroke_linejoin="round"),
    ]
    return document(64, 64, body, [linear_gradient("brass", 0, 0, 1, 1, GOLD)])


def loss_icon():
    """A king knocked over, lying on the ground."""
    return document(64, 64, [
        ellipse(32, 52, 27, 4, fill="#000000", fill_opacity=0.18),
        placed(DESIGNS["K"](), WHITE, 1.08, 0.7, 4.8, rotate=90),
    ], [shading(WHITE)])


def quote_icon():
    """Opening quotation marks on a speech bubble."""
    bubble = (Path().move(10, 6).line(54, 6).curve(58, 6, 60, 8, 60, 12).line(60, 40)
              .curve(60, 44, 58, 46, 54, 46).line(26, 46).line(13, 58).line(15, 46)
              .line(10, 46).curve(6, 46, 4, 44, 4, 40).line(4, 12).curve(4, 8, 6, 6, 10, 6)
              .close())
    marks = "".join(_quote_mark(cx, 31, 6).d + " " for cx in (23, 41))
    return document(64, 64, [
        path(bubble.d, fill=BLUE, stroke=BLUE_DARK, stroke_width=2.0, stroke_linejoin="round"),
        path(marks.strip(), fill="#ffffff"),
    ])


def _quote_mark(cx, cy, r):
    """One opening quotation mark: a round drop with its tail rising to the right."""
    mark = (Path().move(cx - r, cy)
            .curve(cx - r, cy - 1.7 * r, cx - 0.1 * r, cy - 2.6 * r, cx + 0.9 * r, cy - 2.9 * r)
            .curve(cx + 0.3 * r, cy - 2.2 * r, cx - 0.1 * r, cy - 1.6 * r, cx, cy - r))
    return arc(mark, cx, cy, r, -90, 180).close()


def emblems():
    """Maps picture names to SVG text."""
    return {
        "FORMWHITE": form_icon(WHITE, DARK),
        "FORMBLACK": form_icon(BLACK, LIGHT),
        "ENGINEWHITE": engine_icon(WHITE, "#f4f1ea", "#b0bec5", "#37474f"),
        "ENGINEBLACK": engine_icon(BLACK, "#2c2c2c", "#78909c", "#e8e2d4"),
        "TALVOR": application_icon(),
        "WIN": win_icon(),
        "DRAW": draw_icon(),
        "LOSS": loss_icon(),
        "QUOTE": quote_icon(),
    }
