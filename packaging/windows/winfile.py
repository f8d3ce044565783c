#!/usr/bin/python3
"""Reads back what the Windows package checks compare, one fact a line:
  winfile.py record FILE.exe     machine, version numbers and version strings
  winfile.py icons FILE.exe      each icon group's images: WxH colours
  winfile.py imports FILE.exe    the DLLs it imports, lower case
  winfile.py manifest FILE.exe   the requested execution level, and the ANSI
                                 code page asked for, if any
  winfile.py hardening FILE.exe  ASLR (with relocations), high-entropy ASLR
                                 and DEP, each on or off
  winfile.py link FILE.lnk       a shortcut's target, arguments, folder, icon
Needs python3-pefile."""

import struct
import sys

import pefile

MACHINES = {0x14C: "x86", 0x8664: "x64", 0xAA64: "arm64"}


def record(pe):
    print("machine", MACHINES.get(pe.FILE_HEADER.Machine, "other"))
    fixed = pe.VS_FIXEDFILEINFO[0]
    for name in ("FileVersion", "ProductVersion"):
        ms, ls = getattr(fixed, name + "MS"), getattr(fixed, name + "LS")
        print(f"fixed {name} {ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            for key, value in sorted(table.entries.items()):
                print(f"string {key.decode()} {value.decode()}")


def icons(pe):
    for group in resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"]):
        (count,) = struct.unpack_from("<H", group, 4)
        for i in range(count):
            width, height, colours = struct.unpack_from("<BBB", group, 6 + 14 * i)
            # 0 stands for 256 pixels, and for more than 255 colours.
            print(f"{width or 256}x{height or 256} {colours or 'many'}")


def imports(pe):
    for dll in sorted(e.dll.decode().lower() for e in pe.DIRECTORY_ENTRY_IMPORT):
        print(dll)


def manifest(pe):
    for text in resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"]):
        text = text.decode("utf-8", "replace")
        _, found, rest = text.partition("<requestedExecutionLevel ")
        level = rest.partition('level="')[2].partition('"')[0]
        print("level", level if found else "none")
        code_page = text.partition("<activeCodePage")[2].partition(">")[2]
        if code_page:
            print("code-page", code_page.partition("<")[0].strip())


def hardening(pe):
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    # Without relocations the loader cannot move the image, whatever the
    # flag says.
    relocations = pe.OPTIONAL_HEADER.DATA_DIRECTORY[
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]].Size > 0
    on = lambda yes: "on" if yes else "off"
    print("aslr", on(flags & 0x40 and relocations))
    print("high-entropy-aslr", on(flags & 0x20))
    print("dep", on(flags & 0x100))


def resources(pe, type_id):
    """The data of every resource of one type, in any language."""
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != type_id:
            continue
        for entry in kind.directory.entries:
            for lang in entry.directory.entries:
                data = lang.data.struct
                yield pe.get_data(data.OffsetToData, data.Size)


def link(path):
    """A Shell Link (.lnk): the header, the item list, the location block
    with the target's path, then the counted strings."""
    data = open(path, "rb").read()
    (flags,) = struct.unpack_from("<I", data, 0x14)
    (icon_index,) = struct.unpack_from("<i", data, 0x38)
    pos = 0x4C
    if flags & 0x1:  # an item list
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    target = ""
    if flags & 0x2:  # the location block
        size, header, _, _, base, _, suffix = struct.unpack_from("<7I", data, pos)
        # In the ANSI code page, which is all Wine writes; a program path
        # of plain ASCII reads the same in any.
        ansi = lambda at: data[pos + at:data.index(b"\0", pos + at)].decode("latin-1")
        target = ansi(base) + ansi(suffix)
        if header >= 0x24:  # the same in UTF-16
            base_w, suffix_w = struct.unpack_from("<2I", data, pos + 28)
            target = utf16z(data, pos + base_w) + utf16z(data, pos + suffix_w)
        pos += size
    strings = {}
    wide = bool(flags & 0x80)
    for bit, name in ((0x4, "name"), (0x8, "relative"), (0x10, "folder"),
                      (0x20, "arguments"), (0x40, "icon")):
        if flags & bit:
            (count,) = struct.unpack_from("<H", data, pos)
            width = 2 if wide else 1
            raw = data[pos + 2:pos + 2 + count * width]
            strings[name] = raw.decode("utf-16-le" if wide else "latin-1").rstrip("\0")
            pos += 2 + count * width
    print("target", target)
    print("arguments", strings.get("arguments", ""))
    print("folder", strings.get("folder", ""))
    print("icon", f"{strings.get('icon', '')},{icon_index}")


def utf16z(data, at):
    end = at
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le")


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("record", "icons", "imports", "manifest",
                                                 "hardening", "link"):
        sys.exit(__doc__)
    command, path = sys.argv[1:]
    if command == "link":
        link(path)
    else:
        globals()[command](pefile.PE(path))


if __name__ == "__main__":
    main()
