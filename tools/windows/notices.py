#!/usr/bin/env python3
"""The licence file of the Windows release, and its check.

The third-party part is found, not listed: the Makefiles kept from the Qt build say which source
files (and headers, and resource inputs) went into each Qt library, the program's link line says
which libraries it links, and Qt's own attribution records say which of those files belong to
which component.

  notices.py write --qt PREFIX --tree QT_SOURCE_TREE --link LINK_FILE... --version V
                   --release-file NAME=PATH... --out LICENSE.txt
  notices.py check --qt PREFIX --tree QT_SOURCE_TREE --map french-test.map --license LICENSE.txt
"""
import argparse
import hashlib
import json
import os
import re
import sys
import tarfile

RULE = "=" * 80


def die(message):
    print(f"notices: {message}", file=sys.stderr)
    sys.exit(1)


def read_records(tree):
    """Every attribution record in the Qt source, with the folder it stands in."""
    records = []
    for folder, _, files in os.walk(tree):
        if "qt_attribution.json" not in files:
            continue
        path = os.path.join(folder, "qt_attribution.json")
        with open(path, encoding="utf-8") as handle:
            text = handle.read()
        # Some records repeat a key (the first one a comment) and break lines inside strings:
        # the lenient reading keeps the last value and takes the line breaks as they are.
        try:
            data = json.loads(text, strict=False)
        except ValueError as error:
            die(f"cannot read the attribution record {path}: {error}")
        for record in data if isinstance(data, list) else [data]:
            if not isinstance(record, dict) or "Id" not in record:
                die(f"an entry of {path} is not an attribution record")
            record["_dir"] = os.path.relpath(folder, tree)
            records.append(record)
    if not records:
        die(f"no attribution records under {tree}")
    return sorted(records, key=lambda r: (r["_dir"], r["Id"]))


def stem(name):
    return os.path.splitext(os.path.basename(name))[0]


def record_matches(record, files):
    """Whether any of the source-relative files belongs to the record."""
    base = record["_dir"]
    if record.get("Path"):
        target = os.path.normpath(os.path.join(base, record["Path"]))
        return any(f == target or f.startswith(target + "/") for f in files)
    inside = [f for f in files if f.startswith(base + "/")]
    if record.get("Files"):
        # A named file may be built into another form (a style sheet into a resource).
        names = [n for n in re.split(r"[\s,]+", record["Files"]) if n]
        wanted = {n for n in names} | {stem(n) for n in names}
        return any(os.path.basename(f) in wanted or stem(f) in wanted for f in inside)
    return bool(inside)


class Build:
    """What the kept Makefiles of the Qt build say: each library's inputs, each object's."""

    def __init__(self, prefix):
        archive = os.path.join(prefix, "build-record", "makefiles.tar.xz")
        if not os.path.isfile(archive):
            die(f"{archive} is missing: this Qt was built without its build record")
        self.library_files = {}   # library path relative to the prefix -> source files
        self.object_files = {}    # (library, object base name) -> source files
        with tarfile.open(archive) as tar:
            for member in tar.getmembers():
                name = os.path.normpath(member.name)
                if not member.isfile() or not os.path.basename(name).startswith("Makefile"):
                    continue
                text = tar.extractfile(member).read().decode("utf-8", "replace")
                self._read_makefile(os.path.dirname(name), text)

    def _read_makefile(self, folder, text):
        text = text.replace("\\\n", " ")
        target = re.search(r"^DESTDIR_TARGET\s*=\s*(\S+)", text, re.M)
        if not target:
            target = re.search(r"^TARGET\s*=\s*(\S+\.a)\s*$", text, re.M)
            if not target:
                return
        library = os.path.normpath(os.path.join(folder, target.group(1)))
        rules = {}
        for line in text.split("\n"):
            match = re.match(r"^([^\s:=#]+)\s*:(?!=)\s*(.*)$", line)
            if match:
                rules.setdefault(match.group(1), []).extend(match.group(2).split())

        def inputs(start):
            seen, stack = set(), [start]
            while stack:
                for dep in rules.get(stack.pop(), []):
                    if dep not in seen:
                        seen.add(dep)
                        stack.append(dep)
            return {self._source_relative(d) for d in seen} - {None}

        everything = set()
        for rule in rules:
            if rule.endswith(".o"):
                files = inputs(rule)
                self.object_files[(library, os.path.basename(rule))] = files
                everything |= files
        if everything:
            self.library_files.setdefault(library, set()).update(everything)

    @staticmethod
    def _source_relative(path):
        match = re.match(r"^/.*?/work-[0-9a-f]+/src/(.*)$", path)
        return os.path.normpath(match.group(1)) if match else None


