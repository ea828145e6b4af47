#!/usr/bin/python3
"""One version everywhere: reads the version resource of each shipped program
and the installer package's tables back and compares them with the project's
version, maker and product name.

    version_test.py BIN_FOLDER PACKAGE VERSION COMPANY PRODUCT
"""
import os
import subprocess
import sys

import pefile

PROGRAMS = ("Tavelhook.dll", "Tavelmon.exe", "Tavelpanel.exe")

failures = 0


def check(what, actual, expected):
    global failures
    if actual == expected:
        print("ok: %s" % what)
    else:
        failures += 1
        print("FAIL: %s: expected %r, got %r" % (what, expected, actual))


def version_resource(path):
    """The fixed version numbers and the string table of a PE file."""
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = lambda ms, ls: "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    strings = {}
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    return (numbers(fixed.FileVersionMS, fixed.FileVersionLS),
            numbers(fixed.ProductVersionMS, fixed.ProductVersionLS), strings)


def msi_table(package, table):
    """Rows of a table of the package as lists of columns (msiinfo export)."""
    text = subprocess.run(["msiinfo", "export", package, table], check=True,
                          capture_output=True, text=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:]]


def main():
    folder, package, version, company, product = sys.argv[1:6]
    four_part = version + ".0"
    file_table = {row[0]: row for row in msi_table(package, "File")}
    for name in PROGRAMS:
        file_version, product_version, strings = version_resource(os.path.join(folder, name))
        check(name + " file version", file_version, four_part)
        check(name + " product version", product_version, four_part)
        for key, expected in (("FileVersion", version), ("ProductVersion", version),
                              ("CompanyName", company), ("ProductName", product),
                              ("OriginalFilename", name)):
            check("%s %s" % (name, key), strings.get(key), expected)
        check(name + " has a description", bool(strings.get("FileDescription")), True)
        check(name + " copyright names the maker",
              strings.get("LegalCopyright", "").endswith(" " + company), True)
        check(name + " version in the package's File table", file_table[name][4], file_version)

    check("package file name", os.path.basename(package), "%s-%s.msi" % (product, version))
    properties = {row[0]: row[1] for row in msi_table(package, "Property")}
    check("package ProductVersion", properties.get("ProductVersion"), version)
    check("package Manufacturer", properties.get("Manufacturer"), company)
    check("package ProductName", properties.get("ProductName"), product)
    recorded = [row[4] for row in msi_table(package, "Registry")
                if row[2].endswith("\\InstallInfo") and row[3] == "TAVELVersion"]
    check("InstallInfo\\TAVELVersion the package writes", recorded, [version])

    print("%d failed" % failures if failures else "all version checks passed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
