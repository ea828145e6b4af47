#!/usr/bin/env python3
"""Checks the compiled help file against its sources.

    check_help_file.py KEYMAP.CHM SOURCE_FOLDER

- every topic, stylesheet and image of the source folder, and every file the
  project lists, is inside the compiled file (as 7-Zip lists it);
- every link of every topic, of the contents and of the index leads to a
  file inside, and to an anchor that exists when it names one;
- every image is given the size it has;
- the file opens at keymap.htm and has its title.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile
from html.parser import HTMLParser
from urllib.parse import unquote

START_TOPIC = "keymap.htm"
failures = []


def check(what, ok, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + ("" if ok else f" ({detail})"))
    if not ok:
        failures.append(what)


def archive_paths(chm):
    listing = subprocess.run(["7z", "l", "-slt", chm], check=True, capture_output=True,
                             text=True).stdout
    entries = listing.split("----------", 1)[-1]
    paths = {line.split(" = ", 1)[1].replace("\\", "/")
             for line in entries.splitlines() if line.startswith("Path = ")}
    folders = {os.path.dirname(p) for p in paths}
    return paths - folders


def source_files(folder):
    wanted = set()
    for root, _, names in os.walk(folder):
        for name in names:
            if name.endswith((".htm", ".css", ".png", ".hhc", ".hhk")):
                wanted.add(os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/"))
    return wanted


def listed_files(project):
    files, in_files = set(), False
    with open(project, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                in_files = line == "[FILES]"
            elif in_files and line:
                files.add(line.replace("\\", "/"))
    return files


class Links(HTMLParser):
    """Collects what a page refers to and the anchors it offers."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links, self.anchors, self.images = [], set(), []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for key in ("id", "name"):
            if key in a and tag != "param":
                self.anchors.add(a[key])
        if tag in ("a", "link") and a.get("href"):
            self.links.append(a["href"])
        if tag == "img" and a.get("src"):
            self.links.append(a["src"])
            self.images.append(a)
        if tag == "param" and a.get("name", "").lower() == "local":
            self.links.append(a.get("value", ""))


def parse(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        page = Links()
        page.feed(f.read())
        return page


def png_size(path):
    if not os.path.isfile(path):
        return None  # reported as a broken link
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def system_entries(path):
    """The #SYSTEM file's entries: code -> bytes."""
    with open(path, "rb") as f:
        data = f.read()
    entries, at = {}, 4
    while at + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, at)
        entries[code] = data[at + 4:at + 4 + length]
        at += 4 + length
    return entries


def text(value):
    return value.split(b"\0", 1)[0].decode("latin-1")


def main():
    chm, source = sys.argv[1], sys.argv[2]
    inside = archive_paths(chm)
    expected = source_files(source) | listed_files(os.path.join(source, "keymap.hhp"))
    missing = sorted(expected - inside)
    check(f"all {len(expected)} topics, images and lists are inside", not missing,
          "missing: " + ", ".join(missing))

    with tempfile.TemporaryDirectory() as unpacked:
        subprocess.run(["7z", "x", "-y", f"-o{unpacked}", chm], check=True,
                       stdout=subprocess.DEVNULL)
        pages = {p: parse(os.path.join(unpacked, p)) for p in sorted(inside)
                 if p.endswith((".htm", ".hhc", ".hhk"))}
        broken, unsized = [], []
        count = 0
        for name, page in pages.items():
            for link in page.links:
                if re.match(r"^[a-z][a-z0-9+.-]*:", link, re.I):  # another scheme: not ours
                    continue
                count += 1
                target, _, anchor = link.partition("#")
                if target:
                    target = os.path.normpath(os.path.join(os.path.dirname(name), unquote(target)))
                    target = target.replace(os.sep, "/")
                else:  # an anchor on the same page
                    target = name
                if target not in inside:
                    broken.append(f"{name} -> {link}")
                elif anchor and anchor not in pages.get(target, Links()).anchors:
                    broken.append(f"{name} -> {link} (no such anchor)")
            for img in page.images:
                actual = png_size(os.path.join(unpacked, os.path.dirname(name), img["src"]))
                given = (int(img.get("width", 0)), int(img.get("height", 0)))
                if actual and given != actual:
                    unsized.append(f"{name}: {img['src']} is {actual}, shown as {given}")
        check(f"all {count} links lead inside", not broken, "; ".join(broken))
        check("every image is shown at its own size", not unsized, "; ".join(unsized))

        system = system_entries(os.path.join(unpacked, "#SYSTEM"))
        check(f"the file opens at {START_TOPIC}", text(system.get(2, b"")) == START_TOPIC,
              repr(text(system.get(2, b""))))
        check("the title is Tavelkit Help", text(system.get(3, b"")) == "Tavelkit Help",
              repr(text(system.get(3, b""))))
        check("its contents are keymap.hhc", text(system.get(0, b"")) == "keymap.hhc",
              repr(text(system.get(0, b""))))

    print(f"{len(failures)} failed" if failures else "all passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
