#!/usr/bin/python3
"""Generates Glimra's binary resources: the two TrueType fonts, the icons and the hand cursor.

The outputs are committed under src/resources/ so a Windows build needs no Python. Run again after
changing a drawing:

    /usr/bin/python3 tools/make_resources.py            # rewrite src/resources/*
    /usr/bin/python3 tools/make_resources.py --preview /tmp/glimra-preview   # also write PNG previews

Needs the Debian packages python3-fonttools, python3-pil and fonts-comfortaa (the title face is a
renamed subset of Comfortaa Bold, SIL OFL 1.1, licence in licenses/). Everything else is drawn here.
The output is deterministic: the same inputs give byte-identical files.
"""

import argparse
import io
import math
import struct
import sys
from pathlib import Path

from fontTools import subset
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from PIL import Image, ImageDraw, ImageFont

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / "src" / "resources"
TITLE_SOURCE = Path("/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf")

# Fixed font timestamps (seconds since 1904-01-01) keep regenerated fonts byte-identical.
FONT_TIMESTAMP = 3_667_334_400  # 2020-03-15

GLYPH_FAMILY = "FontGlimra1"
TITLE_FAMILY = "Pseudo BRK"
TITLE_POSTSCRIPT = "PseudoBRK"

# ---------------------------------------------------------------------------------------------
# Outline geometry for the icon font. A contour is a list of (x, y, on_curve) points, TrueType
# style: quadratic curves, outer contours clockwise, holes counter-clockwise.


def _arc_points(cx, cy, r, a0, a1):
    """Points of a circular arc from angle a0 to a1 (degrees, either direction), with off-curve
    control points; starts and ends on-curve."""
    steps = max(1, math.ceil(abs(a1 - a0) / 45.0 - 1e-9))
    step = (a1 - a0) / steps
    control = r / math.cos(math.radians(step / 2))
    points = []
    for i in range(steps + 1):
        a = math.radians(a0 + i * step)
        if i:
            m = math.radians(a0 + (i - 0.5) * step)
            points.append((cx + control * math.cos(m), cy + control * math.sin(m), False))
        points.append((cx + r * math.cos(a), cy + r * math.sin(a), True))
    return points


def _signed_area(contour):
    area = 0.0
    for (x0, y0, _), (x1, y1, _) in zip(contour, contour[1:] + contour[:1]):
        area += x0 * y1 - x1 * y0
    return area / 2


def oriented(contour, clockwise=True):
    """The contour turned to the requested direction (y grows upward, as in a font)."""
    is_clockwise = _signed_area(contour) < 0
    return list(contour) if is_clockwise == clockwise else list(reversed(contour))


def circle(cx, cy, r):
    return _arc_points(cx, cy, r, 0, 360)[:-1]


def capsule(x0, y0, x1, y1, r):
    """A stroke with round ends from (x0, y0) to (x1, y1), r being half its width."""
    a = math.degrees(math.atan2(y1 - y0, x1 - x0))
    return _arc_points(x1, y1, r, a - 90, a + 90) + _arc_points(x0, y0, r, a + 90, a + 270)


def rounded_rect(x0, y0, x1, y1, r):
    return (
        _arc_points(x1 - r, y0 + r, r, -90, 0)
        + _arc_points(x1 - r, y1 - r, r, 0, 90)
        + _arc_points(x0 + r, y1 - r, r, 90, 180)
        + _arc_points(x0 + r, y0 + r, r, 180, 270)
    )


def polygon(points):
    return [(x, y, True) for x, y in points]


def band(cx, cy, r_outer, r_inner, a0, a1):
    """A ring segment between radii r_inner and r_outer from angle a0 to a1."""
    return _arc_points(cx, cy, r_outer, a0, a1) + _arc_points(cx, cy, r_inner, a1, a0)


def _draw_contour(pen, contour):
    # Start on an on-curve point, then emit lines and quadratic runs.
    start = next(i for i, p in enumerate(contour) if p[2])
    points = contour[start:] + contour[:start]
    pen.moveTo((round(points[0][0]), round(points[0][1])))
    pending = []
    for x, y, on in points[1:] + points[:1]:
        xy = (round(x), round(y))
        if not on:
            pending.append(xy)
        elif pending:
            pen.qCurveTo(*pending, xy)
            pending = []
        else:
            pen.lineTo(xy)
    pen.closePath()


