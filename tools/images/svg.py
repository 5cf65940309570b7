"""Small helpers that write SVG Tiny 1.2 text.

Everything the program draws at run time goes through Qt's SVG renderer, so
the output keeps to plain shapes, gradients, opacity and transforms.
"""

import math


def num(value):
    """Formats a coordinate with at most two decimals and no trailing zeros."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def _attributes(attrs):
    """Turns keyword arguments into SVG attributes (stroke_width -> stroke-width)."""
    parts = []
    for name, value in attrs.items():
        if value is None:
            continue
        if isinstance(value, float):
            value = num(value)
        parts.append(f' {name.rstrip("_").replace("_", "-")}="{value}"')
    return "".join(parts)


def document(width, height, body, defs=()):
    """A complete SVG file of the given viewBox size."""
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"'
        f' width="{width}" height="{height}" viewBox="0 0 {width} {height}">',
    ]
    if defs:
        lines.append("<defs>")
        lines.extend(defs)
        lines.append("</defs>")
    lines.extend(body)
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def path(d, **attrs):
    return f'<path d="{d}"{_attributes(attrs)}/>'


def circle(cx, cy, r, **attrs):
    return f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}"{_attributes(attrs)}/>'


def ellipse(cx, cy, rx, ry, **attrs):
    return (f'<ellipse cx="{num(cx)}" cy="{num(cy)}" rx="{num(rx)}" ry="{num(ry)}"'
            f'{_attributes(attrs)}/>')


def rect(x, y, width, height, **attrs):
    return (f'<rect x="{num(x)}" y="{num(y)}" width="{num(width)}" height="{num(height)}"'
            f'{_attributes(attrs)}/>')


def group(items, **attrs):
    return "\n".join([f"<g{_attributes(attrs)}>", *items, "</g>"])


def linear_gradient(ident, x1, y1, x2, y2, stops, units=None):
    """A linear gradient; stops are (offset, colour) or (offset, colour, opacity)."""
    head = (f'<linearGradient id="{ident}" x1="{num(x1)}" y1="{num(y1)}"'
            f' x2="{num(x2)}" y2="{num(y2)}"{_attributes({"gradientUnits": units})}>')
    return "\n".join([head, *_stops(stops), "</linearGradient>"])


def radial_gradient(ident, cx, cy, r, stops, units=None):
    head = (f'<radialGradient id="{ident}" cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}"'
            f'{_attributes({"gradientUnits": units})}>')
    return "\n".join([head, *_stops(stops), "</radialGradient>"])


def _stops(stops):
    lines = []
    for stop in stops:
        offset, colour = stop[0], stop[1]
        opacity = f' stop-opacity="{num(stop[2])}"' if len(stop) > 2 else ""
        lines.append(f'<stop offset="{num(offset)}" stop-color="{colour}"{opacity}/>')
    return lines


class Path:
    """Builds path data from absolute move, line and cubic curve commands."""

    def __init__(self):
        self._parts = []

    def move(self, x, y):
        self._parts.append(f"M{num(x)} {num(y)}")
        return self

    def line(self, x, y):
        self._parts.append(f"L{num(x)} {num(y)}")
        return self

    def curve(self, x1, y1, x2, y2, x, y):
        self._parts.append(f"C{num(x1)} {num(y1)} {num(x2)} {num(y2)} {num(x)} {num(y)}")
        return self

    def close(self):
        self._parts.append("Z")
        return self

    @property
    def d(self):
        return " ".join(self._parts)


def symmetric(axis, start, segments):
    """Closed outline that is mirror-symmetric about the vertical line x = axis.

    `start` is (dx, y) on the axis side where the outline begins, usually the
    top centre (dx = 0).  `segments` describe the right half going down, with
    x given as an offset from the axis: ("L", (dx, y)) for a line or
    ("C", (dx1, y1), (dx2, y2), (dx, y)) for a cubic curve.  The left half is
    the same profile mirrored and walked back up.
    """
    outline = Path().move(axis + start[0], start[1])
    for kind, *points in segments:
        _append(outline, kind, [(axis + dx, y) for dx, y in points])
    ends = [start] + [points[-1] for _, *points in segments]
    if ends[-1][0] != 0:
        outline.line(axis - ends[-1][0], ends[-1][1])
    for index in range(len(segments) - 1, -1, -1):
        kind, *points = segments[index]
        back = ends[index]
        if kind == "L":
            mirrored = [back]
        else:
            mirrored = [points[1], points[0], back]
        _append(outline, kind, [(axis - dx, y) for dx, y in mirrored])
    return outline.close()


def _append(outline, kind, points):
    if kind == "L":
        outline.line(*points[0])
    else:
        outline.curve(*points[0], *points[1], *points[2])


def arc(outline, cx, cy, r, start, end):
    """Appends a circular arc (angles in degrees, clockwise on screen) as cubic
    curves, each at most a quarter turn; the path must already stand at the
    start point."""
    steps = max(1, math.ceil(abs(end - start) / 90))
    sweep = math.radians(end - start) / steps
    k = 4 / 3 * math.tan(sweep / 4) * r
    angle = math.radians(start)
    for _ in range(steps):
        a, b = angle, angle + sweep
        outline.curve(cx + r * math.cos(a) - k * math.sin(a), cy + r * math.sin(a) + k * math.cos(a),
                      cx + r * math.cos(b) + k * math.sin(b), cy + r * math.sin(b) - k * math.cos(b),
                      cx + r * math.cos(b), cy + r * math.sin(b))
        angle = b
    return outline


def point_on_circle(cx, cy, r, degrees):
    return cx + r * math.cos(math.radians(degrees)), cy + r * math.sin(math.radians(degrees))


def circle_path(cx, cy, r):
    """A circle as a path, for use where a part must be a path."""
    return arc(Path().move(cx + r, cy), cx, cy, r, 0, 360).close()
