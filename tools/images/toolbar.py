"""Toolbar icons, 24 x 24, one per toolbar key.

Flat shapes in a small palette, each with a one-unit border in a darker tone
of its own colour.  Borders sit on half units so they stay crisp at 24 px.
"""

from board import DARK, LIGHT
from svg import Path, arc, circle, document, group, path, point_on_circle, rect

SIZE = 24

INK = "#455a64"
INK_DARK = "#263238"
PAPER = "#ffffff"
PAPER_EDGE = "#78909c"
BLUE = "#1e88e5"
BLUE_DARK = "#1259a8"
GREEN = "#43a047"
GREEN_DARK = "#2a6e2d"
RED = "#e53935"
RED_DARK = "#a61b1b"
AMBER = "#ffc02e"
AMBER_DARK = "#c98a00"
PURPLE = "#8e5cc2"
PURPLE_DARK = "#5e3591"
BOARD_EDGE = "#6b4a2e"


def shape(d, fill, edge):
    return path(d, fill=fill, stroke=edge, stroke_width=1.0, stroke_linejoin="round")


def box(x, y, width, height, fill, edge, rx=None):
    return rect(x, y, width, height, rx=rx, fill=fill, stroke=edge, stroke_width=1.0)


def disc(cx, cy, r, fill, edge):
    return circle(cx, cy, r, fill=fill, stroke=edge, stroke_width=1.0)


def stroke(d, colour, width):
    return path(d, fill="none", stroke=colour, stroke_width=width, stroke_linecap="round",
                stroke_linejoin="round")


def outline(points, close=True):
    line = Path().move(*points[0])
    for point in points[1:]:
        line.line(*point)
    return (line.close() if close else line).d


def page(left=4.5, right=19.5, top=2.5, bottom=21.5, fold=4.5):
    """A sheet of paper with a folded top-right corner."""
    return [
        shape(outline([(left, top), (right - fold, top), (right, top + fold), (right, bottom),
                       (left, bottom)]), PAPER, PAPER_EDGE),
        shape(outline([(right - fold, top), (right - fold, top + fold), (right, top + fold)]),
              "#cfd8dc", PAPER_EDGE),
    ]


def mini_board(x, y, cell, count):
    """A count x count corner of a chess board, light square top-left.  Squares
    start at (x, y); the frame lies just outside them."""
    dark = Path()
    for row in range(count):
        for column in range(count):
            if (row + column) % 2:
                left, top = x + column * cell, y + row * cell
                dark.move(left, top).line(left + cell, top).line(left + cell, top + cell)
                dark.line(left, top + cell).close()
    side = cell * count
    return [
        rect(x, y, side, side, fill=LIGHT),
        path(dark.d, fill=DARK),
        box(x - 0.5, y - 0.5, side + 1, side + 1, "none", BOARD_EDGE),
    ]


def window(left, top, right, bottom, bar=4):
    """An application window: coloured title bar over a white client area."""
    return [
        box(left, top, right - left, bottom - top, PAPER, BLUE_DARK, rx=1.5),
        shape(Path().move(left, top + bar).line(left, top + 1.5)
              .curve(left, top + 0.7, left + 0.7, top, left + 1.5, top)
              .line(right - 1.5, top).curve(right - 0.7, top, right, top + 0.7, right, top + 1.5)
              .line(right, top + bar).close().d, BLUE, BLUE_DARK),
    ]


def triangle(tip_x, base_x, top=5.5, bottom=18.5):
    middle = (top + bottom) / 2
    return shape(outline([(base_x, top), (base_x, bottom), (tip_x, middle)]), BLUE, BLUE_DARK)


def bar(left, right, top=5.5, bottom=18.5):
    return box(left, top, right - left, bottom - top, BLUE, BLUE_DARK)


def magnifier(cx, cy, r):
    hx, hy = point_on_circle(cx, cy, r + 0.8, 45)
    return [
        stroke(Path().move(hx, hy).line(hx + 4.5, hy + 4.5).d, INK_DARK, 3.2),
        circle(cx, cy, r, fill="#bfe3ff", fill_opacity=0.55, stroke=INK_DARK, stroke_width=2.0),
    ]


def pencil(x, y):
    """A pencil pointing down-left, its tip at (x, y)."""
    body = [
        shape(outline([(0, 0), (4, -2), (4, 2)]), "#f3d19c", "#8d6e63"),
        path(outline([(0, 0), (1.6, -0.8), (1.6, 0.8)]), fill=INK_DARK),
        shape(outline([(4, -2), (13, -2), (13, 2), (4, 2)]), AMBER, AMBER_DARK),
        shape(outline([(13, -2), (15.5, -2), (15.5, 2), (13, 2)]), "#f48fb1", "#ad4f73"),
    ]
    return group(body, transform=f"translate({x} {y}) rotate(-45)")