def linked_libraries(prefix, link_files):
    """The Qt archives on the program's link line, relative to the Qt prefix."""
    prefix = os.path.realpath(prefix)
    found = []
    for link_file in link_files:
        with open(link_file, encoding="utf-8") as handle:
            for word in handle.read().split():
                word = word.strip('"')
                if word.endswith(".a") and os.path.realpath(word).startswith(prefix + "/"):
                    relative = os.path.relpath(os.path.realpath(word), prefix)
                    if relative not in found:
                        found.append(relative)
    if not found:
        die(f"no Qt library on the link line in {' '.join(link_files)}")
    return found


def licence_texts(record, tree):
    names = record.get("LicenseFile", "")
    texts = []
    for name in [n for n in names.split() if n]:
        path = os.path.normpath(os.path.join(tree, record["_dir"], name))
        if not os.path.isfile(path):
            die(f"the licence file {path} of {record['Id']} is missing")
        with open(path, encoding="utf-8", errors="replace") as handle:
            texts.append((os.path.relpath(path, tree), handle.read()))
    return texts


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as handle:
        for block in iter(lambda: handle.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


def read_text(path):
    with open(path, encoding="utf-8") as handle:
        return handle.read()


def section(title, body):
    return f"{RULE}\n{title}\n{RULE}\n\n{body.rstrip()}\n\n"


def write(args):
    build = Build(args.qt)
    libraries = linked_libraries(args.qt, args.link)
    unknown = [lib for lib in libraries if lib not in build.library_files]
    if unknown:
        die(f"the Qt build record does not say what went into {', '.join(unknown)}")
    files = set().union(*(build.library_files[lib] for lib in libraries))
    records = [r for r in read_records(args.tree) if record_matches(r, files)]
    qt_source_version = read_text(os.path.join(args.qt, ".source-version")).strip()
    qt_version = re.match(r"[0-9.]+", qt_source_version).group(0)
    configure = read_text(os.path.join(args.qt, "build-record", "configure-command")).strip()
    configure = re.sub(r"-prefix \S+ ", "-prefix <Qt folder> ", configure)

    release = []
    for item in args.release_file:
        name, _, path = item.partition("=")
        release.append(f"  {sha256(path)}  {name}")
    release = "\n".join(release)

    text = section(f"French Test {args.version} for Windows: terms", f"""\
Copyright (C) the authors of French Test. All rights reserved, except as follows.

French Test (french-test.exe) is linked with the Qt toolkit, which is used under the GNU Lesser
General Public License version 3 (LGPL). As that licence requires, anyone who receives this
program may modify the Qt parts of it, relink the program's object code (the relink kit named
below) with a modified Qt, and reverse-engineer the program to debug such modifications.
""")
    text += section("What is inside french-test.exe, and the source that goes with it", f"""\
french-test.exe is one file: the Qt {qt_version} toolkit, the third-party code that Qt carries
(listed below with its licences), and the C and C++ runtime of the MinGW-w64 compiler are linked
into it statically. Qt is used under the LGPL version 3; its text and that of the GNU General
Public License version 3, to which it refers, follow.

Qt's source as built is Debian's source package qtbase-opensource-src, version
{qt_source_version}: Qt {qt_version} with Debian's patches, in the three files of the qt-source
folder below. It was configured with:
    {configure}
and built with `make` and `make install` (the script that did so is tools/windows/qt-build.sh of
French Test's source).

The relink kit holds the program's own object code as built, a script that links it with the
MinGW-w64 g++ against a static Qt 5.15 configured as above, and a README saying how; relinking it
with the Qt built from the source above gives this very french-test.exe, byte for byte.

These files must go with every copy of the French Test zip, installer or MSI, or be offered
from the same place at no further charge:
{release}
""")
    text += section(f"Qt {qt_version}: GNU Lesser General Public License version 3",
                    read_text(os.path.join(args.tree, "LICENSE.LGPL3")))
    text += section("GNU General Public License version 3 (to which the LGPL above refers)",
                    read_text(os.path.join(args.tree, "LICENSE.GPL3")))

    shown = {}
    for record in records:
        lines = [f"{field}: {record[field]}" for field in
                 ("Name", "Id", "Version", "License", "LicenseId", "Copyright", "Homepage", "QtUsage")
                 if record.get(field)]
        lines.append(f"Where in Qt's source: {record['_dir']}")
        body = "\n".join(lines) + "\n"
        texts = licence_texts(record, args.tree)
        for path, content in texts:
            if path in shown:
                body += f"\nLicence text: {path}, given above under {shown[path]}.\n"
            else:
                shown[path] = record["Name"]
                body += f"\n--- {path} ---\n{content}"
        if not texts:
            body += "\n(The record names no licence file; its License and Copyright fields stand.)\n"
        text += section(f"Inside Qt: {record['Name']}", body)

    text += section("MinGW-w64 runtime (CRT, winpthreads): Debian's copyright record of mingw-w64-x86-64-dev",
                    read_text("/usr/share/doc/mingw-w64-x86-64-dev/copyright"))
    text += section("GCC runtime (libgcc, libstdc++), GPL 3 with the GCC Runtime Library Exception: "
                    "Debian's copyright record of gcc-mingw-w64-base",
                    read_text("/usr/share/doc/gcc-mingw-w64-base/copyright"))
    # Notepad on older Windows wants CR LF.
    with open(args.out, "w", encoding="utf-8", newline="\r\n") as handle:
        handle.write(text)
    print(f"notices: {len(records)} components of {len(libraries)} Qt libraries in {args.out}")


def check(args):
    """Each component whose code the linker really took (the map) must be in the licence file."""
    build = Build(args.qt)
    prefix = os.path.realpath(args.qt)
    taken = set()
    members = 0
    with open(args.map, encoding="utf-8", errors="replace") as handle:
        for match in re.finditer(r"^\s*(\S+\.a)\(([^)]+\.o)\)", handle.read(), re.M):
            archive = os.path.realpath(match.group(1))
            if archive.startswith(prefix + "/"):
                key = (os.path.relpath(archive, prefix), match.group(2))
                if key in build.object_files:
                    taken |= build.object_files[key]
                    members += 1
    if not members:
        die(f"the link map {args.map} names no member of a Qt library")
    licence = read_text(args.license).replace("\r\n", "\n")
    missing = []
    for record in read_records(args.tree):
        if not record_matches(record, taken):
            continue
        texts = licence_texts(record, args.tree)
        present = f"Id: {record['Id']}\n" in licence and all(
            content.rstrip()[:200] in licence for _, content in texts)
        if not present:
            missing.append(f"{record['Id']} ({record['_dir']})")
    if missing:
        die(f"linked into the program but not in {args.license}: {', '.join(missing)}")
    print(f"notices check: every component of the {members} Qt objects linked in is in {args.license}")


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="command", required=True)
    w = sub.add_parser("write")
    w.add_argument("--qt", required=True)
    w.add_argument("--tree", required=True)
    w.add_argument("--link", required=True, nargs="+")
    w.add_argument("--version", required=True)
    w.add_argument("--release-file", nargs="*", default=[])
    w.add_argument("--out", required=True)
    c = sub.add_parser("check")
    c.add_argument("--qt", required=True)
    c.add_argument("--tree", required=True)
    c.add_argument("--map", required=True)
    c.add_argument("--license", required=True)
    args = parser.parse_args()
    (write if args.command == "write" else check)(args)


if __name__ == "__main__":
    main()