def make_glyph(filled=(), holes=()):
    pen = TTGlyphPen(None)
    for contour in filled:
        _draw_contour(pen, oriented(contour, clockwise=True))
    for contour in holes:
        _draw_contour(pen, oriented(contour, clockwise=False))
    return pen.glyph()


# Icon font metrics: a 1000-unit em whose cell (ascent + descent) is the em, so a font of cell
# height 22 px draws the em at 22 px. Icons sit in a square around the cell's middle.
EM = 1000
ASCENT = 800
DESCENT = 200
CX = 500
CY = (ASCENT - DESCENT) // 2  # 300: the vertical middle of the cell
HALF = 410  # half the icon square: about 18 px of a 22 px cell


def sun_rays(cx, cy, r_from, r_to, width, count=8, phase=0.0):
    rays = []
    for i in range(count):
        a = math.radians(phase + i * 360.0 / count)
        c, s = math.cos(a), math.sin(a)
        rays.append(capsule(cx + r_from * c, cy + r_from * s, cx + r_to * c, cy + r_to * s, width / 2))
    return rays


def glyph_monitor_brightness():
    # A monitor with a small sun on its screen.
    left, right, top, bottom = CX - HALF, CX + HALF, CY + HALF - 10, CY - HALF + 150
    frame = 72
    screen = rounded_rect(left, bottom, right, top, 95)
    inner = rounded_rect(left + frame, bottom + frame, right - frame, top - frame, 28)
    neck_half, base_half, base_top = 62, 240, bottom - 70
    stand = polygon(
        [
            (CX - neck_half, bottom),
            (CX + neck_half, bottom),
            (CX + neck_half, base_top),
            (CX + base_half, base_top),
            (CX + base_half, base_top - 75),
            (CX - base_half, base_top - 75),
            (CX - base_half, base_top),
            (CX - neck_half, base_top),
        ]
    )
    sx, sy = CX, (top + bottom) / 2
    return make_glyph([screen, stand, circle(sx, sy, 92)] + sun_rays(sx, sy, 152, 200, 60), [inner])


def glyph_monitor_contrast():
    # A ring with its left half filled.
    outer, inner = HALF - 20, HALF - 95
    half_disc = _arc_points(CX, CY, inner, 90, 270)
    return make_glyph([circle(CX, CY, outer), half_disc], [circle(CX, CY, inner)])


def glyph_video_brightness():
    # A sun: a disc and eight rays.
    return make_glyph([circle(CX, CY, 165)] + sun_rays(CX, CY, 262, 362, 92))


def glyph_reset():
    # A circular arrow turning counter-clockwise, its head at the top.
    r_outer, r_inner = HALF - 40, HALF - 125
    start, end = 125, 125 + 290  # the arc runs counter-clockwise from start to end
    ring = band(CX, CY, r_outer, r_inner, start, end)
    # Head at the arc's start, pointing clockwise along the circle (the direction it turns back).
    mid = (r_outer + r_inner) / 2
    a = math.radians(start)
    radial = (math.cos(a), math.sin(a))
    tangent = (math.sin(a), -math.cos(a))  # clockwise direction at angle a
    base = (CX + mid * radial[0], CY + mid * radial[1])
    spread, length = 175, 190
    head = polygon(
        [
            (base[0] + spread * radial[0], base[1] + spread * radial[1]),
            (base[0] + length * tangent[0], base[1] + length * tangent[1]),
            (base[0] - spread * radial[0], base[1] - spread * radial[1]),
        ]
    )
    return make_glyph([ring, head])


def glyph_menu():
    # Three bars.
    r = 46
    bars = [capsule(CX - 330, CY + dy, CX + 330, CY + dy, r) for dy in (215, 0, -215)]
    return make_glyph(bars)


