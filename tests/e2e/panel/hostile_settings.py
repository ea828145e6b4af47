#!/usr/bin/env python3
"""Hostile settings data for the configuration program and the monitor.

  hostile_settings.py runs                  how many runs there are
  hostile_settings.py seed RUN FILE         writes the .reg file of run RUN and
                                            prints "value: variant" lines
  hostile_settings.py written-vrkb RUN      the notebook record (hex) after the
                                            user picks Right Ctrl as the Windows
                                            key: the Application key entry as the
                                            programs read it from the seeded value
  hostile_settings.py seeded RUN KEY NAME   the variant KEY\\NAME has in run RUN
  hostile_settings.py notebook-on RUN       "yes" when the notebook status, as the
                                            programs read it, is not 0: the hook
                                            takes it as on

Each run gives every value one variant of its kind: the wrong type, empty,
one byte, one byte short, one word long, 64 KiB, random bytes of the right
size (a fixed seed), and codes, durations, layouts and statuses outside what
the programs offer. Six runs make 78 cases: every value meets the values
outside the lists and several of the common variants, and every common
variant is met by records and statuses alike.
"""
import random
import struct
import sys

ROOT = r"HKEY_CURRENT_USER\Software\Norvik\Tavel\DataV1_1"

# (subkey, value, record size or None for a DWORD)
VALUES = [
    ("VrKb", "Mapdata", 16),
    ("VrKb", "MapdataBrw", 24),
    ("ExtKb", "Mapdata", 80),
    ("KeySens", "Mapdata", 48),
    ("Symb", "Mapdata", 72),
    ("VrKb", "VrKbAsgnsStatus", None),
    ("VrKb", "VrKbBrwAsgnsStatus", None),
    ("VrKb", "VrKbLangId", None),
    ("ExtKb", "ExtKbAsgnsStatus", None),
    ("ExtKb", "ExtKbAsgnsAutoStatus", None),
    ("KeySens", "KeySensAsgnsStatus", None),
    ("Symb", "SymbAsgnsStatus", None),
    ("", "TVKStatus", None),
]

COMMON = ["sz", "multi_sz", "qword", "empty", "byte", "short", "long", "64k", "random"]
OUTSIDE_STATUS = ["dword 2", "dword 7", "dword 0xFFFFFFFF"]
OUTSIDE_LAYOUT = ["dword 30", "dword 99", "dword 0xFFFFFFFF"]
RUNS = 6


def words(*values):
    return struct.pack("<%dI" % len(values), *values)


# Codes and numbers no list of the program offers, rows half known among
# them, but never a row the lists show with one key (Apply would rightly ask
# the user to complete it).
OUTSIDE = {
    "Mapdata@VrKb": words(0x41, 0x5B, 0x42, 0x5D),
    "MapdataBrw@VrKb": words(0x41, 0x42, 0xA3, 0x99, 0x5C, 0xA6),
    "Mapdata@ExtKb": words(0xA3, 0x41, 0x5A, 0x70, 0x10, 0x26, 0xA3, 0x99, 0xFFFFFFFF, 0x7B,
                           0xA0, 0xE0, 0x41, 0x42, 0xA5, 0x3A, 0x11, 0x20, 0x5B, 0x76),
    "Mapdata@KeySens": words(0x1B, 300, 0x70, 1000, 0x41, 200, 0x14, 0xFFFFFFFF, 0xA6, 50,
                             0xA7, 0xFFFFFFFF),
    "Mapdata@Symb": words(12, 0xA1, 0x31, 99, 0xA2, 0x32, 0xFFFFFFFF, 0xA0, 0x41,
                          1, 0xA2, 0x31, 3, 0x41, 0x33, 7, 0xA4, 0x39),
}


def runs():
    return RUNS


# Records: outside the lists in run 0, then five of the common variants each,
# the values shifted so that together they meet all nine. Statuses: the
# three outside values in runs 0 to 2, then three common variants each.
def variant(run, index):
    subkey, name, size = VALUES[index]
    if size:
        return "outside" if run == 0 else COMMON[(run - 1 + 2 * index) % len(COMMON)]
    status = index - 5
    if run < 3:
        return (OUTSIDE_LAYOUT if name == "VrKbLangId" else OUTSIDE_STATUS)[run]
    return COMMON[(run - 3 + 3 * status) % len(COMMON)]


