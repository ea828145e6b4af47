"""Writes Windows .ico files: each image with a 1-bit AND mask, as 32-bit BGRA
or, where that is smaller and loses nothing, as 8-bit colours with a palette.

The AND mask matters: masked image lists of lower colour depth (16-bit, 8-bit)
ignore the alpha channel and take transparency from the mask alone. An image
whose pixels are all either opaque or fully transparent, in at most 256
colours, is stored with a palette: it draws the same everywhere (the mask
carries the transparency) at about a third of the size, which matters for the
size of the program that carries the icons.
"""
import struct

from PIL import Image


def _dib_header(w, h, bits, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0, 0, 0, 0, colours_used, 0)


def _mask(img: Image.Image) -> bytes:
    w, h = img.size
    pixels = img.load()
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):  # bottom-up rows
        row = bytearray(stride)
        for x in range(w):
            if pixels[x, y][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def _true_colour(img: Image.Image) -> bytes:
    w, h = img.size
    pixels = img.load()
    colour = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = pixels[x, y]
            colour += bytes((b, g, r, a))
    return _dib_header(w, h, 32, 0) + bytes(colour) + _mask(img)


def _indexed(img: Image.Image):
    """The image with a palette, or None when that would lose something.
    Transparent pixels are black, so that drawing through the mask leaves
    the background as it was."""
    w, h = img.size
    pixels = img.load()
    rgb = {}
    for y in range(h):
        for x in range(w):
            r, g, b, a = pixels[x, y]
            if a not in (0, 255):
                return None
            rgb[x, y] = (r, g, b) if a else (0, 0, 0)
    palette = sorted(set(rgb.values()))
    if len(palette) > 256:
        return None
    index = {c: i for i, c in enumerate(palette)}
    stride = (w + 3) // 4 * 4
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            row[x] = index[rgb[x, y]]
        rows += row
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return _dib_header(w, h, 8, len(palette)) + table + bytes(rows) + _mask(img), len(palette)


def _image_entry(img: Image.Image):
    """(data, colour count for the directory, bits per pixel), the smaller form."""
    true_colour = _true_colour(img)
    indexed = _indexed(img)
    if indexed and len(indexed[0]) < len(true_colour):
        data, colours = indexed
        return data, colours if colours < 256 else 0, 8
    return true_colour, 0, 32


def write_ico(path: str, images: list) -> None:
    """Writes the RGBA images (any sizes up to 255 pixels) into one icon file."""
    images = [img.convert("RGBA") for img in images]
    entries = [_image_entry(img) for img in images]
    offset = 6 + 16 * len(entries)
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    for img, (data, colours, bits) in zip(images, entries):
        w, h = img.size
        out += struct.pack("<BBBBHHII", w, h, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    for data, _, _ in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)
