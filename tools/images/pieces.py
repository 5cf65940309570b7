"""The chess piece set: one outline design per piece, drawn in both colours.

Pieces are drawn on a 57 x 57 square picture.  The board places pictures 56
units apart, so the visible square is 0..56 and pieces are centred on x = 28.
All pieces stand on the same baseline (y = 50.5).
"""

from dataclasses import dataclass, field

from svg import Path, circle_path, linear_gradient, path, symmetric

AXIS = 28
BASELINE = 50.5


@dataclass
class Design:
    """Closed parts are filled and outlined, back to front.  Lines are inner
    details drawn in both colours; seams mark where parts meet and are drawn
    only on the dark pieces, where the dark outline would vanish."""
    parts: list
    lines: list = field(default_factory=list)
    dots: list = field(default_factory=list)
    seams: list = field(default_factory=list)


def plinth(half_width, top):
    """The round-shouldered foot every piece stands on."""
    return symmetric(AXIS, (0, top), [
        ("L", (half_width - 2.5, top)),
        ("C", (half_width - 0.6, top), (half_width, top + 1.2), (half_width, top + 3)),
        ("L", (half_width, BASELINE)),
        ("L", (0, BASELINE)),
    ]).d


def ring(half_width, top, bottom):
    """A flat collar with rounded ends."""
    bulge = (bottom - top) * 0.45
    return symmetric(AXIS, (0, top), [
        ("L", (half_width, top)),
        ("C", (half_width + bulge, top), (half_width + bulge, bottom), (half_width, bottom)),
        ("L", (0, bottom)),
    ]).d


def flared_body(top_half, top, bottom_half, bottom):
    """A column that widens towards the foot in a concave sweep."""
    height = bottom - top
    return symmetric(AXIS, (0, top), [
        ("L", (top_half, top)),
        ("C", (top_half + 0.3, top + height * 0.45), (bottom_half - 3, top + height * 0.75),
         (bottom_half, bottom)),
        ("L", (0, bottom)),
    ]).d


def seam(half_width, y):
    """A light line just inside the top edge of a part, for the dark pieces."""
    return Path().move(AXIS - half_width, y).line(AXIS + half_width, y).d


def king():
    cross = symmetric(AXIS, (0, 3.5), [
        ("L", (1.5, 3.5)), ("L", (1.5, 6.5)), ("L", (4.5, 6.5)), ("L", (4.5, 9.5)),
        ("L", (1.5, 9.5)), ("L", (1.5, 14)), ("L", (0, 14)),
    ]).d
    crown = symmetric(AXIS, (0, 13), [
        ("C", (5, 12.5), (12, 13), (12, 18.5)),
        ("C", (12, 22.5), (9, 26), (8, 29.5)),
        ("L", (0, 29.5)),
    ]).d
    band = Path().move(AXIS - 10.2, 22).curve(AXIS - 5, 24.2, AXIS + 5, 24.2, AXIS + 10.2, 22).d
    arches = [Path().move(AXIS + side * 6, 23.6).curve(AXIS + side * 6.5, 18, AXIS + side * 4, 15,
                                                        AXIS + side * 1.5, 14).d
              for side in (-1, 1)]
    return Design(
        parts=[cross, crown, flared_body(6.5, 32, 12, 44.5), ring(8.5, 29, 32.5), plinth(14, 44)],
        lines=[band, *arches],
        seams=[seam(7.5, 30.2), seam(12, 45.2)],
    )


def queen():
    crown = symmetric(AXIS, (0, 10.5), [
        ("L", (3, 19)), ("L", (7, 11.5)), ("L", (9, 20)), ("L", (12.5, 13.5)),
        ("C", (11.5, 20), (9, 25.5), (8, 29.5)),
        ("L", (0, 29.5)),
    ]).d
    balls = [circle_path(AXIS + dx, y, 2.1).d
             for dx, y in ((0, 8.6), (-7.3, 9.8), (7.3, 9.8), (-13, 11.9), (13, 11.9))]
    band = Path().move(AXIS - 10, 23.5).curve(AXIS - 5, 25.5, AXIS + 5, 25.5, AXIS + 10, 23.5).d
    return Design(
        parts=[crown, *balls, flared_body(6.5, 32, 12, 44.5), ring(8.5, 29, 32.5), plinth(14, 44)],
        lines=[band],
        seams=[seam(7.5, 30.2), seam(12, 45.2)],
    )


def rook():
    battlements = symmetric(AXIS, (0, 9), [
        ("L", (2.6, 9)), ("L", (2.6, 12.5)), ("L", (6.6, 12.5)), ("L", (6.6, 9)),
        ("L", (11, 9)), ("L", (11, 17)), ("L", (0, 17)),
    ]).d
    tower = symmetric(AXIS, (0, 19.5), [("L", (8, 19.5)), ("L", (9.2, 41)), ("L", (0, 41))]).d
    return Design(
        parts=[tower, battlements, ring(10.5, 16.5, 20), ring(10.5, 40.5, 44.5), plinth(13.5, 44)],
        seams=[seam(10, 17.7), seam(8, 21), seam(10, 41.7), seam(11.5, 45.2)],
    )


