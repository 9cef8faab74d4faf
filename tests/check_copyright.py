#!/usr/bin/python3
"""The package's copyright file is machine-readable (Debian's copyright format 1.0) and gives
every file of the source tree a licence whose text it carries.

    check_copyright.py COPYRIGHT SOURCE_DIR

Needs Debian's python3-debian (run with /usr/bin/python3). Exit status 1 with one line per fault.
"""
import os
import sys

from debian import copyright as dep5

# What the program's own files and the bundled fonts are under.
EXPECTED = {
    "src/shell/main_window.cpp": "GPL-3+",
    "packaging/org.aurelion.Aurelion.metainfo.xml": "GPL-3+",
    "resources/fonts/LiberationSans-Regular.ttf": "OFL-1.1",
    "resources/fonts/LiberationMono-Regular.ttf": "OFL-1.1",
}


def source_files(root):
    for directory, subdirectories, files in os.walk(root):
        # Build trees and version control hold no sources.
        subdirectories[:] = [d for d in subdirectories if d != ".git" and not d.startswith("build")]
        for name in files:
            yield os.path.relpath(os.path.join(directory, name), root)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], encoding="utf-8") as f:
        parsed = dep5.Copyright(f, strict=True)
    texts = {p.license.synopsis: p.license.text for p in parsed.all_license_paragraphs()}
    faults = []
    for path in sorted(source_files(argv[2])):
        paragraph = parsed.find_files_paragraph(path)
        if paragraph is None:
            faults.append(f"{path}: no Files paragraph")
            continue
        licence = paragraph.license
        if not (licence.text or texts.get(licence.synopsis)):
            faults.append(f"{path}: the licence {licence.synopsis} has no text")
        if not paragraph.copyright:
            faults.append(f"{path}: no copyright holder")
    for path, synopsis in EXPECTED.items():
        paragraph = parsed.find_files_paragraph(path)
        found = paragraph.license.synopsis if paragraph else None
        if found != synopsis:
            faults.append(f"{path}: licence {found}, expected {synopsis}")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
