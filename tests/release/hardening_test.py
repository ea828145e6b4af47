#!/usr/bin/python3
"""Reads the headers of every shipped program and checks what
cmake/hardening.cmake and cmake/reproducible.cmake ask of the linker: ASLR
with relocations, DEP, on 64-bit Windows high-entropy ASLR, the stack
protector's guard seeded by our own run time (platform/win32/stack_guard.cpp,
through RtlGenRandom) rather than libssp's (through a cryptographic
provider), and no time stamp.

    hardening_test.py BIN_FOLDER
"""
import os
import sys

import pefile

PROGRAMS = ("Tavelhook.dll", "Tavelmon.exe", "Tavelpanel.exe")
DYNAMIC_BASE = 0x0040
NX_COMPAT = 0x0100
HIGH_ENTROPY_VA = 0x0020
RELOCS_STRIPPED = 0x0001

failures = 0


def check(what, ok):
    global failures
    print(("ok: " if ok else "FAIL: ") + what)
    failures += 0 if ok else 1


def imports(pe):
    return {(entry.dll.decode().lower(), imp.name.decode())
            for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])
            for imp in entry.imports if imp.name}


def main():
    folder = sys.argv[1]
    for name in PROGRAMS:
        path = os.path.join(folder, name)
        pe = pefile.PE(path)
        wide = pe.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS
        flags = pe.OPTIONAL_HEADER.DllCharacteristics
        relocations = pe.OPTIONAL_HEADER.DATA_DIRECTORY[
            pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]]
        check(name + ": DYNAMIC_BASE", flags & DYNAMIC_BASE)
        check(name + ": relocations kept",
              not pe.FILE_HEADER.Characteristics & RELOCS_STRIPPED and relocations.Size > 0)
        check(name + ": NX_COMPAT", flags & NX_COMPAT)
        if wide:
            check(name + ": HIGH_ENTROPY_VA (64-bit)", flags & HIGH_ENTROPY_VA)
        imported = imports(pe)
        check(name + ": stack guard seeded (advapi32 SystemFunction036, RtlGenRandom)",
              ("advapi32.dll", "SystemFunction036") in imported)
        check(name + ": not by libssp (no CryptAcquireContextA)",
              ("advapi32.dll", "CryptAcquireContextA") not in imported)
        check(name + ": no time stamp", pe.FILE_HEADER.TimeDateStamp == 0)
    print("%d failed" % failures if failures else "all hardening checks passed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
