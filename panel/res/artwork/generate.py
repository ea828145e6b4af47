#!/usr/bin/python3
"""Draws every icon and the caption band of Tavelpanel into this folder.

Run it after changing the artwork and commit its outputs with it:
    python3 panel/res/artwork/generate.py
Needs python3-pil, fonts-dejavu-core and fonts-baekmuk (Hangul key labels).
"""
import os
import sys

from PIL import Image, ImageDraw

sys.dont_write_bytecode = True  # keep the source folder free of caches

from canvas import (CONDENSED_BOLD, HANGUL, INK, SANS, SANS_BOLD, Canvas)
from ico_file import write_ico

HERE = os.path.dirname(os.path.abspath(__file__))
RED = (196, 40, 40, 255)
WHITE = (255, 255, 255, 255)


# ------------------------------------------------------------------ key-cap symbols

def arrow(direction):
    """Arrow key: a block arrow pointing up, then turned to the direction."""
    def draw(c: Canvas):
        c.key_cap()
        up = [(8, 3), (12.5, 8), (9.6, 8), (9.6, 13), (6.4, 13), (6.4, 8), (3.5, 8)]
        turns = {"up": 0, "right": 1, "down": 2, "left": 3}[direction]
        pts = up
        for _ in range(turns):  # quarter turn clockwise about the centre
            pts = [(16 - y, x) for x, y in pts]
        c.polygon(pts, fill=INK)
    return draw


def speaker(c: Canvas, x, y):
    """A speaker 6 wide and 8 high with its top-left at (x, y)."""
    c.polygon([(x, y + 2.5), (x + 2, y + 2.5), (x + 5, y), (x + 5, y + 8),
               (x + 2, y + 5.5), (x, y + 5.5)], fill=INK)


def volume(sign):
    def draw(c: Canvas):
        c.key_cap()
        speaker(c, 2.5, 4)
        if sign == "mute":
            c.line([(9.5, 5.5), (13.5, 10.5)], fill=RED, width=1.6)
            c.line([(13.5, 5.5), (9.5, 10.5)], fill=RED, width=1.6)
            return
        c.line([(9.5, 8), (13.5, 8)], width=1.6)
        if sign == "+":
            c.line([(11.5, 6), (11.5, 10)], width=1.6)
    return draw


def eject(c: Canvas):
    c.key_cap()
    c.polygon([(8, 3.5), (12.5, 8.5), (3.5, 8.5)], fill=INK)
    c.rounded_rect((3.5, 10, 12.5, 12.2), 0.3, fill=INK)


def standby(c: Canvas):
    c.key_cap()
    c.crescent((10, 3, 20, 13), (3.2, -1.6))


def hibernate(c: Canvas):
    c.key_cap()
    c.crescent((5, 3, 15, 13), (3.2, -1.6))
    c.text((19.5, 9.5), "Z", 6.5)
    c.text((25, 6.5), "z", 5.5)


def wireless(c: Canvas):
    c.key_cap()
    c.line([(16, 6), (16, 13)], width=1.4)
    c.polygon([(13.5, 13), (18.5, 13), (16, 9.5)], fill=INK)
    c.ellipse((14.8, 4.6, 17.2, 7), fill=INK)
    for r in (3.5, 6):
        box = (16 - r, 5.8 - r, 16 + r, 5.8 + r)
        c.arc(box, 135, 225, width=1.3)
        c.arc(box, -45, 45, width=1.3)


def magnifier(c: Canvas):
    c.key_cap()
    c.ellipse((10, 2.5, 19, 11.5), outline=INK, width=1.5)
    c.line([(17.8, 10.3), (22, 14)], width=2.2)
    c.line([(12.3, 7), (16.7, 7)], width=1.3)
    c.line([(14.5, 4.8), (14.5, 9.2)], width=1.3)


