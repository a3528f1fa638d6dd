#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

The order is read from the "layer order" block in docs/ARCHITECTURE.md, so
the picture there and this check cannot drift apart. Each line of the block
is one layer, bottom first: its folders (separated by ", ") may include one
another and every layer below, never a layer above. A file belongs to the
layer of the longest listed folder its path starts with. Every folder of the
product (each top-level folder with sources, and each folder of framework/)
must lie in a listed one, so a new folder cannot slip past the check; tests,
benchmarks and fuzz targets stand outside the order, and includes of headers
outside every listed folder (system and toolkit headers) are not checked.

usage: check-layers.py [source root]      (default: the repository)
       check-layers.py --self-test
"""
import os
import re
import sys
import tempfile

DOC = "docs/ARCHITECTURE.md"
BLOCK_START = "<!-- layer order"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
OUTSIDE_THE_ORDER = {"tests", "bench", "fuzz"}
SOURCES = (".h", ".cpp")


def read_layers(root):
    """The layers, bottom first, as lists of folders."""
    layers, inside = [], False
    with open(os.path.join(root, DOC), encoding="utf-8") as doc:
        for line in doc:
            if line.startswith(BLOCK_START):
                inside = True
            elif inside and line.startswith("```") and layers:
                break
            elif inside and line.strip() and not line.startswith("```"):
                folders = re.split(r"\s{2,}", line.strip())[0]
                layers.append([f.strip().rstrip("/") for f in folders.split(",")])
    if not layers:
        sys.exit(f"check-layers: no layer order block in {DOC}")
    return layers


def layer_of(path, rank):
    """The rank of the longest listed folder path lies in, or None."""
    best = None
    for folder, r in rank.items():
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best[0])):
            best = (folder, r)
    return best


def holds_sources(folder):
    return any(name.endswith(SOURCES) for _, _, names in os.walk(folder) for name in names)


def product_folders(root):
    """The top-level folders with sources, framework/ counted per folder."""
    folders = []
    for top in sorted(os.listdir(root)):
        path = os.path.join(root, top)
        if top in OUTSIDE_THE_ORDER or top.startswith((".", "build")) or not os.path.isdir(path):
            continue
        subfolders = sorted(d for d in os.listdir(path) if os.path.isdir(os.path.join(path, d)))
        for folder in ([f"{top}/{d}" for d in subfolders] if top == "framework" else [top]):
            if holds_sources(os.path.join(root, folder)):
                folders.append(folder)
    return folders


def violations(root):
    layers = read_layers(root)
    rank = {folder: i for i, layer in enumerate(layers) for folder in layer}
    found = [f"{folder}/: not in the layer order" for folder in product_folders(root)
             if layer_of(folder + "/", rank) is None]
    for folder in sorted(rank):
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if not name.endswith(SOURCES):
                    continue
                path = os.path.relpath(os.path.join(dirpath, name), root)
                own = layer_of(path, rank)
                if own is None or own[0] != folder:
                    continue  # a deeper listed folder walks it
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        target = match and layer_of(match.group(1), rank)
                        if target and target[1] > own[1]:
                            found.append(f"{path}:{number}: includes {match.group(1)} "
                                         f"({target[0]} is above {own[0]})")
    return found


def self_test():
    """The check must find an upward include and pass a downward one."""
    with tempfile.TemporaryDirectory() as root:
        os.makedirs(os.path.join(root, "docs"))
        with open(os.path.join(root, DOC), "w") as doc:
            doc.write(f"{BLOCK_START} -->\n```\nlow      bottom\nhigh, peer  top\n```\n")
        files = {"low/a/A.h": '#include "high/B.h"\n', "high/B.cpp": '#include "low/a/A.h"\n#include "peer/C.h"\n',
                 "peer/C.h": '#include "high/B.h"\n#include <vector>\n', "stray/D.cpp": '#include "high/B.h"\n',
                 "tests/T.cpp": '#include "high/B.h"\n'}
        for path, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as f:
                f.write(text)
        found = violations(root)
    expected = ["stray/: not in the layer order", "low/a/A.h:1: includes high/B.h (high is above low)"]
    if found != expected:
        sys.exit(f"check-layers self-test: expected {expected}, found {found}")
    print("check-layers self-test: ok")


def main():
    if sys.argv[1:] == ["--self-test"]:
        self_test()
        return
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    found = violations(root)
    for v in found:
        print(v, file=sys.stderr)
    if found:
        sys.exit(f"check-layers: {len(found)} place(s) against the layer order in {DOC}")
    print("check-layers: every include follows the layer order")


if __name__ == "__main__":
    main()