def pawn(cx, bottom, fill, edge):
    """A small pawn silhouette for the computer-side icons."""
    body = outline([(cx - 3.5, bottom), (cx - 3.5, bottom - 1.2), (cx - 1.4, bottom - 4.5),
                    (cx + 1.4, bottom - 4.5), (cx + 3.5, bottom - 1.2), (cx + 3.5, bottom)])
    return [shape(body, fill, edge), disc(cx, bottom - 6.2, 2.2, fill, edge)]


def file_new():
    plus = outline([(16, 13), (18, 13), (18, 16), (21, 16), (21, 18), (18, 18), (18, 21),
                    (16, 21), (16, 18), (13, 18), (13, 16), (16, 16)])
    return [*page(left=3.5, right=18.5), disc(17, 17, 5.5, GREEN, GREEN_DARK),
            path(plus, fill=PAPER)]


def file_open():
    back = outline([(2.5, 4.5), (9, 4.5), (11, 6.5), (19.5, 6.5), (19.5, 19.5), (2.5, 19.5)])
    front = outline([(2.5, 19.5), (6, 10.5), (22.5, 10.5), (19.5, 19.5)])
    return [shape(back, AMBER_DARK, "#8a5d00"), shape(front, AMBER, AMBER_DARK)]


def file_save():
    body = outline([(3.5, 3.5), (17.5, 3.5), (20.5, 6.5), (20.5, 20.5), (3.5, 20.5)])
    return [
        shape(body, BLUE, BLUE_DARK),
        box(7, 3.5, 9, 6, "#e3f2fd", BLUE_DARK),
        rect(12.5, 5, 2, 3, fill=BLUE_DARK),
        box(6.5, 12.5, 11, 8, PAPER, BLUE_DARK),
    ]


def file_view_pgn():
    lines = [rect(7.5, y, width, 1.5, fill=INK) for y, width in
             ((8, 6), (11, 9), (14, 9), (17, 7))]
    return [*page(), *lines]


def file_edit_tags():
    tag = outline([(12.5, 2.5), (21.5, 2.5), (21.5, 11.5), (11.5, 21.5), (2.5, 12.5)])
    return [shape(tag, AMBER, AMBER_DARK),
            disc(17.5, 6.5, 1.8, PAPER, AMBER_DARK),
            stroke(Path().move(8, 12.5).line(12.5, 8).move(10, 14.5).line(14.5, 10).d,
                   "#8a5d00", 1.5)]


def move_start():
    return [bar(3.5, 6), triangle(6.5, 13), triangle(13, 19.5)]


def move_back():
    return [triangle(6, 17)]


def move_forward():
    return [triangle(18, 7)]


def move_end():
    return [triangle(17.5, 11), triangle(11, 4.5), bar(18, 20.5)]


def move_del():
    can = outline([(5.5, 7.5), (18.5, 7.5), (17, 21.5), (7, 21.5)])
    slots = Path()
    for x in (9.5, 12, 14.5):
        slots.move(x, 10.5).line(x, 18.5)
    return [shape(can, RED, RED_DARK),
            stroke(slots.d, PAPER, 1.3),
            box(3.5, 4.5, 17, 3, RED_DARK, RED_DARK, rx=1),
            box(9.5, 2.5, 5, 2, "none", RED_DARK)]


def move_paste():
    return [box(4.5, 3.5, 15, 18, "#a1785a", "#6d4c33", rx=1.5),
            box(6.5, 6.5, 11, 13, PAPER, PAPER_EDGE),
            box(8.5, 2.5, 7, 3.5, PAPER_EDGE, INK, rx=1),
            *[rect(8.5, y, width, 1.5, fill=INK) for y, width in ((9.5, 7), (12.5, 5), (15.5, 7))]]


def pos_flip():
    items = mini_board(9, 9, 3, 2)
    for start in (200, 20):
        end = start + 125
        line = Path().move(*point_on_circle(12, 12, 8, start))
        items.append(stroke(arc(line, 12, 12, 8, start, end).d, BLUE, 2.4))
        tip = point_on_circle(12, 12, 8, end + 26)
        outer = point_on_circle(12, 12, 11.8, end - 2)
        inner = point_on_circle(12, 12, 4.2, end - 2)
        items.append(shape(outline([tip, outer, inner]), BLUE, BLUE))
    return items


def pos_analyze():
    return [box(6.5, 2.5, 15, 12, "#e3f2fd", BLUE_DARK, rx=1.5),
            *window(2.5, 6.5, 17.5, 21.5), *mini_board(5, 12, 2, 4)]


def pos_edit():
    return [*mini_board(3, 3, 4, 4), pencil(10, 22)]


def talvor_play():
    return [disc(12, 12, 9.5, GREEN, GREEN_DARK),
            shape(outline([(9.5, 7), (17.5, 12), (9.5, 17)]), PAPER, PAPER)]