def presentation(c: Canvas):
    c.key_cap()
    c.rounded_rect((9, 3, 23, 11), 0.5, outline=INK, width=1.2)
    c.line([(16, 11), (16, 14)], width=1.2)
    c.line([(13, 14), (19, 14)], width=1.2)
    for i, top in enumerate((8, 6.5, 5)):
        x = 12 + i * 3
        c.rounded_rect((x, top, x + 2, 9.6), 0.2, fill=INK)


def branded(text, colour):
    """A coloured button with the brand name in white."""
    def draw(c: Canvas):
        lighter = tuple(min(255, v + 45) for v in colour[:3]) + (255,)
        c.key_cap(fill_top=lighter, fill_bottom=colour, edge=colour)
        c.text((24, 8.2), text, 8.5 if len(text) < 6 else 7.6, font=CONDENSED_BOLD, fill=WHITE)
    return draw


def shift_key(c: Canvas):
    c.key_cap()
    c.polygon([(16, 2.5), (21.5, 8), (18.6, 8), (18.6, 13), (13.4, 13), (13.4, 8), (10.5, 8)],
              outline=INK, width=1.2)


def labelled_key(text, font, size):
    def draw(c: Canvas):
        c.key_cap()
        c.text((16, 8), text, size, font=font, embolden=0.35)
    return draw


def browser(direction):
    """Browser Back or Forward: a white arrow on a blue disc."""
    def draw(c: Canvas):
        c.ellipse((0.5, 0.5, 15.5, 15.5), fill=(43, 108, 176, 255), outline=(26, 68, 128, 255))
        head = [(4, 8), (8.5, 3.5), (8.5, 6.4), (12, 6.4), (12, 9.6), (8.5, 9.6), (8.5, 12.5)]
        if direction == "forward":
            head = [(16 - x, y) for x, y in head]
        c.polygon(head, fill=WHITE)
    return draw


def character(glyph, scale=1.0):
    """A special character on a key cap; scale enlarges glyphs that are small
    in the font (trade mark, degree) so they stay legible at 16 pixels."""
    def draw(c: Canvas):
        c.key_cap()
        w, h = c.size
        c.text((w / 2, h / 2), glyph, h * 0.7 * scale, font=SANS, embolden=h / 80)
    return draw


# ------------------------------------------------------------------ product icon

def product(c: Canvas):
    """A blue key cap with a white T, the face lit from above."""
    w, _ = c.size
    u = w / 16
    c.rounded_rect((0.5 * u, 0.5 * u, 15.5 * u, 15.5 * u), 3.2 * u,
                   fill=(22, 62, 120, 255))
    c.rounded_rect((1.8 * u, 1.2 * u, 14.2 * u, 12.6 * u), 2.4 * u,
                   fill=(52, 120, 198, 255))
    c.text((8 * u, 6.9 * u), "T", 10.5 * u, font=SANS_BOLD, fill=WHITE)


ICONS = [
    # file name, sizes, drawing, crisp
    ("tavelkit", [(16, 16), (20, 20), (24, 24), (32, 32), (40, 40), (48, 48)], product, False),
    ("ostra_button", [(48, 16)], branded("OSTRA", (15, 124, 115, 255)), True),
    ("arrow_down", [(16, 16)], arrow("down"), True),
    ("arrow_left", [(16, 16)], arrow("left"), True),
    ("arrow_right", [(16, 16)], arrow("right"), True),
    ("arrow_up", [(16, 16)], arrow("up"), True),
    ("volume_down", [(16, 16)], volume("-"), True),
    ("volume_mute", [(16, 16)], volume("mute"), True),
    ("volume_up", [(16, 16)], volume("+"), True),
    ("shift_key", [(32, 16)], shift_key, True),
    ("standby", [(32, 16)], standby, True),
    ("hibernate", [(32, 16)], hibernate, True),
    ("wireless_radio", [(32, 16)], wireless, True),
    ("eject", [(16, 16)], eject, True),
    ("magnifier", [(32, 16)], magnifier, True),
    ("arabic_key", [(32, 16)], labelled_key("\u0639", SANS, 12), True),
    ("han_yeong_key", [(32, 16)], labelled_key("\ud55c/\uc601", HANGUL, 10), True),
    ("hanja_key", [(32, 16)], labelled_key("\ud55c\uc790", HANGUL, 11), True),
    ("varo_button", [(48, 16)], branded("VARO", (30, 90, 168, 255)), True),
    ("presentation", [(32, 16)], presentation, True),
    ("browser_back", [(16, 16)], browser("back"), True),
    ("browser_forward", [(16, 16)], browser("forward"), True),
    ("velmora_button", [(48, 16)], branded("VELMORA", (107, 63, 160, 255)), True),
]