def bishop():
    mitre = symmetric(AXIS, (0, 9.5), [
        ("C", (3, 11.5), (8.5, 15.5), (8.5, 21)),
        ("C", (8.5, 24.5), (6.5, 27), (5.5, 29)),
        ("L", (0, 29)),
    ]).d
    slit = Path().move(AXIS + 4.8, 14.5).line(AXIS - 0.2, 21.5).d
    return Design(
        parts=[mitre, circle_path(AXIS, 7.5, 2.4).d, flared_body(4.5, 31.5, 10.5, 44.5),
               ring(7.5, 28.5, 32), plinth(12.5, 44)],
        lines=[slit],
        seams=[seam(6.5, 29.7), seam(10.5, 45.2)],
    )


def knight():
    head = (Path().move(17.5, 44.5)
            .curve(17.5, 40, 19.5, 36.5, 23.5, 33)
            .curve(21, 32, 17, 33.8, 13.5, 34.2)
            .curve(12, 34.4, 10.8, 33.6, 10.6, 32.4)
            .curve(9.6, 31.2, 9.3, 28.5, 10.2, 27)
            .curve(13, 23, 17, 17, 20.5, 13.5)
            .curve(21.5, 11.5, 22, 9, 23, 5.5)
            .curve(25, 6.8, 26.5, 8.5, 27, 10.5)
            .curve(27.9, 8.1, 30.7, 9, 31.7, 11)
            .curve(33.3, 9, 35.7, 10.6, 36, 12.9)
            .curve(38.2, 11.5, 39.9, 13.9, 39.5, 16.1)
            .curve(42, 15.5, 43, 18.5, 42, 20.5)
            .curve(44.6, 20.8, 44.8, 24.2, 43.2, 26)
            .curve(43.6, 33, 42.5, 39, 42, 44.5)
            .close().d)
    mouth = Path().move(10.8, 32.2).curve(12, 31.8, 13.5, 31.6, 14.8, 31.9).d
    jaw = Path().move(23.5, 32.6).curve(26.5, 30, 26.8, 25.5, 24.6, 22.5).d
    mane = Path().move(28, 13.8).curve(33.5, 13.6, 39.5, 18, 40.6, 26.5).d
    eye = (Path().move(19.5, 18.2).curve(20.5, 16.3, 22.5, 15.8, 23.8, 16.6)
           .curve(23, 18.6, 21, 19.2, 19.5, 18.2).close().d)
    nostril = circle_path(12.6, 28.6, 1).d
    return Design(parts=[head, plinth(13.5, 44)], lines=[mouth, jaw, mane],
                  dots=[eye, nostril], seams=[seam(11.5, 45.2)])


def pawn():
    return Design(
        parts=[flared_body(3.8, 26.5, 10.5, 44.5), ring(5.5, 24, 27.5),
               circle_path(AXIS, 18.5, 6).d, plinth(12.5, 44)],
        seams=[seam(4.5, 25.2), seam(10.5, 45.2)],
    )


DESIGNS = {"K": king, "Q": queen, "R": rook, "B": bishop, "N": knight, "P": pawn}


@dataclass
class Colours:
    shades: tuple  # fill colours from the lit left edge to the shaded right edge
    outline: str
    detail: str
    dark: bool


WHITE = Colours(shades=("#ffffff", "#fbf8ef", "#e4ddcd"), outline="#1e1e1e", detail="#1e1e1e",
                dark=False)
BLACK = Colours(shades=("#505050", "#2e2e2e", "#1a1a1a"), outline="#050505", detail="#e8e2d4",
                dark=True)

OUTLINE_WIDTH = 1.5
DETAIL_WIDTH = 1.2


def shading(colours):
    """The fill gradient of a piece colour; draw() refers to it as "shade"."""
    light, middle, dark = colours.shades
    return linear_gradient("shade", 0, 0, 1, 0, [(0, light), (0.4, middle), (1, dark)])


def draw(design, colours, weight=1.0):
    """SVG elements of one piece in one colour; needs shading() in the defs.
    A weight above 1 thickens the lines for pictures shown smaller than a square."""
    items = [path(d, fill="url(#shade)", stroke=colours.outline,
                  stroke_width=OUTLINE_WIDTH * weight, stroke_linejoin="round")
             for d in design.parts]
    lines = design.lines + (design.seams if colours.dark else [])
    items += [path(d, fill="none", stroke=colours.detail, stroke_width=DETAIL_WIDTH * weight,
                   stroke_linecap="round", stroke_linejoin="round") for d in lines]
    items += [path(d, fill=colours.detail) for d in design.dots]
    return items