def build_glyph_font():
    """The icon font: the slider and button icons on the characters the controls ask for."""
    # '&' is blank: the button measures it to place its text to the right of the icon.
    glyphs = {
        ".notdef": (make_glyph(), 600),
        "space": (make_glyph(), 300),
        "ampersand": (make_glyph(), 820),
        "D": (glyph_monitor_brightness(), EM),
        "I": (glyph_monitor_contrast(), EM),
        "x": (glyph_menu(), EM),
        "periodcentered": (glyph_reset(), EM),
        "Aring": (glyph_video_brightness(), EM),
    }
    cmap = {0x20: "space", 0x26: "ampersand", 68: "D", 73: "I", 120: "x", 183: "periodcentered", 197: "Aring"}
    order = list(glyphs)
    fb = FontBuilder(EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf({name: g for name, (g, _) in glyphs.items()})
    metrics = {}
    for name, (g, advance) in glyphs.items():
        g.recalcBounds(fb.font["glyf"])
        metrics[name] = (advance, getattr(g, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable(
        {
            "copyright": "Copyright 2020 the Glimra authors",
            "familyName": GLYPH_FAMILY,
            "styleName": "Regular",
            "uniqueFontIdentifier": GLYPH_FAMILY + " 1.000",
            "fullName": GLYPH_FAMILY,
            "version": "Version 1.000",
            "psName": GLYPH_FAMILY,
            "description": "Icons of Glimra's sliders and buttons",
        },
        mac=False,
    )
    fb.setupOS2(
        version=4,
        sTypoAscender=ASCENT,
        sTypoDescender=-DESCENT,
        sTypoLineGap=0,
        usWinAscent=ASCENT,
        usWinDescent=DESCENT,
        usWeightClass=400,
        fsType=0,
        fsSelection=0x40 | 0x80,  # regular, use the typographic metrics
        achVendID="GLMR",
        ulUnicodeRange1=0b11,  # Basic Latin, Latin-1 Supplement
        ulCodePageRange1=1,  # Latin 1: the program asks for the ANSI character set
        sxHeight=500,
        sCapHeight=700,
    )
    fb.setupPost()
    font = fb.font
    font["head"].created = font["head"].modified = FONT_TIMESTAMP
    font["head"].fontRevision = 1.0
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000F}  # smooth at every size: the icons have no hinting
    font["gasp"] = gasp
    return _save(font)


def build_title_font():
    """The title face: a renamed subset of Comfortaa Bold (its reserved name must not be used)."""
    source = TTFont(TITLE_SOURCE, recalcTimestamp=False)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "DSIG"]
    options.layout_features = []
    unicodes = (
        list(range(0x20, 0x7F))
        + list(range(0xA0, 0x100))
        + list(range(0x400, 0x460))
        + [0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x201E, 0x2026, 0x2116]
    )
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(source)

    name = source["name"]
    copyright_text = name.getDebugName(0)
    licence = name.getDebugName(13)
    licence_url = name.getDebugName(14)
    name.names = []
    for name_id, text in (
        (0, copyright_text),
        (1, TITLE_FAMILY),
        (2, "Regular"),
        (3, "1.000;" + TITLE_POSTSCRIPT),
        (4, TITLE_FAMILY),
        (5, "Version 1.000"),
        (6, TITLE_POSTSCRIPT),
        (10, "Title face of Glimra: a subset of Comfortaa Bold under another name"),
        (13, licence),
        (14, licence_url),
    ):
        name.setName(text, name_id, 3, 1, 0x409)

    # Present it as the regular weight of its own family so a request for weight 400 takes it as is.
    os2 = source["OS/2"]
    os2.usWeightClass = 400
    os2.fsSelection = (os2.fsSelection & ~0x21) | 0x40
    os2.ulCodePageRange1 |= 0b101  # Latin 1 and Cyrillic
    os2.achVendID = "GLMR"
    # Fit the cell to the glyphs that are left: the program asks for a 24-pixel cell, and the source's
    # generous line spacing would make the title needlessly small in it. Nothing is clipped.
    glyf = source["glyf"]
    outlines = [glyf[name] for name in source.getGlyphOrder() if glyf[name].numberOfContours]
    for outline in outlines:
        outline.recalcBounds(glyf)
    top = max(outline.yMax for outline in outlines)
    bottom = min(outline.yMin for outline in outlines)
    os2.usWinAscent, os2.usWinDescent = top, -bottom
    source["hhea"].ascent, source["hhea"].descent, source["hhea"].lineGap = top, bottom, 0
    source["head"].macStyle = 0
    source["head"].modified = FONT_TIMESTAMP
    source["post"].formatType = 2.0
    return _save(source)


def _save(font):
    font.recalcTimestamp = False
    buffer = io.BytesIO()
    font.save(buffer)
    return buffer.getvalue()


# ---------------------------------------------------------------------------------------------
# Raster art: drawn at 8x and reduced with premultiplied alpha, so edges are smooth at every size.

SUPER = 8
TILE_TOP = (58, 146, 204)
TILE_BOTTOM = (30, 96, 146)
TILE_EDGE = (22, 74, 114)
WHITE = (255, 255, 255, 255)


class Canvas:
    """A square drawing surface in icon pixels; coordinates are floats in the final size."""

    def __init__(self, size):
        self.size = size
        self.image = Image.new("RGBA", (size * SUPER, size * SUPER), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    def _box(self, x0, y0, x1, y1):
        return [x0 * SUPER, y0 * SUPER, x1 * SUPER - 1, y1 * SUPER - 1]

    def rounded(self, x0, y0, x1, y1, r, fill):
        self.draw.rounded_rectangle(self._box(x0, y0, x1, y1), radius=r * SUPER, fill=fill)

    def ellipse(self, x0, y0, x1, y1, fill):
        self.draw.ellipse(self._box(x0, y0, x1, y1), fill=fill)

    def polygon(self, points, fill):
        self.draw.polygon([(x * SUPER, y * SUPER) for x, y in points], fill=fill)

    def line(self, x0, y0, x1, y1, width, fill):
        """A stroke with round ends."""
        w = width * SUPER
        self.draw.line([(x0 * SUPER, y0 * SUPER), (x1 * SUPER, y1 * SUPER)], fill=fill, width=round(w))
        for x, y in ((x0, y0), (x1, y1)):
            self.draw.ellipse([x * SUPER - w / 2, y * SUPER - w / 2, x * SUPER + w / 2, y * SUPER + w / 2], fill=fill)

    def paste(self, layer):
        self.image.alpha_composite(layer)

    def result(self):
        # Box averaging of whole 8x8 blocks: exact coverage, no ringing around the edges.
        premultiplied = self.image.convert("RGBa")
        small = premultiplied.resize((self.size, self.size), Image.BOX)
        return small.convert("RGBA")


def vertical_gradient(size, top, bottom):
    gradient = Image.new("RGBA", (1, size), (0, 0, 0, 0))
    for y in range(size):
        t = y / max(1, size - 1)
        gradient.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
    return gradient.resize((size, size))


def draw_tile(canvas):
    """The blue rounded tile behind the program's symbols."""
    s = canvas.size
    margin = 0 if s <= 16 else round(s / 32)
    radius = max(2.5, s * 0.2)
    mask = Image.new("L", canvas.image.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        [margin * SUPER, margin * SUPER, (s - margin) * SUPER - 1, (s - margin) * SUPER - 1],
        radius=radius * SUPER,
        fill=255,
    )
    edge = Image.new("RGBA", canvas.image.size, TILE_EDGE + (255,))
    canvas.image.paste(edge, (0, 0), mask)
    inset = max(1, round(s / 48))
    inner = Image.new("L", canvas.image.size, 0)
    ImageDraw.Draw(inner).rounded_rectangle(
        [(margin + inset) * SUPER, (margin + inset) * SUPER, (s - margin - inset) * SUPER - 1, (s - margin - inset) * SUPER - 1],
        radius=(radius - inset) * SUPER,
        fill=255,
    )
    canvas.image.paste(vertical_gradient(canvas.image.size[0], TILE_TOP, TILE_BOTTOM), (0, 0), inner)


# The mark's proportions by icon size: (disc radius, hollow ring, rays from, rays to, ray width,
# square ray ends), in pixels. Small sizes are placed on whole pixels so the rays stay crisp.
MARK_SHAPES = {
    16: (3.0, 1.0, 4.6, 6.6, 1.6, True),
    24: (4.5, 1.25, 6.6, 9.6, 2.0, True),
}


def mark_shape(size, scale):
    if size in MARK_SHAPES:
        return MARK_SHAPES[size]
    width = 0.15 * scale
    return (0.46 * scale, 0.09 * scale, 0.68 * scale, scale - width / 2, width, False)


def program_icon(size, tray=False):
    canvas = Canvas(size)
    draw_tile(canvas)
    symbol = Canvas(size)
    scale = size * (0.4 if not tray else 0.43)
    draw_mark(symbol, size / 2, size / 2, mark_shape(size, scale))
    canvas.paste(symbol.image)
    return canvas.result()


def draw_mark(layer, cx, cy, shape, colour=WHITE):
    """Glimra's mark on a transparent layer: a disc with a hollow left half, in a ring of rays."""
    disc, ring, ray_from, ray_to, width, square = shape
    layer.ellipse(cx - disc, cy - disc, cx + disc, cy + disc, colour)
    hole = Image.new("L", layer.image.size, 0)
    d = ImageDraw.Draw(hole)
    inner = disc - ring
    d.pieslice(
        [(cx - inner) * SUPER, (cy - inner) * SUPER, (cx + inner) * SUPER - 1, (cy + inner) * SUPER - 1], 90, 270, fill=255
    )
    # A solid middle line keeps the two halves apart at small sizes.
    d.rectangle([(cx - ring * 0.35) * SUPER, 0, layer.image.size[0], layer.image.size[1]], fill=0)
    alpha = layer.image.getchannel("A")
    alpha.paste(0, mask=hole)
    layer.image.putalpha(alpha)
    for i in range(8):
        a = math.radians(i * 45.0)
        c, s = math.cos(a), math.sin(a)
        if square:
            h = width / 2
            corners = [(ray_from, -h), (ray_to, -h), (ray_to, h), (ray_from, h)]
            layer.polygon([(cx + x * c - y * s, cy + x * s + y * c) for x, y in corners], colour)
        else:
            layer.line(cx + ray_from * c, cy + ray_from * s, cx + ray_to * c, cy + ray_to * s, width, colour)


def options_icon(size):
    canvas = Canvas(size)
    draw_tile(canvas)
    gear = Canvas(size)
    cx = cy = size / 2
    outer, body, hole = size * 0.36, size * 0.28, size * 0.11
    teeth = 8
    points = []
    for i in range(teeth * 4):
        a = math.radians((i - 0.5) * 360.0 / (teeth * 4))
        r = outer if (i % 4) in (1, 2) else body
        # Taper the teeth slightly.
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    gear.polygon(points, WHITE)
    gear.ellipse(cx - body, cy - body, cx + body, cy + body, WHITE)
    alpha = gear.image.getchannel("A")
    ImageDraw.Draw(alpha).ellipse(
        [(cx - hole) * SUPER, (cy - hole) * SUPER, (cx + hole) * SUPER - 1, (cy + hole) * SUPER - 1], fill=0
    )
    gear.image.putalpha(alpha)
    canvas.paste(gear.image)
    return canvas.result()


def about_image(size=128):
    """The About picture: a monitor showing the mark on a blue screen."""
    canvas = Canvas(size)
    u = size / 128
    # Stand and base.
    canvas.polygon([(54 * u, 96 * u), (74 * u, 96 * u), (78 * u, 112 * u), (50 * u, 112 * u)], (150, 158, 168, 255))
    canvas.rounded(34 * u, 110 * u, 94 * u, 118 * u, 4 * u, (110, 118, 130, 255))
    # Bezel with a soft edge, then the screen.
    canvas.rounded(6 * u, 14 * u, 122 * u, 100 * u, 9 * u, (52, 58, 68, 255))
    canvas.rounded(7 * u, 15 * u, 121 * u, 99 * u, 8 * u, (70, 77, 89, 255))
    screen = Image.new("L", canvas.image.size, 0)
    ImageDraw.Draw(screen).rounded_rectangle(
        [14 * u * SUPER, 22 * u * SUPER, 114 * u * SUPER - 1, 92 * u * SUPER - 1], radius=3 * u * SUPER, fill=255
    )
    canvas.image.paste(vertical_gradient(canvas.image.size[0], TILE_TOP, TILE_BOTTOM), (0, 0), screen)
    symbol = Canvas(size)
    draw_mark(symbol, 64 * u, 57 * u, mark_shape(size, 28 * u))
    canvas.paste(symbol.image)
    # A faint reflection across the screen's upper left.
    glare = Image.new("RGBA", canvas.image.size, (0, 0, 0, 0))
    ImageDraw.Draw(glare).polygon(
        [(14 * u * SUPER, 22 * u * SUPER), (70 * u * SUPER, 22 * u * SUPER), (14 * u * SUPER, 70 * u * SUPER)],
        fill=(255, 255, 255, 26),
    )
    clipped = Image.new("RGBA", canvas.image.size, (0, 0, 0, 0))
    clipped.paste(glare, (0, 0), screen)
    canvas.paste(clipped)
    return canvas.result()


def hand_cursor():
    """A pointing hand, index finger up, black outline on white; hot spot at the fingertip."""
    size = 32
    canvas = Canvas(size)
    outline = (0, 0, 0, 255)
    fill = (255, 255, 255, 255)
    # Shapes of the hand (x0, y0, x1, y1, radius) in cursor pixels.
    finger = (9.0, 1.0, 13.0, 16.0, 2.0)
    knuckles = [(13.0, 9.0, 17.0, 16.0, 2.0), (17.0, 10.0, 21.0, 17.0, 2.0), (21.0, 11.0, 25.0, 18.0, 2.0)]
    palm = (7.0, 14.0, 25.0, 27.0, 4.0)
    cuff = (10.0, 25.0, 23.0, 29.0, 0.5)
    thumb = [(3.2, 15.2), (5.0, 13.6), (9.6, 18.0), (9.6, 23.0), (7.6, 23.0)]
    rects = [finger] + knuckles + [palm, cuff]
    pen = 1.0
    for x0, y0, x1, y1, r in rects:
        canvas.rounded(x0 - pen, y0 - pen, x1 + pen, y1 + pen, r + pen, outline)
    canvas.line(thumb[0][0], thumb[0][1], 8.4, 19.2, 3.6 + 2 * pen, outline)
    for x0, y0, x1, y1, r in rects:
        canvas.rounded(x0, y0, x1, y1, r, fill)
    canvas.line(thumb[0][0], thumb[0][1], 8.4, 19.2, 3.6, fill)
    canvas.rounded(7.0, 16.0, 25.0, 27.0, 4.0, fill)
    # Creases between the folded fingers and the cuff line.
    for x in (17.0, 21.0):
        canvas.rounded(x, 14.0, x + 1, 18.0, 0, outline)
    canvas.rounded(10.0, 25.0, 23.0, 26.0, 0, outline)
    return canvas.result(), (11, 1)


# ---------------------------------------------------------------------------------------------
# Icon and cursor files: 32-bit DIB images with an AND mask, which every Windows version and Wine
# reads (no PNG-compressed entries).


def _dib(image):
    width, height = image.size
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b, a = image.getpixel((x, y))
            pixels += bytes((b, g, r, a))
    stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            if image.getpixel((x, y))[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def _png(image):
    out = io.BytesIO()
    image.save(out, format="PNG", optimize=True)
    return out.getvalue()


def icon_file(images, hotspots=None):
    """An .ico (or, with hot spots, a .cur) holding the images in the order given; an image larger than
    128 pixels is stored compressed as PNG, as Windows Vista and later read it (uncompressed, the About
    picture's 192-pixel image alone would be 150 KB of the program)."""
    kind = 2 if hotspots else 1
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    blobs = []
    for i, image in enumerate(images):
        blob = _png(image) if image.size[0] > 128 else _dib(image)
        w, h = image.size
        if hotspots:
            planes, bits = hotspots[i]
        else:
            planes, bits = 1, 32
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, planes, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


# ---------------------------------------------------------------------------------------------


TRAY_SIZES = (48, 40, 32, 24, 20, 16)


def build_all():
    files = {}
    files["glyphs.ttf"] = build_glyph_font()
    files["title.ttf"] = build_title_font()
    program = {size: program_icon(size) for size in (128, 64, 48, 32, 24, 16)}
    files["program.ico"] = icon_file([program[s] for s in (128, 64, 48, 32, 24, 16)])
    # The notification area shows the small-icon size: 16 px at 100 %, 20 at 125 %, 24 at 150 %, 32 at
    # 200 %, 40 at 250 %; an image of each keeps it sharp, and 48 stays first for a default-size load.
    files["tray.ico"] = icon_file([program_icon(s, tray=True) for s in TRAY_SIZES])
    # Larger images for display scales above 100 %: message boxes ask for the system icon size, the About
    # dialog for 128 pixels scaled; a smaller image is never stretched up.
    files["message.ico"] = icon_file([program[s] for s in (32, 48, 64)])
    files["options.ico"] = icon_file([options_icon(s) for s in (48, 32, 24, 16)])
    about = about_image()
    files["about.ico"] = icon_file([about, about_image(192), about_image(256)])
    hand, hotspot = hand_cursor()
    files["hand.cur"] = icon_file([hand], hotspots=[hotspot])
    previews = {f"program-{s}": img for s, img in program.items()}
    previews.update({f"options-{s}": options_icon(s) for s in (48, 32, 24, 16)})
    previews.update({f"tray-{s}": program_icon(s, tray=True) for s in TRAY_SIZES})
    previews["about-128"] = about
    previews["hand-32"] = hand
    return files, previews


def write_previews(directory, files, previews):
    directory.mkdir(parents=True, exist_ok=True)
    for name, image in previews.items():
        image.save(directory / f"{name}.png")
    # A sheet on light and dark backgrounds, magnified to see the pixels.
    images = list(previews.values())
    sheet = Image.new("RGBA", (sum(i.size[0] + 8 for i in images) + 8, 2 * 136 + 8), (255, 255, 255, 255))
    x = 8
    for image in images:
        sheet.alpha_composite(image, (x, 8))
        dark = Image.new("RGBA", image.size, (32, 32, 32, 255))
        dark.alpha_composite(image)
        sheet.paste(dark, (x, 144))
        x += image.size[0] + 8
    sheet.save(directory / "sheet.png")
    small = [previews[k] for k in previews if k.endswith(("-16", "-24", "-32", "-hand-32")) or k == "hand-32"]
    zoom = Image.new("RGBA", (sum(i.size[0] * 6 + 12 for i in small) + 12, 32 * 6 + 24), (240, 240, 240, 255))
    x = 12
    for image in small:
        zoom.alpha_composite(image.resize((image.size[0] * 6, image.size[1] * 6), Image.NEAREST), (x, 12))
        x += image.size[0] * 6 + 12
    zoom.save(directory / "zoom.png")
    # Font samples as the program uses them: icons at 22 px, title at 24 px cell height.
    glyph_path = directory / "glyphs.ttf"
    title_path = directory / "title.ttf"
    glyph_path.write_bytes(files["glyphs.ttf"])
    title_path.write_bytes(files["title.ttf"])
    sample = Image.new("RGB", (700, 330), (255, 255, 255))
    d = ImageDraw.Draw(sample)
    icons = "DI\u00c5\u00b7x"
    for i, px in enumerate((16, 22, 32)):
        font = ImageFont.truetype(str(glyph_path), px)
        d.text((10, 10 + i * 40), icons, font=font, fill=(80, 80, 80))
    big = ImageFont.truetype(str(glyph_path), 96)
    d.text((260, 10), icons, font=big, fill=(80, 80, 80))
    d.rectangle([0, 130, 700, 180], fill=(42, 114, 162))
    title = ImageFont.truetype(str(title_path), 18)
    d.text((12, 142), "Glimra V1.3", font=title, fill=(60, 90, 110))
    d.text((10, 140), "Glimra V1.3", font=title, fill=(240, 242, 245))
    d.text((200, 140), "Яркость монитора 0123456789", font=title, fill=(240, 242, 245))
    large = ImageFont.truetype(str(title_path), 44)
    d.text((10, 190), "Glimra V1.3 Аа Яя", font=large, fill=(30, 30, 30))
    # The buttons as they are laid out: icon centred in the first 20 px, text after the '&' width.
    g22 = ImageFont.truetype(str(glyph_path), 22)
    for j, (glyph, text, w) in enumerate(((chr(183), "Reset settings", 158), ("x", "Menu", 118))):
        x0 = 10 + j * 170
        d.rectangle([x0, 270, x0 + w - 1, 293], fill=(219, 219, 219), outline=(203, 203, 203))
        d.text((x0 + 14, 282), glyph, font=g22, fill=(100, 104, 116), anchor="mm")
        amp = g22.getlength("&")
        d.text((x0 + 12 + amp - 2, 275), text, fill=(100, 104, 116))
    sample.save(directory / "fonts.png")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", type=Path, help="also write PNG previews to this folder")
    parser.add_argument("--out", type=Path, default=OUT, help="where the resource files go")
    args = parser.parse_args()
    if not TITLE_SOURCE.exists():
        sys.exit(f"{TITLE_SOURCE} is missing: apt-get install fonts-comfortaa")
    files, previews = build_all()
    for name, data in files.items():
        path = args.out / name
        path.write_bytes(data)
        print(f"{path.relative_to(ROOT) if path.is_relative_to(ROOT) else path}: {len(data)} bytes")
    if args.preview:
        write_previews(args.preview, files, previews)


if __name__ == "__main__":
    main()