# Special characters: one small icon each, at the small-icon sizes of 96 to 192 dpi.
CHARACTER_SIZES = [(16, 16), (20, 20), (24, 24), (32, 32)]
CHARACTERS = [
    ("char_euro", "\u20ac"), ("char_yen", "\u00a5"), ("char_pound", "\u00a3"),
    ("char_cent", "\u00a2"), ("char_copyright", "\u00a9"), ("char_registered", "\u00ae"),
    ("char_trade_mark", "\u2122", 1.3), ("char_degree", "\u00b0", 1.2), ("char_plus_minus", "\u00b1"),
    ("char_less_equal", "\u2264"), ("char_greater_equal", "\u2265"),
]


# The pages' symbols at 96 and 144 dpi; at other resolutions the nearer one
# is scaled. More sizes would take the program past its size budget.
PAGE_ZOOMS = (1, 1.5)


def render(sizes, draw, crisp, zooms=(1,)):
    images = []
    for w, h in sizes:
        for zoom in zooms:
            c = Canvas(w, h, zoom)
            draw(c)
            images.append(c.result(crisp))
    return images


# ------------------------------------------------------------------ caption band

BAND_SIZE = (1600, 39)


def caption_band() -> Image.Image:
    """The band behind the heading. The program shows its right-hand end and
    writes white text near the left of what it shows, so the band stays dark
    all along and carries its ornament only in the last few hundred pixels."""
    w, h = BAND_SIZE
    band = Image.new("RGB", BAND_SIZE)
    px = band.load()
    left, right = (16, 48, 92), (30, 92, 150)
    for x in range(w):
        t = (x / (w - 1)) ** 2
        base = [a + (b - a) * t for a, b in zip(left, right)]
        for y in range(h):
            shade = 1.0 + 0.18 * (1 - y / (h - 1))  # lit from above
            px[x, y] = tuple(min(255, round(v * shade)) for v in base)
    draw = ImageDraw.Draw(band, "RGBA")
    # A row of key caps fading in towards the right end.
    key, gap = 22, 6
    for i in range(11):
        x1 = w - 8 - i * (key + gap)
        alpha = round(70 * (1 - i / 11))
        draw.rounded_rectangle((x1 - key, 8, x1, 8 + key), 4,
                               outline=(255, 255, 255, alpha), width=1)
    draw.line((0, h - 2, w, h - 2), fill=(94, 200, 229, 255))
    draw.line((0, h - 1, w, h - 1), fill=(12, 30, 58, 255))
    return band


def main():
    for name, sizes, draw, crisp in ICONS:
        zooms = PAGE_ZOOMS if crisp else (1,)  # the program icon lists its sizes itself
        write_ico(os.path.join(HERE, name + ".ico"), render(sizes, draw, crisp, zooms))
    for name, glyph, *scale in CHARACTERS:
        write_ico(os.path.join(HERE, name + ".ico"), render(CHARACTER_SIZES, character(glyph, *scale), True))
    # 256 colours chosen to cover the band: no pixel moves by more than one
    # level of red, green or blue, and the file is a third of its true-colour size.
    caption_band().quantize(256, method=Image.Quantize.MAXCOVERAGE, dither=Image.Dither.NONE).save(
        os.path.join(HERE, "caption_band.bmp"))


if __name__ == "__main__":
    main()
