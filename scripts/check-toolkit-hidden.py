#!/usr/bin/env python3
"""Fails when a layer above the framework could include a Qt header.

Only framework/ includes Qt; the build holds that by linking Qt privately to
the framework's layers, so the folders of Qt's headers reach no other layer's
compile command (cmake/Larderwise.cmake, lw_add_layers). This check compiles
a file holding one Qt include with each layer's own command, as the build
wrote it into compile_commands.json: every layer above the framework must
refuse it, and a framework layer must compile it (so the refusal is the
missing header's, not a fault of the planted file or the command).

usage: check-toolkit-hidden.py BUILD_DIR
"""
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile

PLANTED = "#include <QObject>\nstatic_assert(sizeof(QObject) > 0);\n"
LAYER = re.compile(r"-I\S*/layers/larderwise_(\w+)$")


def command_per_layer(build):
    """{layer library suffix: (directory, compiler arguments without source and output)}."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    found = {}
    for entry in entries:
        args = entry.get("arguments") or shlex.split(entry["command"])
        layer = next((m.group(1) for a in args if (m := LAYER.match(a))), None)
        if layer is None or layer in found:
            continue
        kept, skip = [], False
        for a in args:
            if skip:
                skip = False
            elif a in ("-o", "-c"):
                skip = True
            elif a != entry["file"]:
                kept.append(a)
        found[layer] = (entry["directory"], kept)
    return found


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    layers = command_per_layer(sys.argv[1])
    if not any(name.startswith("framework_") for name in layers) or len(layers) < 2:
        sys.exit("check-toolkit-hidden: no layers in compile_commands.json; was the build configured?")
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        planted = os.path.join(folder, "planted.cpp")
        with open(planted, "w") as f:
            f.write(PLANTED)
        control = min(name for name in layers if name.startswith("framework_"))
        for name, (directory, args) in sorted(layers.items()):
            if name.startswith("framework_") and name != control:
                continue
            result = subprocess.run(args + ["-fsyntax-only", planted], cwd=directory,
                                    capture_output=True, text=True)
            refused = result.returncode != 0
            if name.startswith("framework_") and refused:
                failures.append(f"larderwise_{name} cannot include <QObject>: {result.stderr.strip()[:300]}")
            elif not name.startswith("framework_") and not (refused and "QObject" in result.stderr):
                failures.append(f"larderwise_{name} may include <QObject>, which only framework/ may")
    for failure in failures:
        print(failure, file=sys.stderr)
    if failures:
        sys.exit(f"check-toolkit-hidden: {len(failures)} layer(s) see Qt against docs/ARCHITECTURE.md")
    print(f"check-toolkit-hidden: no layer above the framework finds Qt's headers (larderwise_{control} does)")


if __name__ == "__main__":
    main()
