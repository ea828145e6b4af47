"""Writes Windows .ico files: 32-bit BGRA images with a 1-bit AND mask.

The AND mask matters: masked image lists of lower colour depth (16-bit, 8-bit)
ignore the alpha channel and take transparency from the mask alone.
"""
import struct

from PIL import Image


def _image_entry(img: Image.Image) -> bytes:
    w, h = img.size
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = img.load()
    colour = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):  # bottom-up rows
        row_mask = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = pixels[x, y]
            colour += bytes((b, g, r, a))
            if a < 128:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    return header + bytes(colour) + bytes(mask)


def write_ico(path: str, images: list) -> None:
    """Writes the RGBA images (any sizes up to 255 pixels) into one icon file."""
    entries = [_image_entry(img.convert("RGBA")) for img in images]
    offset = 6 + 16 * len(entries)
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    for img, data in zip(images, entries):
        w, h = img.size
        out += struct.pack("<BBBBHHII", w, h, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)
