"""Drawing helpers for small icons: shapes are drawn four times larger and
reduced, so outlines and glyphs come out smooth at 16 pixels. Coordinates are
in icon units; a zoom above 1 draws the same icon for a screen of more dots
per inch (1.5 = 144 dpi), at that many pixels per unit."""
from PIL import Image, ImageDraw, ImageFont

SCALE = 4
FONTS = "/usr/share/fonts/truetype"
SANS_BOLD = f"{FONTS}/dejavu/DejaVuSans-Bold.ttf"
SANS = f"{FONTS}/dejavu/DejaVuSans.ttf"
CONDENSED_BOLD = f"{FONTS}/dejavu/DejaVuSansCondensed-Bold.ttf"
HANGUL = f"{FONTS}/baekmuk/gulim.ttf"

INK = (31, 58, 95, 255)          # symbols on key caps
KEY_TOP = (250, 251, 253, 255)   # key cap face, top
KEY_BOTTOM = (214, 222, 232, 255)  # key cap face, bottom
KEY_EDGE = (96, 112, 132, 255)


class Canvas:
    """An RGBA drawing surface in icon units; coordinates may be fractional."""

    def __init__(self, width: int, height: int, zoom: float = 1.0):
        self.size = (width, height)
        self.pixels = (round(width * zoom), round(height * zoom))
        self.k = SCALE * zoom  # drawing-surface pixels per icon unit
        self.image = Image.new("RGBA", (self.pixels[0] * SCALE, self.pixels[1] * SCALE),
                               (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    def _s(self, values):
        return [v * self.k for v in values]

    def rounded_rect(self, box, radius, fill=None, outline=None, width=1.0):
        self.draw.rounded_rectangle(self._s(box), radius * self.k, fill=fill,
                                    outline=outline, width=round(width * self.k))

    def polygon(self, points, fill=None, outline=None, width=1.0):
        flat = [(x * self.k, y * self.k) for x, y in points]
        if fill is not None:
            self.draw.polygon(flat, fill=fill)
        if outline is not None:
            self.draw.line(flat + [flat[0]], fill=outline, width=round(width * self.k), joint="curve")

    def line(self, points, fill=INK, width=1.0):
        self.draw.line([(x * self.k, y * self.k) for x, y in points], fill=fill,
                       width=round(width * self.k), joint="curve")

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        self.draw.ellipse(self._s(box), fill=fill, outline=outline, width=round(width * self.k))

    def arc(self, box, start, end, fill=INK, width=1.0):
        self.draw.arc(self._s(box), start, end, fill=fill, width=round(width * self.k))

    def text(self, centre, text, size, font=SANS_BOLD, fill=INK, embolden=0.0):
        """Draws text with its ink centred on centre (so superscript-like
        glyphs such as the degree sign sit in the middle, not high);
        embolden thickens strokes of fonts that have no bold face."""
        face = ImageFont.truetype(font, round(size * self.k))
        stroke = round(embolden * self.k)
        ink = Image.new("L", (self.image.size[0] * 2, self.image.size[1] * 2), 0)
        ImageDraw.Draw(ink).text((self.image.size[0] // 2, self.image.size[1] // 2), text,
                                 font=face, fill=255, stroke_width=stroke, stroke_fill=255)
        box = ink.getbbox()
        if box is None:
            return
        ink = ink.crop(box)
        x = round(centre[0] * self.k - ink.size[0] / 2)
        y = round(centre[1] * self.k - ink.size[1] / 2)
        self.image.paste(Image.new("RGBA", ink.size, fill), (x, y), ink)

    def crescent(self, box, cut_offset, fill=INK):
        """A moon: the ellipse in box minus the same ellipse moved by cut_offset."""
        mask = Image.new("L", self.image.size, 0)
        shape = ImageDraw.Draw(mask)
        shape.ellipse(self._s(box), fill=255)
        dx, dy = cut_offset
        moved = (box[0] + dx, box[1] + dy, box[2] + dx, box[3] + dy)
        shape.ellipse(self._s(moved), fill=0)
        self.image.paste(Image.new("RGBA", self.image.size, fill), (0, 0), mask)

    def key_cap(self, fill_top=KEY_TOP, fill_bottom=KEY_BOTTOM, edge=KEY_EDGE):
        """The key-cap tile every page symbol sits on: the whole icon, a rounded
        outline and a face that darkens slightly towards the bottom."""
        w, h = self.size
        face = Image.new("RGBA", self.image.size)
        fh = self.image.size[1]
        for y in range(fh):
            t = y / max(fh - 1, 1)
            face.paste(tuple(round(a + (b - a) * t) for a, b in zip(fill_top, fill_bottom)),
                       (0, y, self.image.size[0], y + 1))
        mask = Image.new("L", self.image.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle(self._s((0, 0, w, h)), 3 * self.k, fill=255)
        self.image.paste(face, (0, 0), mask)
        self.rounded_rect((0.5, 0.5, w - 0.5, h - 0.5), 2.5, outline=edge, width=1.0)

    def result(self, crisp: bool = True) -> Image.Image:
        """The icon at its real size. Crisp icons get all-or-nothing alpha, so
        they look the same in masked low-colour image lists as in 32-bit ones."""
        small = self.image.convert("RGBa").resize(self.pixels, Image.BOX).convert("RGBA")
        if crisp:
            alpha = small.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
            small.putalpha(alpha)
        return small
