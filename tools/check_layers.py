#!/usr/bin/env python3
"""Checks the layer order of ARCHITECTURE.md against the #include lines.

The layers, their order and the libraries each may use are read from the
table in ARCHITECTURE.md, so that the map and the check cannot drift apart.
A layer may include its own headers and those of the layers above it in the
table; it may use the libraries named for it or for a layer above it (a Qt
header counts as its module: Qt Core, Qt Gui, Qt Widgets). tools/, tests/ and
bench/ use the layers and are never used by them.

Usage: check_layers.py [--root DIR] [--qt-headers DIR]
Exit status 0 when every include keeps the order, 1 with one line per fault.
"""

import argparse
import pathlib
import re
import shutil
import subprocess
import sys

USERS_OF_LAYERS = ("tools", "tests", "bench")
SOURCE_SUFFIXES = (".h", ".cpp")
# The headers of pixels and image files: the features describe boards with
# pictures/board_diagram.h and hand them to pictures/board_renderer.h.
PIXEL_HEADERS = {"pictures/canvas.h", "pictures/image_catalogue.h"}

# The libraries ARCHITECTURE.md names besides Qt, by the header that brings them.
LIBRARY_HEADERS = {"sqlite3.h": "SQLite", "gif_lib.h": "giflib"}

TABLE_ROW = re.compile(r"^\|\s*`(\w+)/`\s*\|\s*`\w+`\s*\|(.*)\|\s*$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Qt\w+/)?Q\w+$")


def read_layers(architecture):
    """The layers in order, each with the libraries it may use (its own and those above)."""
    layers = []
    allowed = set()
    for line in architecture.read_text(encoding="utf-8").splitlines():
        row = TABLE_ROW.match(line)
        if not row:
            continue
        uses = row.group(2)
        allowed |= {"Qt" + module for module in re.findall(r"Qt (\w+)", uses)}
        allowed |= {name for name in LIBRARY_HEADERS.values() if name in uses}
        layers.append((row.group(1), frozenset(allowed)))
    if not layers:
        sys.exit(f"{architecture}: no layer table found")
    return layers


def find_qt_headers(given):
    if given:
        return pathlib.Path(given)
    for tool in ("qtpaths6", "qmake6", "qtpaths", "qmake"):
        if not shutil.which(tool):
            continue
        query = "--query" if tool.startswith("qtpaths") else "-query"
        found = subprocess.run([tool, query, "QT_INSTALL_HEADERS"], capture_output=True, text=True)
        if found.returncode == 0 and found.stdout.strip():
            return pathlib.Path(found.stdout.strip())
    sys.exit("Qt's headers were not found (install Qt 6 or pass --qt-headers DIR)")


def qt_module(header, qt_headers):
    """The Qt module ("QtCore", ...) a header belongs to, or None when it is not Qt's."""
    if not QT_HEADER.match(header):
        return None
    if "/" in header:
        module = header.split("/")[0]
        return module if (qt_headers / header).is_file() else None
    for module_dir in sorted(qt_headers.glob("Qt*")):
        if (module_dir / header).is_file():
            return module_dir.name
    return None


def includes(source):
    for number, line in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
        found = INCLUDE.match(line)
        if found:
            yield number, found.group(1) == "<", found.group(2)


def project_folder(header, source, root, folders):
    """The top folder of the project that a quoted include names, or None."""
    top = header.split("/")[0]
    if top in folders and (root / header).is_file():
        return top
    beside = (source.parent / header).resolve()
    if beside.is_file() and root in beside.parents:
        return beside.relative_to(root).parts[0]
    if (root / "tools" / header).is_file():
        return "tools"
    return None


def check(root, qt_headers):
    layers = read_layers(root / "ARCHITECTURE.md")
    rank = {name: index for index, (name, _) in enumerate(layers)}
    libraries = dict(layers)
    folders = set(rank) | set(USERS_OF_LAYERS)
    faults = []
    for layer, _ in layers:
        for source in sorted((root / layer).rglob("*")):
            if source.suffix not in SOURCE_SUFFIXES:
                continue
            where = source.relative_to(root)
            for number, angled, header in includes(source):
                fault = check_include(header, angled, source, layer, root, folders, rank,
                                      libraries[layer], qt_headers)
                if fault:
                    faults.append(f"{where}:{number}: {fault}")
    return faults


def check_include(header, angled, source, layer, root, folders, rank, allowed, qt_headers):
    if angled:
        module = qt_module(header, qt_headers)
        if module and module not in allowed:
            return f"<{header}> is {module}, which the {layer} layer may not use"
        if not module and re.match(r"^Q[A-Z]", header):
            return f"<{header}> looks like Qt but is no Qt header found in {qt_headers}"
        library = LIBRARY_HEADERS.get(header)
        if library and library not in allowed:
            return f"<{header}> is {library}, which the {layer} layer may not use"
        return None
    target = project_folder(header, source, root, folders)
    if target is None:
        return f'"{header}" is no header of the project'
    if target in USERS_OF_LAYERS:
        return f'"{header}" is in {target}/, which the layers may not use'
    if rank[target] > rank[layer]:
        return f'"{header}" goes up from {layer}/ to {target}/'
    if layer == "features" and header in PIXEL_HEADERS:
        return f'"{header}" is pixels: features say what a board shows through the renderer'
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parent.parent)
    parser.add_argument("--qt-headers")
    arguments = parser.parse_args()
    root = pathlib.Path(arguments.root).resolve()
    faults = check(root, find_qt_headers(arguments.qt_headers))
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against the layer order of ARCHITECTURE.md")
        return 1
    print("layer order kept")
    return 0


if __name__ == "__main__":
    sys.exit(main())