def search_position():
    return [*mini_board(3, 3, 4, 4), *magnifier(14.5, 14.5, 4.5)]


def talvor_publish():
    meridians = Path().move(3, 12).line(21, 12).move(12, 3).line(12, 21)
    meridians.move(12, 3).curve(7, 6, 7, 18, 12, 21).move(12, 3).curve(17, 6, 17, 18, 12, 21)
    meridians.move(4.5, 7.5).curve(9, 9, 15, 9, 19.5, 7.5)
    meridians.move(4.5, 16.5).curve(9, 15, 15, 15, 19.5, 16.5)
    return [disc(12, 12, 9.5, BLUE, BLUE_DARK),
            stroke(meridians.d, "#bbdefb", 1.0)]


def talvor_bitmap():
    hills = outline([(3, 20), (9, 11.5), (13, 16.5), (15.5, 13.5), (21, 20)])
    return [box(2.5, 4.5, 19, 16, "#bfe3ff", BLUE_DARK, rx=1.5),
            shape(hills, GREEN, GREEN_DARK),
            disc(16.5, 9, 2.2, AMBER, AMBER_DARK),
            box(2.5, 4.5, 19, 16, "none", BLUE_DARK, rx=1.5)]


def endgames_start():
    piece = (Path().move(3.5, 7.5).line(8.5, 7.5)
             .curve(7, 2.5, 14, 2.5, 12.5, 7.5).line(17.5, 7.5).line(17.5, 11.5)
             .curve(22.5, 10, 22.5, 17, 17.5, 15.5).line(17.5, 20.5).line(3.5, 20.5).close())
    return [shape(piece.d, PURPLE, PURPLE_DARK)]


def engine_level():
    hands = Path().move(8, 14).line(8, 11).move(8, 14).line(10, 15)
    hands.move(16, 14).line(16, 11).move(16, 14).line(14, 15.5)
    return [box(8.5, 3.5, 3, 2.5, RED, RED_DARK),
            box(13, 5, 3, 1.5, INK, INK_DARK),
            box(2.5, 6.5, 19, 14, "#8d6e63", "#4e342e", rx=2),
            disc(8, 14, 4.2, PAPER, "#4e342e"),
            disc(16, 14, 4.2, PAPER, "#4e342e"),
            stroke(hands.d, INK_DARK, 1.2)]


def monitor(piece_fill, piece_edge):
    stand = outline([(9.5, 17.5), (14.5, 17.5), (15.5, 21.5), (8.5, 21.5)])
    return [shape(stand, INK, INK_DARK),
            box(2.5, 3.5, 19, 14, INK, INK_DARK, rx=1.5),
            rect(4.5, 5.5, 15, 10, fill="#64b5f6"),
            *pawn(12, 15, piece_fill, piece_edge)]


def engine_white():
    return monitor(PAPER, INK_DARK)


def engine_black():
    return monitor("#212121", "#000000")


def engine_analyze():
    graph = outline([(5, 18), (8, 14), (11, 15.5), (14, 10.5), (17, 12), (19.5, 9)], close=False)
    return [*window(2.5, 3.5, 21.5, 20.5),
            stroke(outline([(5, 18.5), (19.5, 18.5)], close=False), PAPER_EDGE, 1.0),
            stroke(graph, GREEN, 1.8)]


def engine_stop():
    octagon = [point_on_circle(12, 12, 10, 22.5 + 45 * i) for i in range(8)]
    ring = [point_on_circle(12, 12, 8.2, 22.5 + 45 * i) for i in range(8)]
    return [shape(outline(octagon), RED, RED_DARK),
            shape(outline(ring), "none", PAPER),
            rect(6.5, 10.5, 11, 3, fill=PAPER)]


ICONS = {
    "FileNew": file_new, "FileOpen": file_open, "FileSave": file_save,
    "FileViewPgn": file_view_pgn, "FileEditTags": file_edit_tags,
    "MoveStart": move_start, "MoveBack": move_back, "MoveForward": move_forward,
    "MoveEnd": move_end, "MoveDel": move_del, "MovePaste": move_paste,
    "PosFlip": pos_flip, "PosAnalyze": pos_analyze, "PosEdit": pos_edit,
    "TalvorPlay": talvor_play, "SearchPosition": search_position,
    "TalvorPublish": talvor_publish, "TalvorBitmap": talvor_bitmap,
    "EndgamesStart": endgames_start, "EngineLevel": engine_level,
    "EngineWhite": engine_white, "EngineBlack": engine_black,
    "EngineAnalyze": engine_analyze, "EngineStop": engine_stop,
}


def toolbar_icons():
    """Maps "TOOLBAR/<key>" to SVG text."""
    return {f"TOOLBAR/{key}": document(SIZE, SIZE, draw()) for key, draw in ICONS.items()}