def generator(run, index):
    return random.Random(20261208 * 100 + run * 16 + index)


# (registry type, bytes) of a variant.
def data_of(run, index):
    subkey, name, size = VALUES[index]
    kind = variant(run, index)
    rnd = generator(run, index)
    width = size or 4
    nonzero = lambda n: bytes(rnd.randrange(2, 256) for _ in range(n))
    if kind == "sz":
        return 1, "seven!!".encode("utf-16-le") + b"\0\0"
    if kind == "multi_sz":
        return 7, "one\0two\0\0".encode("utf-16-le")
    if kind == "qword":
        return 11, words(0x5A5A5A5A, 0x0000A5A5)
    if kind == "empty":
        return (3 if size else 4), b""
    if kind == "byte":
        return (3 if size else 4), b"\x5A"
    if kind == "short":
        return (3 if size else 4), nonzero(width - 1)
    if kind == "long":
        return (3 if size else 4), nonzero(width + 4)
    if kind == "64k":
        return 3, nonzero(65536)
    if kind == "random":
        return (3 if size else 4), nonzero(width)
    if kind == "outside":
        return 3, OUTSIDE[name + "@" + subkey]
    if kind.startswith("dword "):
        return 4, words(int(kind.split()[1], 0))
    raise ValueError(kind)


def reg_line(name, regtype, data):
    if regtype == 4 and len(data) == 4:
        return '"%s"=dword:%08x' % (name, struct.unpack("<I", data)[0])
    return '"%s"=hex(%x):%s' % (name, regtype, ",".join("%02x" % b for b in data))


def seed(run, path):
    keys = {}
    for index, (subkey, name, size) in enumerate(VALUES):
        regtype, data = data_of(run, index)
        keys.setdefault(subkey, []).append(reg_line(name, regtype, data))
        print("%s\\%s: %s" % (subkey or "DataV1_1", name, variant(run, index)))
    lines = ["Windows Registry Editor Version 5.00", ""]
    for subkey in ["", "VrKb", "ExtKb", "KeySens", "Symb"]:
        lines.append("[%s%s]" % (ROOT, "\\" + subkey if subkey else ""))
        lines.extend(keys.get(subkey, []))
        lines.append("")
    with open(path, "w", encoding="utf-16") as out:
        out.write("\r\n".join(lines) + "\r\n")


# What the programs read of a value with a query into a record: a string
# comes as ANSI text, the rest as stored; the record keeps zeros beyond.
def as_read(regtype, data, size):
    if regtype in (1, 7):
        data = data.decode("utf-16-le").encode("latin-1")
    return (data[:size] + bytes(size))[:size]


# A status query reads at most four bytes over the default (0 here); a
# longer value (strings come as ANSI text) leaves the default.
def notebook_on(run):
    index = next(i for i, v in enumerate(VALUES) if v[1] == "VrKbAsgnsStatus")
    regtype, data = data_of(run, index)
    if regtype in (1, 7):
        data = data.decode("utf-16-le").encode("latin-1")
    return len(data) <= 4 and any(data)


def written_vrkb(run):
    regtype, data = data_of(run, 0)
    record = as_read(regtype, data, 16)
    return (words(0xA3, 0x5B) + record[8:16]).hex().upper()


def main(argv):
    if argv[1:] == ["runs"]:
        print(runs())
    elif len(argv) == 4 and argv[1] == "seed":
        seed(int(argv[2]), argv[3])
    elif len(argv) == 3 and argv[1] == "notebook-on":
        print("yes" if notebook_on(int(argv[2])) else "no")
    elif len(argv) == 3 and argv[1] == "written-vrkb":
        print(written_vrkb(int(argv[2])))
    elif len(argv) == 5 and argv[1] == "seeded":
        run, subkey, name = int(argv[2]), argv[3], argv[4]
        print(next(variant(run, i) for i, v in enumerate(VALUES) if v[:2] == (subkey, name)))
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
