#!/usr/bin/env python3
"""Sets the two build times chmcmd writes into a compiled help file to
SOURCE_DATE_EPOCH, so that the same sources give the same file.

chmcmd (Free Pascal) stamps the millisecond of the day it runs at into the
file header and into the #SYSTEM file's entry 10, and it reads the clock
itself, so neither SOURCE_DATE_EPOCH nor faketime reaches it. Both places are
stored uncompressed (#SYSTEM lives in section 0), so they are rewritten in
place: the header's big-endian, #SYSTEM's little-endian, as chmcmd writes them.

    chm_timestamps.py FILE.chm      (SOURCE_DATE_EPOCH in the environment)
"""
import os
import struct
import sys

SYSTEM_TIMESTAMP = 10


def encint(data, pos):
    """A CHM variable-length integer: 7 bits a byte, high bit = more."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def directory(data):
    """(name, section, offset, length) of every entry of the listing chunks."""
    directory_at = struct.unpack_from("<Q", data, 0x48)[0]
    if data[directory_at:directory_at + 4] != b"ITSP":
        raise ValueError("no directory header")
    header_length, _, chunk_size = struct.unpack_from("<III", data, directory_at + 8)
    chunk_count = struct.unpack_from("<I", data, directory_at + 0x2C)[0]
    for n in range(chunk_count):
        chunk = directory_at + header_length + n * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            continue
        end = chunk + chunk_size - struct.unpack_from("<I", data, chunk + 4)[0]
        pos = chunk + 0x14
        while pos < end:
            length, pos = encint(data, pos)
            name = data[pos:pos + length].decode("utf-8")
            pos += length
            section, pos = encint(data, pos)
            offset, pos = encint(data, pos)
            size, pos = encint(data, pos)
            yield name, section, offset, size


def normalise(data, millisecond_of_day):
    if data[:4] != b"ITSF" or struct.unpack_from("<I", data, 4)[0] != 3:
        raise ValueError("not a version 3 compiled help file")
    struct.pack_into(">I", data, 0x10, millisecond_of_day)
    content = struct.unpack_from("<Q", data, 0x58)[0]
    system = [(offset, size) for name, section, offset, size in directory(data)
              if name == "/#SYSTEM" and section == 0]
    if len(system) != 1:
        raise ValueError("no uncompressed #SYSTEM file")
    offset, size = system[0]
    pos, end = content + offset + 4, content + offset + size  # after the version
    stamped = 0
    while pos + 4 <= end:
        code, length = struct.unpack_from("<HH", data, pos)
        if code == SYSTEM_TIMESTAMP and length >= 4:
            struct.pack_into("<I", data, pos + 4, millisecond_of_day)
            stamped += 1
        pos += 4 + length
    if stamped != 1:
        raise ValueError("#SYSTEM has %d time entries" % stamped)


def main():
    path = sys.argv[1]
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    with open(path, "rb") as f:
        data = bytearray(f.read())
    normalise(data, epoch % 86400 * 1000)
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
