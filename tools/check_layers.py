#!/usr/bin/env python3
"""Checks the layers of src/ from its includes.

Below: every folder of src/ but gui/, the Qt-free core. Above: gui/, every
window. The check fails when
  - a file outside src/gui/ includes a Qt header,
  - a file outside src/gui/ includes a file of src/gui/,
  - the folders outside src/gui/ include each other in a circle,
  - the subfolders of src/gui/ include each other in a circle.
A folder including its own files is no circle. Prints what it found and
exits 1 on any of these, 0 otherwise.

    check_layers.py SOURCE_TREE
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.MULTILINE)
QT_HEADER = re.compile(r"^(Q[A-Z]\w*|Qt\w+/|qt\w*\.h$)")
SOURCE_SUFFIXES = {".h", ".hpp", ".c", ".cpp"}


def includes(path):
    return INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace"))


def find_circle(graph):
    """The first circle of a graph {node: {node, ...}} as a list that ends where it starts, or None."""
    done, path = set(), []

    def visit(node):
        if node in path:
            return path[path.index(node):] + [node]
        if node in done:
            return None
        path.append(node)
        for target in sorted(graph.get(node, ())):
            circle = visit(target)
            if circle:
                return circle
        path.pop()
        done.add(node)
        return None

    for node in sorted(graph):
        circle = visit(node)
        if circle:
            return circle
    return None


def check(src):
    gui = src / "gui"
    if not gui.is_dir():
        return ["no src/gui/ folder"], {}, {}
    core_folders = {p.name for p in src.iterdir() if p.is_dir() and p.name != "gui"}
    gui_folders = {p.name for p in gui.iterdir() if p.is_dir()}
    core_graph = {name: set() for name in core_folders}
    gui_graph = {name: set() for name in gui_folders}
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        parts = path.relative_to(src).parts
        in_gui = parts[0] == "gui"
        for target in includes(path):
            first = target.split("/")[0]
            where = f"{path.relative_to(src.parent)} includes {target}"
            if not in_gui and QT_HEADER.match(target):
                faults.append(f"Qt outside gui/: {where}")
            elif "/" not in target:
                continue
            elif not in_gui and first == "gui":
                faults.append(f"gui/ from below: {where}")
            elif not in_gui and first in core_folders and first != parts[0]:
                core_graph[parts[0]].add(first)
            elif in_gui and first == "gui" and len(parts) > 2:
                second = target.split("/")[1]
                if second in gui_folders and second != parts[1]:
                    gui_graph[parts[1]].add(second)
    for layer, graph in (("src/", core_graph), ("src/gui/", gui_graph)):
        circle = find_circle(graph)
        if circle:
            faults.append(f"folders of {layer} in a circle: {' -> '.join(circle)}")
    return faults, core_graph, gui_graph


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    faults, core_graph, gui_graph = check(pathlib.Path(sys.argv[1]) / "src")
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"Qt only in gui/; the {len(core_graph)} folders below it and the {len(gui_graph)} "
          "folders in it include each other without a circle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
