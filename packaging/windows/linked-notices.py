#!/usr/bin/python3
"""Says which licence notice each library linked into a program needs, from
the linker's map, and fails when one has no notice in the notices file:
  linked-notices.py PROGRAM.map THIRD-PARTY-NOTICES.txt
Prints one line a notice: its heading, then the libraries that need it."""

import fnmatch
import os
import re
import sys

# What was linked in, as "archive(member)" or "object.o", each matched by
# the first rule that fits; None is our own code, under LICENSE.txt. A
# heading that the notices file lacks fails the check, so the rules name
# the parts of the runtime under licences of their own before the rest.
GCC = "GCC runtime libraries"
RUNTIME = "mingw-w64 runtime"
GDTOA = "gdtoa"
PRINTF = "mingw-w64 printf implementation"
GDTOA_MEMBERS = ("dmisc dtoa g__fmt g_dfmt g_ffmt g_xfmt gdtoa gethex gmisc "
                 "hd_init hexnan misc smisc strtodg strtof strtopx sum ulp "
                 "strtodI strtoIg").split()
RULES = [
    ("liblotwheel_*.a(*)", None),
    ("objects.a(*)", None),
    ("libstdc++.a(*)", GCC),
    ("libgcc.a(*)", GCC),
    ("libgcc_eh.a(*)", GCC),
    ("libssp.a(*)", GCC),
    ("libssp_nonshared.a(*)", GCC),
    ("crtbegin.o", GCC),
    ("crtend.o", GCC),
    ("libpthread.a(libwinpthread_la-*)", "mingw-w64 winpthreads"),
    ("libwinpthread.a(*)", "mingw-w64 winpthreads"),
    # The runtime's parts with notices of their own.
    ("libmingwex.a(*-mingw_pformat.o)", PRINTF),
    ("libmingwex.a(*-mingw_*printf.o)", PRINTF),
    ("libmingwex.a(*-basename.o)", PRINTF),
    ("libmingwex.a(*-dirname.o)", PRINTF),
] + [(f"libmingwex.a(*-{name}.o)", GDTOA) for name in GDTOA_MEMBERS] + [
    ("libmingwex.a(*-qnan.o)", "gdtoa additions by David M. Gay"),
    ("libmingwex.a(*-strtodnrp.o)", "gdtoa additions by David M. Gay"),
    ("libmingwex.a(*-*erf*.o)", "Sun Microsystems"),
    ("libmingwex.a(*-e_*.o)", "Sun Microsystems"),
    ("libmingwex.a(*-getopt.o)", "NetBSD Foundation"),
    ("libmingwex.a(*-strtok_r.o)", "University of California"),
    # The rest of the runtime: start-up code, C library additions, and the
    # import stubs of Windows' DLLs.
    ("crt2*.o", RUNTIME),
    ("libmingw32.a(*)", RUNTIME),
    ("libmingwex.a(*)", RUNTIME),
    ("libmsvcrt.a(*)", RUNTIME),
    ("libmoldname.a(*)", RUNTIME),
    ("libuuid.a(*)", RUNTIME),
]
# An import library's members, lib<dll>.a(lib<dll>h.o, s00123.o, t.o).
IMPORT_STUB = re.compile(r"lib(\w+)\.a\(lib\1(h|t|s\d+)\.o\)$")


def linked(map_text):
    """What the map says was linked: archive members, then object files."""
    parts = set()
    members = map_text.partition("Archive member included")[2]
    members = members.partition("\nDiscarded input sections")[0]
    for line in members.splitlines()[1:]:
        if line and not line[0].isspace():
            path, _, member = line.split()[0].partition("(")
            parts.add(f"{os.path.basename(path)}({member}")
    for path in re.findall(r"^LOAD (\S+\.o)$", map_text, re.MULTILINE):
        parts.add(os.path.basename(path))
    return parts


def notice_of(part):
    for pattern, heading in RULES:
        if fnmatch.fnmatchcase(part, pattern):
            return heading
    return RUNTIME if IMPORT_STUB.match(part) else "(no rule)"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    map_text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
    headings = [line[2:].strip() for line in
                open(sys.argv[2], encoding="utf-8").read().splitlines()
                if line.startswith("■ ")]
    needs = {}
    unknown = []
    for part in sorted(linked(map_text)):
        heading = notice_of(part)
        if heading == "(no rule)":
            unknown.append(part)
        elif heading is not None:
            needs.setdefault(heading, set()).add(part.partition("(")[0])
    missing = [f"{part}, which no rule names" for part in unknown]
    for heading, libraries in sorted(needs.items()):
        print(f"{heading}: {' '.join(sorted(libraries))}")
        if not any(h == heading or h.startswith(heading + " (")
                   for h in headings):
            missing.append(f"{heading} ({' '.join(sorted(libraries))})")
    if not needs:
        sys.exit("no library found in the link map")
    if missing:
        sys.exit("no notice for: " + "; ".join(missing))


if __name__ == "__main__":
    main()
