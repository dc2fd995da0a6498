#!/usr/bin/env python3
"""Writes every picture of Zarvo チェス as an SVG file into assets/pictures/.

    python3 tools/make_artwork.py [output-folder]

The pieces are drawn on a 100x100 design grid and scaled to the 45x45 board
square.  Everything random (felt specks, stars, brick tints) comes from a
seeded generator, so running the script again gives byte-identical files.

The files are rendered by Qt SVG (SVG Tiny 1.2), so only paths, basic shapes,
gradients, <text> and plain group transforms are used: no filters, patterns,
masks or clip paths.
"""

import math
import os
import random
import sys

TEAL = (69, 155, 155)
REDBROWN = (186, 107, 100)
GROUNDS = {"1": TEAL, "2": REDBROWN}

SQUARE = 45
TILE = 46

# Qt SVG takes font-family as one family name (a comma list is looked up as a
# single, unknown name), so name the Mincho face alone.  Should it be missing,
# fontconfig still substitutes some face that has the katakana.
FONT_FAMILY = "IPAPMincho"


def hexcol(rgb):
    return "#%02x%02x%02x" % tuple(int(round(c)) for c in rgb)


def fmt(v):
    """Short decimal formatting keeps the files small and diff-friendly."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def svg_document(width, height, body):
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        'width="%d" height="%d" viewBox="0 0 %d %d">\n%s</svg>\n'
        % (width, height, width, height, body)
    )


# ---------------------------------------------------------------------------
# Piece drawings on a 100x100 grid.  The board square is 45 px, so every unit
# here is 0.45 px.  Each piece is a list of layers drawn back to front:
#   ("body", d)    filled with the piece's gradient, dark outline
#   ("line", d)    inner carving line (dark on white pieces, light on black)
#   ("dot", d)     small filled detail (eyes, nostrils) in the carving colour
#   ("shine", d)   soft highlight, drawn with low opacity
# ---------------------------------------------------------------------------

def base(half_bottom, half_step, top=79.0):
    """The stepped Staunton foot shared by all pieces."""
    hb, hs = half_bottom, half_step
    slab = (
        "M{l} 91 L{r} 91 Q{r2} 91 {r2} 88.5 L{r2} 86.5 Q{r2} 84 {r} 84 "
        "L{l} 84 Q{l2} 84 {l2} 86.5 L{l2} 88.5 Q{l2} 91 {l} 91 Z"
    ).format(l=fmt(50 - hb + 2.5), r=fmt(50 + hb - 2.5), l2=fmt(50 - hb), r2=fmt(50 + hb))
    step = (
        "M{l} 84.5 L{l2} {t2} Q{l2} {t} {l3} {t} L{r3} {t} Q{r2} {t} {r2} {t2} L{r} 84.5 Z"
    ).format(
        l=fmt(50 - hs - 1), r=fmt(50 + hs + 1), l2=fmt(50 - hs), r2=fmt(50 + hs),
        l3=fmt(50 - hs + 2.5), r3=fmt(50 + hs - 2.5), t=fmt(top), t2=fmt(top + 2.5),
    )
    return [("body", step), ("body", slab)]


def collar(half, y, h=5.5):
    r = h / 2
    return ("body",
            "M{l} {y} L{r_} {y} A{rr} {rr} 0 0 1 {r_} {y2} L{l} {y2} A{rr} {rr} 0 0 1 {l} {y} Z".format(
                l=fmt(50 - half + r), r_=fmt(50 + half - r), y=fmt(y), y2=fmt(y + h), rr=fmt(r)))


def pawn():
    return [
        ("body", "M31 80 C38 75 42.5 68 42.5 58 L57.5 58 C57.5 68 62 75 69 80 Z"),
        ("body", "M50 25.5 A14 14 0 1 1 49.99 25.5 Z"),
        ("shine", "M42 31 C45 28.5 48 28 50 28.3 C45.5 30 43.5 33.5 43 38 C41.8 36 41.5 33 42 31 Z"),
        collar(14.5, 53.5, 6),
    ] + base(25, 20.5, 79.5)


def rook():
    return [
        ("body", "M33 79 L36.5 45 L63.5 45 L67 79 Z"),
        ("body", "M29 37 L35.5 45.5 L64.5 45.5 L71 37 Z"),
        ("body", "M27.5 37.5 L27.5 16 L36.5 16 L36.5 23.5 L45 23.5 L45 16 L55 16 "
                 "L55 23.5 L63.5 23.5 L63.5 16 L72.5 16 L72.5 37.5 Z"),
        ("line", "M36 50 L64 50"),
        ("line", "M31 31.5 L69 31.5"),
        ("shine", "M38.5 50 L40.5 50 L38.5 74 L36.5 74 Z"),
        collar(19, 72.5, 6.5),
    ] + base(27.5, 23, 78.5)


def bishop():
    return [
        ("body", "M33.5 80 C40.5 73.5 43.5 65.5 43.5 57.5 L56.5 57.5 C56.5 65.5 59.5 73.5 66.5 80 Z"),
        ("body", "M50 10.8 A4.6 4.6 0 1 1 49.99 10.8 Z"),
        ("body", "M41 54 C31.5 47 31.5 35 39 26.5 C43 22 47 19.5 50 16.5 "
                 "C53 19.5 57 22 61 26.5 C68.5 35 68.5 47 59 54 Z"),
        ("line", "M54.5 24.5 L45 40"),
        ("line", "M40 46.5 Q50 50 60 46.5"),
        ("shine", "M38.5 36 C39 31 41.5 27.5 44.5 24.5 C43 28.5 41.8 32 41.8 38.5 Z"),
        collar(15, 51, 5.5),
        collar(11.5, 56, 4),
    ] + base(25.5, 21, 79)


def knight():
    head = (
        "M71 80.5 "
        "C75 66 78 52 75 40 "           # back of the neck
        "C72.5 30 67 23.5 60.5 19 "     # poll
        "L60 8 "                        # ear tip
        "C56 11 53 14.5 51.5 18 "       # front of the ear
        "C44 18.5 37.5 23 33 30 "       # forehead
        "C29 36 25 43 21 49.5 "         # face
        "C18.5 53.5 19.5 59 24.5 60.5 " # nose
        "C28 61.5 31 60 33.5 58.5 "     # lips
        "C36 58.5 39.5 59.5 42 57.5 "   # chin
        "C45.5 55 48.5 52 50.5 49.5 "   # under the jaw
        "C48.5 56 40 65 34 72 "         # chest
        "C32.5 74.5 32 77.5 32 80.5 Z"
    )
    mane = "M61.5 21 C67.5 25.5 71 32 72.5 40 C73.8 49 72.5 59 69 70"
    # locks of the mane: short strokes that sweep back and down from the ridge
    tufts = ("M63.5 23 Q68.5 24.5 70.5 29 M67 30.5 Q72 32.5 73.5 37.5 M69.5 39.5 Q74 42 75 47 "
             "M70.5 49 Q74.5 52 74.5 57 M70 59 Q73 62.5 72 67")
    return [
        ("body", head),
        ("line", mane),
        ("line", tufts),
        ("dot", "M40.5 31.5 C42.5 28.5 47 28.5 48.5 31 C46.5 34 42.5 34.5 40.5 31.5 Z"),
        ("dot", "M22.5 53.5 C23 51.5 25.5 50.8 26.8 52 C26.5 54.5 24 55.5 22.5 53.5 Z"),
        ("line", "M26.5 59.2 L31.5 58.2"),
        ("line", "M38 44 C41 47.5 44.5 50.5 49 50.5"),
        ("shine", "M35 32.5 C38.5 26 44 22.5 50 21.5 C44 25 40 29 37 35 Z"),
    ] + base(27, 22.5, 79.5)


def queen():
    cup = (
        "M40.5 55 C37 47 33 38 27 26.5 L36 31.5 L39 22.5 L45 30.5 L50 19.5 "
        "L55 30.5 L61 22.5 L64 31.5 L73 26.5 C67 38 63 47 59.5 55 Z"
    )
    balls = "".join(
        "M{x} {y} A{r} {r} 0 1 1 {x2} {y} Z ".format(x=fmt(cx), x2=fmt(cx - 0.01), y=fmt(cy - r), r=fmt(r))
        for cx, cy, r in ((27, 24, 3.4), (39, 20, 3.4), (50, 16.5, 4), (61, 20, 3.4), (73, 24, 3.4))
    )
    return [
        ("body", "M32 79.5 C39.5 73 43 65 43 57 L57 57 C57 65 60.5 73 68 79.5 Z"),
        ("body", balls.strip()),
        ("body", cup),
        ("line", "M36 44.5 Q50 49 64 44.5"),
        ("line", "M38.5 38 Q50 42 61.5 38"),
        ("shine", "M34.5 34 L38 36 C39.5 41 41 46 42.5 50 C39.5 46 37 40 34.5 34 Z"),
        collar(15, 52.5, 6),
    ] + base(27.5, 23, 79)


def king():
    cup = (
        "M40.5 55 C36 48 31 40 31 33.5 C31 28 37 25.5 43 26 C46 26.2 48.5 27 50 28 "
        "C51.5 27 54 26.2 57 26 C63 25.5 69 28 69 33.5 C69 40 64 48 59.5 55 Z"
    )
    cross = ("M46.8 28 L46.8 15.5 L41.5 15.5 L41.5 10 L46.8 10 L46.8 4.5 L53.2 4.5 "
             "L53.2 10 L58.5 10 L58.5 15.5 L53.2 15.5 L53.2 28 Z")
    return [
        ("body", "M32 79.5 C39.5 73 43 65 43 57 L57 57 C57 65 60.5 73 68 79.5 Z"),
        ("body", cross),
        ("body", cup),
        ("line", "M36 44.5 Q50 49 64 44.5"),
        ("line", "M33.5 37 Q50 41 66.5 37"),
        ("shine", "M34.5 33 C35.5 30 38 29 41 29 C38.5 31 37.5 34 38.5 39 C36.5 37.5 34.5 35.5 34.5 33 Z"),
        collar(15, 52.5, 6),
    ] + base(27.5, 23, 79)


PIECE_SHAPES = {
    "PORN": pawn,
    "KNIG": knight,
    "BISH": bishop,
    "ROOK": rook,
    "QEEN": queen,
    "KING": king,
}

# Fill gradients run across the piece from the lit left side to the shaded right.
PALETTES = {
    "W": {
        "stops": [(0.0, "#ffffff"), (0.45, "#f2eee3"), (1.0, "#b9b2a2")],
        "outline": "#1c1a17",
        "carve": "#2a2723",
        "carve_width": 2.2,
        "shine": ("#ffffff", 0.85),
    },
    "B": {
        "stops": [(0.0, "#6a6a6a"), (0.35, "#2c2c2c"), (1.0, "#070707")],
        "outline": "#000000",
        "carve": "#c9c9c9",
        "carve_width": 2.0,
        "shine": ("#ffffff", 0.28),
    },
}


def piece_layers(colour, shape, prefix="p"):
    """SVG markup of one piece on the 100-unit grid (no ground, no scaling)."""
    pal = PALETTES[colour]
    grad_id = prefix + "fill"
    out = ['<defs><linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="28" y1="0" x2="74" y2="0">' % grad_id]
    for off, col in pal["stops"]:
        out.append('<stop offset="%s" stop-color="%s"/>' % (fmt(off), col))
    out.append("</linearGradient></defs>\n")
    for kind, d in shape():
        if kind == "body":
            out.append('<path d="%s" fill="url(#%s)" stroke="%s" stroke-width="3" '
                       'stroke-linejoin="round"/>\n' % (d, grad_id, pal["outline"]))
        elif kind == "line":
            out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" '
                       'stroke-linecap="round" stroke-linejoin="round"/>\n'
                       % (d, pal["carve"], fmt(pal["carve_width"])))
        elif kind == "dot":
            out.append('<path d="%s" fill="%s"/>\n' % (d, pal["carve"]))
        elif kind == "shine":
            col, op = pal["shine"]
            out.append('<path d="%s" fill="%s" fill-opacity="%s"/>\n' % (d, col, fmt(op)))
    return "".join(out)


def ground_rect(rgb, size=SQUARE):
    return '<rect x="0" y="0" width="%d" height="%d" fill="%s"/>\n' % (size, size, hexcol(rgb))


def piece_svg(colour, name, ground):
    body = ground_rect(ground)
    body += '<g transform="scale(0.45)">\n'
    # soft contact shadow under the foot
    body += '<ellipse cx="51.5" cy="91.5" rx="30" ry="4.2" fill="#000000" fill-opacity="0.22"/>\n'
    body += piece_layers(colour, PIECE_SHAPES[name])
    body += "</g>\n"
    return svg_document(SQUARE, SQUARE, body)


def empty_square_svg(ground):
    return svg_document(SQUARE, SQUARE, ground_rect(ground))


# ---------------------------------------------------------------------------
# Background tiles, 46x46.  Anything that crosses an edge is drawn again one
# tile-width over on the other side, so the tile repeats without a seam.
# ---------------------------------------------------------------------------

def wrapped(x, y, reach, draw):
    """Calls draw(x, y) for the position and its copies across nearby edges."""
    parts = []
    for dx in (-TILE, 0, TILE):
        for dy in (-TILE, 0, TILE):
            px, py = x + dx, y + dy
            if -reach <= px <= TILE + reach and -reach <= py <= TILE + reach:
                parts.append(draw(px, py))
    return "".join(parts)


def tile_midori():
    rng = random.Random(1701)
    out = [ground_rect((46, 110, 62), TILE)]
    # a broad, very soft light/dark mottling; each blob is wrapped
    out.append("<defs>"
               '<radialGradient id="lite" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#5f9a67" stop-opacity="0.16"/>'
               '<stop offset="1" stop-color="#5f9a67" stop-opacity="0"/></radialGradient>'
               '<radialGradient id="dark" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#1b4a29" stop-opacity="0.16"/>'
               '<stop offset="1" stop-color="#1b4a29" stop-opacity="0"/></radialGradient>'
               "</defs>\n")
    for i in range(8):
        x, y, r = rng.uniform(0, TILE), rng.uniform(0, TILE), rng.uniform(12, 20)
        grad = "lite" if i % 2 == 0 else "dark"
        out.append(wrapped(x, y, r, lambda px, py, r=r, g=grad:
                           '<circle cx="%s" cy="%s" r="%s" fill="url(#%s)"/>\n' % (fmt(px), fmt(py), fmt(r), g)))
    # felt fibres: short faint strokes in random directions
    for _ in range(150):
        x, y = rng.uniform(0, TILE), rng.uniform(0, TILE)
        ang = rng.uniform(0, 3.14159)
        ln = rng.uniform(1.0, 2.6)
        dx, dy = math.cos(ang) * ln / 2, math.sin(ang) * ln / 2
        col = rng.choice(["#6fa877", "#6aa171", "#1d4d2a", "#245733"])
        op = rng.uniform(0.25, 0.5)
        out.append(wrapped(x, y, 2, lambda px, py, dx=dx, dy=dy, col=col, op=op:
                           '<path d="M%s %s L%s %s" stroke="%s" stroke-opacity="%s" stroke-width="0.7" '
                           'stroke-linecap="round"/>\n'
                           % (fmt(px - dx), fmt(py - dy), fmt(px + dx), fmt(py + dy), col, fmt(op))))
    return svg_document(TILE, TILE, "".join(out))


def tile_tatami():
    rng = random.Random(1703)
    rows = 16
    h = TILE / rows
    # warp threads sit away from the tile edge; the rush segment between the
    # last and the first thread runs across the edge and is drawn on both sides
    warps = [5.75, 17.25, 28.75, 40.25]
    out = ['<defs><linearGradient id="rush" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#000000" stop-opacity="0.22"/>'
           '<stop offset="0.3" stop-color="#ffffff" stop-opacity="0.18"/>'
           '<stop offset="0.55" stop-color="#ffffff" stop-opacity="0.05"/>'
           '<stop offset="1" stop-color="#000000" stop-opacity="0.25"/>'
           "</linearGradient></defs>\n"]
    out.append(ground_rect((184, 181, 104), TILE))
    for r in range(rows):
        y = r * h
        for i, x in enumerate(warps):
            w = (warps[i + 1] if i + 1 < len(warps) else warps[0] + TILE) - x
            shade = rng.uniform(-12, 12)
            base_col = (189 + shade, 189 + shade, 104 + shade * 0.6)
            streaks = []
            for _ in range(2):
                sx = rng.uniform(0.5, w - 4)
                sl = rng.uniform(2, 5)
                sy = y + rng.uniform(0.3, h - 0.3)
                streaks.append((sx, sl, sy, rng.choice(["#e6e0a0", "#8f8a4c"])))
            for dx in ((0, -TILE) if x + w > TILE else (0,)):
                sx0 = x + dx
                out.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>\n'
                           % (fmt(sx0), fmt(y), fmt(w), fmt(h), hexcol(base_col)))
                for sx, sl, sy, col in streaks:
                    out.append('<path d="M%s %s L%s %s" stroke="%s" stroke-opacity="0.35" stroke-width="0.5"/>\n'
                               % (fmt(sx0 + sx), fmt(sy), fmt(sx0 + sx + sl), fmt(sy), col))
                out.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#rush)"/>\n'
                           % (fmt(sx0), fmt(y), fmt(w), fmt(h)))
    # warp threads: a dark line with a light edge
    for x in warps:
        out.append('<rect x="%s" y="0" width="0.8" height="%d" fill="#6b6a33" fill-opacity="0.4"/>\n'
                   % (fmt(x - 0.4), TILE))
        out.append('<rect x="%s" y="0" width="0.5" height="%d" fill="#efe9b0" fill-opacity="0.25"/>\n'
                   % (fmt(x + 0.4), TILE))
    return svg_document(TILE, TILE, "".join(out))


def tile_take():
    rng = random.Random(1705)
    out = ['<defs>'
           '<linearGradient id="gap" x1="0" y1="0" x2="1" y2="0">'
           '<stop offset="0" stop-color="#0f2a12"/><stop offset="0.5" stop-color="#1d3f1c"/>'
           '<stop offset="1" stop-color="#0f2a12"/></linearGradient>'
           '<linearGradient id="stalk" x1="0" y1="0" x2="1" y2="0">'
           '<stop offset="0" stop-color="#3d6322"/><stop offset="0.18" stop-color="#86ad45"/>'
           '<stop offset="0.32" stop-color="#b9d477"/><stop offset="0.5" stop-color="#8db24a"/>'
           '<stop offset="0.85" stop-color="#4f7a2a"/><stop offset="1" stop-color="#2f4f1a"/>'
           '</linearGradient>'
           '<linearGradient id="node" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#2c4a16"/><stop offset="0.35" stop-color="#4f7428"/>'
           '<stop offset="0.55" stop-color="#d8e7a0"/><stop offset="1" stop-color="#9fc25a" stop-opacity="0"/>'
           '</linearGradient>'
           '</defs>\n']
    out.append('<rect x="0" y="0" width="%d" height="%d" fill="#173516"/>\n' % (TILE, TILE))
    # three stalks; the gap at the tile edge is the same on both sides
    stalks = [(1.5, 14.5, 9.0), (17.5, 12.0, 30.0), (31.0, 13.5, 19.0)]
    for x, w, node_y in stalks:
        out.append('<rect x="%s" y="0" width="%s" height="%d" fill="url(#stalk)"/>\n'
                   % (fmt(x), fmt(w), TILE))
        # faint lengthwise fibres
        for _ in range(3):
            fx = x + rng.uniform(2, w - 2)
            out.append('<rect x="%s" y="0" width="0.4" height="%d" fill="#e9f3c2" fill-opacity="0.12"/>\n'
                       % (fmt(fx), TILE))
        # node ring, drawn at y and wrapped at y +/- TILE so it may cross the edge
        for ny in (node_y - TILE, node_y, node_y + TILE):
            if ny < -4 or ny > TILE + 4:
                continue
            out.append('<rect x="%s" y="%s" width="%s" height="3.2" rx="1" fill="url(#node)"/>\n'
                       % (fmt(x - 0.6), fmt(ny - 1.2), fmt(w + 1.2)))
            out.append('<path d="M%s %s L%s %s" stroke="#1f3a10" stroke-width="0.8"/>\n'
                       % (fmt(x - 0.6), fmt(ny - 0.8), fmt(x + w + 0.6), fmt(ny - 0.8)))
    # darker shading in the gaps between stalks
    for gx, gw in ((-1.0, 2.5), (16.0, 1.5), (29.5, 1.5), (45.0, 2.5)):
        out.append('<rect x="%s" y="0" width="%s" height="%d" fill="url(#gap)"/>\n' % (fmt(gx), fmt(gw), TILE))
    return svg_document(TILE, TILE, "".join(out))


def tile_uchu():
    rng = random.Random(1707)
    out = ['<defs>'
           '<radialGradient id="neb1" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#3b2a6e" stop-opacity="0.45"/>'
           '<stop offset="1" stop-color="#3b2a6e" stop-opacity="0"/></radialGradient>'
           '<radialGradient id="neb2" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#183a66" stop-opacity="0.4"/>'
           '<stop offset="1" stop-color="#183a66" stop-opacity="0"/></radialGradient>'
           '<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#ffffff" stop-opacity="0.9"/>'
           '<stop offset="0.25" stop-color="#cfe0ff" stop-opacity="0.35"/>'
           '<stop offset="1" stop-color="#cfe0ff" stop-opacity="0"/></radialGradient>'
           '</defs>\n']
    out.append(ground_rect((4, 5, 14), TILE))
    for x, y, r, g in ((12, 30, 20, "neb1"), (36, 10, 17, "neb2")):
        out.append(wrapped(x, y, r, lambda px, py, r=r, g=g:
                           '<circle cx="%s" cy="%s" r="%s" fill="url(#%s)"/>\n' % (fmt(px), fmt(py), fmt(r), g)))
    for _ in range(22):
        x, y = rng.uniform(0, TILE), rng.uniform(0, TILE)
        r = rng.choice([0.35, 0.45, 0.5, 0.6])
        col = rng.choice(["#ffffff", "#dfe8ff", "#fff3d6", "#cfd8ff"])
        op = rng.uniform(0.45, 0.95)
        out.append(wrapped(x, y, 1, lambda px, py, r=r, col=col, op=op:
                           '<circle cx="%s" cy="%s" r="%s" fill="%s" fill-opacity="%s"/>\n'
                           % (fmt(px), fmt(py), fmt(r), col, fmt(op))))
    # two brighter stars with a soft halo and a faint cross glint
    for x, y in ((33.5, 35.0),):
        out.append(wrapped(x, y, 4, lambda px, py:
                           '<circle cx="%s" cy="%s" r="2.8" fill="url(#glow)"/>\n'
                           '<path d="M%s %s L%s %s M%s %s L%s %s" stroke="#e8f0ff" stroke-opacity="0.55" '
                           'stroke-width="0.35"/>\n'
                           '<circle cx="%s" cy="%s" r="0.75" fill="#ffffff"/>\n'
                           % (fmt(px), fmt(py),
                              fmt(px - 2.2), fmt(py), fmt(px + 2.2), fmt(py),
                              fmt(px), fmt(py - 2.2), fmt(px), fmt(py + 2.2),
                              fmt(px), fmt(py))))
    return svg_document(TILE, TILE, "".join(out))


def tile_renga():
    mortar = "#b9ab96"
    rows = [8, 7, 8, 8, 7, 8]  # sums to 46; alternate rows shift by half a brick
    brick_len = 23
    gap = 1.2
    out = ['<defs>'
           '<linearGradient id="face" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#ffffff" stop-opacity="0.18"/>'
           '<stop offset="0.25" stop-color="#ffffff" stop-opacity="0"/>'
           '<stop offset="0.75" stop-color="#000000" stop-opacity="0"/>'
           '<stop offset="1" stop-color="#000000" stop-opacity="0.28"/>'
           '</linearGradient></defs>\n']
    out.append('<rect x="0" y="0" width="%d" height="%d" fill="%s"/>\n' % (TILE, TILE, mortar))
    tints = [(160, 62, 45), (172, 70, 50), (150, 56, 42), (182, 82, 58), (141, 52, 40), (166, 75, 55)]
    y = 0.0
    for r, h in enumerate(rows):
        offset = 0.0 if r % 2 == 0 else brick_len / 2
        for i in range(-1, 3):
            x = offset + i * brick_len
            # each brick is drawn once per visible copy; the colour is tied to the
            # brick's position modulo the tile, so copies across the edge agree
            brick_rng = random.Random(1709 + r * 1000 + int(round((x % TILE) * 10)))
            tint = tints[brick_rng.randrange(len(tints))]
            bx, bw = x + gap / 2, brick_len - gap
            by, bh = y + gap / 2, h - gap
            if bx + bw < 0 or bx > TILE:
                continue
            out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="0.6" fill="%s"/>\n'
                       % (fmt(bx), fmt(by), fmt(bw), fmt(bh), hexcol(tint)))
            for _ in range(5):
                sx = bx + brick_rng.uniform(1, bw - 1)
                sy = by + brick_rng.uniform(0.8, bh - 0.8)
                col = brick_rng.choice(["#5a2118", "#d79070", "#7a3324"])
                out.append('<circle cx="%s" cy="%s" r="%s" fill="%s" fill-opacity="0.45"/>\n'
                           % (fmt(sx), fmt(sy), fmt(brick_rng.uniform(0.3, 0.7)), col))
            out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="0.6" fill="url(#face)"/>\n'
                       % (fmt(bx), fmt(by), fmt(bw), fmt(bh)))
        y += h
    return svg_document(TILE, TILE, "".join(out))


# ---------------------------------------------------------------------------
# Logo and version picture
# ---------------------------------------------------------------------------

GOLD_DEFS = (
    '<linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#fff4c2"/><stop offset="0.45" stop-color="#e2b955"/>'
    '<stop offset="0.55" stop-color="#c8952e"/><stop offset="1" stop-color="#f0d07a"/>'
    '</linearGradient>'
    '<linearGradient id="lacquer" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#4a1a16"/><stop offset="0.5" stop-color="#2a0b09"/>'
    '<stop offset="1" stop-color="#170504"/></linearGradient>'
)


def title_text(x, y, latin_size, kana_size, fill, extra=""):
    """ "Zarvo チェス": italic Latin name, upright katakana, centred on x.

    Mincho has no bold face, so the text is drawn three times a fraction of a
    pixel apart, which thickens the strokes the way a heavier cut would.
    """
    spans = ('<tspan font-style="italic" font-size="%s">Zarvo</tspan>'
             '<tspan font-size="%s"> チェス</tspan>' % (fmt(latin_size), fmt(kana_size)))
    out = []
    for dx in (0.0, latin_size * 0.018, latin_size * 0.036):
        out.append('<text x="%s" y="%s" text-anchor="middle" xml:space="preserve" font-family="%s" '
                   'fill="%s" %s>%s</text>\n' % (fmt(x + dx), fmt(y), FONT_FAMILY, fill, extra, spans))
    return "".join(out)


def logo_svg():
    w, h = 117, 37
    body = "<defs>%s</defs>\n" % GOLD_DEFS
    body += ('<rect x="0.75" y="0.75" width="115.5" height="35.5" rx="6" fill="url(#lacquer)" '
             'stroke="url(#gold)" stroke-width="1.5"/>\n')
    body += ('<rect x="3.2" y="3.2" width="110.6" height="30.6" rx="4" fill="none" stroke="#e2b955" '
             'stroke-opacity="0.5" stroke-width="0.6"/>\n')
    # a soft sheen across the upper half of the plaque
    body += ('<path d="M4 8 Q4 4 8 4 L109 4 Q113 4 113 8 L113 15 Q58.5 21 4 15 Z" fill="#ffffff" '
             'fill-opacity="0.07"/>\n')
    body += title_text(58.5, 25.2, 19, 16, "#000000", 'fill-opacity="0.65" transform="translate(0.9,1)"')
    body += title_text(58.5, 25.2, 19, 16, "url(#gold)")
    return svg_document(w, h, body)


def version_svg():
    w, h = 337, 106
    body = "<defs>%s" % GOLD_DEFS
    body += ('<linearGradient id="panel" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#fbf7ec"/><stop offset="1" stop-color="#e6dcc2"/></linearGradient>'
             '</defs>\n')
    body += '<rect x="0" y="0" width="%d" height="%d" fill="url(#panel)"/>\n' % (w, h)
    # a strip of board squares down the left side, in the game's two ground colours
    cell = 106 / 6
    for i in range(6):
        for j in range(2):
            col = TEAL if (i + j) % 2 == 0 else REDBROWN
            body += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>\n' % (
                fmt(j * cell), fmt(i * cell), fmt(cell + 0.05), fmt(cell + 0.05), hexcol(col))
    body += '<path d="M%s 0 L%s 106" stroke="#3b2a1a" stroke-width="1"/>\n' % (fmt(2 * cell + 0.5), fmt(2 * cell + 0.5))
    # white king with the black knight in front of it, from the piece drawings
    body += '<ellipse cx="112" cy="97" rx="62" ry="4.5" fill="#3b2a1a" fill-opacity="0.18"/>\n'
    body += '<g transform="translate(40,6) scale(0.93)">\n%s</g>\n' % piece_layers("W", king, "vk")
    body += '<g transform="translate(92,21) scale(0.79)">\n%s</g>\n' % piece_layers("B", knight, "vn")
    body += title_text(243, 50, 32, 26, "#2a0b09")
    body += '<path d="M168 61.5 L318 61.5" stroke="url(#gold)" stroke-width="2.2"/>\n'
    body += '<path d="M168 62.6 L318 62.6" stroke="#8a6420" stroke-opacity="0.6" stroke-width="0.5"/>\n'
    body += ('<text x="243" y="86" text-anchor="middle" font-family="%s" font-size="17" fill="#3b2a1a">'
             'Version 1.0</text>\n' % FONT_FAMILY)
    body += '<rect x="0.5" y="0.5" width="336" height="105" fill="none" stroke="#3b2a1a" stroke-width="1"/>\n'
    return svg_document(w, h, body)


# ---------------------------------------------------------------------------

PIECE_ORDER = ["PORN", "KNIG", "BISH", "ROOK", "QEEN", "KING"]


def all_pictures():
    pics = {}
    for colour in ("B", "W"):
        for ground_no, ground in GROUNDS.items():
            for name in PIECE_ORDER:
                pics["%s_%s_%s" % (colour, name, ground_no)] = piece_svg(colour, name, ground)
    pics["KARA_MASU1"] = empty_square_svg(TEAL)
    pics["KARA_MASU2"] = empty_square_svg(REDBROWN)
    pics["HAIKEI_MIDORI"] = tile_midori()
    pics["HAIKEI_TATAMI"] = tile_tatami()
    pics["HAIKEI_TAKE"] = tile_take()
    pics["HAIKEI_UCHU"] = tile_uchu()
    pics["HAIKEI_RENGA"] = tile_renga()
    pics["ZARVOCHESS"] = logo_svg()
    pics["VERSION"] = version_svg()
    return pics


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "pictures")
    os.makedirs(out_dir, exist_ok=True)
    pics = all_pictures()
    for name, text in sorted(pics.items()):
        with open(os.path.join(out_dir, name + ".svg"), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    write_resource_list(out_dir, sorted(pics))
    print("wrote %d pictures to %s" % (len(pics), os.path.normpath(out_dir)))


def write_resource_list(out_dir, names):
    """Qt resource list beside the picture folder: ":/pictures/<NAME>.svg"."""
    folder = os.path.basename(os.path.normpath(out_dir))
    lines = ['<!DOCTYPE RCC>', '<!-- written by tools/make_artwork.py -->', '<RCC version="1.0">',
             '<qresource prefix="/pictures">']
    for name in names:
        lines.append('    <file alias="%s.svg">%s/%s.svg</file>' % (name, folder, name))
    lines += ['</qresource>', '</RCC>', '']
    qrc = os.path.join(os.path.dirname(os.path.normpath(out_dir)), "pictures.qrc")
    with open(qrc, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
