#!/usr/bin/env python3
"""Fails when the product reaches a layer above its own.

The order is read from the "layer order" block in docs/ARCHITECTURE.md, so
the picture there, the build (cmake/Larderwise.cmake makes one library per
layer from it) and this check cannot drift apart. Each line of the block is
one layer, bottom first: its folders (separated by ", ") may use one another
and every layer below, never a layer above. A file belongs to the layer of the
longest listed folder its path starts with. Every folder of the product (each
top-level folder with sources, and each folder of framework/) must lie in a
listed one, so a new folder cannot slip past the check; tests, benchmarks and
fuzz targets stand outside the order.

The build already refuses most upward includes: each layer's library sees
only its own and lower layers' headers. Two kinds it cannot see are checked
here, in every C or C++ file of the product, headers of any extension too:
an include relative to the including file's own folder ("../app/X.h", which
the compiler finds beside the file whatever the include path), and an
upward include in a header that only higher layers compile. An include is
read as the compiler reads it: comments removed, lines joined, "..", "<...>"
and a macro defined in the same file resolved; an include through a macro the
check cannot follow is refused.

Two more kinds of include are refused in a product file: an include that reaches
tests/, bench/ or fuzz/ (they stand outside the product, which never builds
on them), and, above framework/, a header of the toolkits only the framework
includes (Qt, SQLite, espeak-ng). The build refuses the Qt headers itself
(it gives their folders to the framework's layers alone); SQLite's and
espeak-ng's lie in the system's own folders, which every file finds.

With --links, the layers' libraries (bottom first) are read with nm: a
library that leaves a symbol undefined which only a library above it
defines calls upward, even when the call compiles through a declaration of
its own, and a static library links it all the same. Weak definitions count:
a template declared below and instantiated only above is defined there alone.

usage: check-layers.py [source root]            (default: the repository)
       check-layers.py --links LIB...            (the layers' libraries, bottom first)
       check-layers.py --self-test
"""
import os
import re
import subprocess
import sys
import tempfile

DOC = "docs/ARCHITECTURE.md"
BLOCK_START = "<!-- layer order"
OUTSIDE_THE_ORDER = {"tests", "bench", "fuzz"}
# Qt ("QObject", "QtCore/qobject.h", "qt6/..."), SQLite and espeak-ng, as a file names them.
TOOLKIT_HEADER = re.compile(r"Q[A-Z]\w*|(Qt\w*|qt6)/.+|sqlite3(ext)?\.h|espeak(-ng)?/.+")
SOURCES = (".h", ".hh", ".hpp", ".hxx", ".inl", ".ipp", ".tcc", ".c", ".cc", ".cpp", ".cxx")
DIRECTIVE = re.compile(r"^\s*#\s*(include|include_next|import)\b\s*(.*)$")
DEFINE = re.compile(r"^\s*#\s*define\s+([A-Za-z_]\w*)\s+(.+?)\s*$")


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
    """(folder, rank) of the longest listed folder path lies in, or None."""
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


def without_comments(text):
    """The text with every comment blanked out (line breaks kept, so line numbers hold); string,
    character and raw string literals are stepped over, so a "/*" inside one starts nothing."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(" " * (end - i))
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(re.sub(r"[^\n]", " ", text[i:end]))
            i = end
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_ = text.find("(", i)
            delimiter = text[i + 2:open_] if open_ >= 0 else ""
            end = text.find(")" + delimiter + '"', open_) if open_ >= 0 else -1
            end = n if end < 0 else end + len(delimiter) + 2
            out.append(text[i:end])
            i = end
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def logical_lines(text):
    """(line number, line) with continued lines joined, as the preprocessor sees them."""
    lines, pending, start = [], "", 0
    for number, line in enumerate(text.split("\n"), 1):
        if not pending:
            start = number
        if line.endswith("\\"):
            pending += line[:-1]
            continue
        lines.append((start, pending + line))
        pending = ""
    if pending:
        lines.append((start, pending))
    return lines


def includes_of(text):
    """(line number, operand as written, kind, path) of each include; kind is "quote" or "angle",
    after a macro defined in the file is expanded (path None where no header name results)."""
    lines = logical_lines(without_comments(text))
    macros = {}
    for _, line in lines:
        match = DEFINE.match(line)
        if match:
            macros[match.group(1)] = match.group(2)
    found = []
    for number, line in lines:
        match = DIRECTIVE.match(line)
        if not match:
            continue
        operand, seen = match.group(2).strip(), set()
        while re.fullmatch(r"[A-Za-z_]\w*", operand) and operand not in seen:
            seen.add(operand)
            operand = macros.get(operand, operand).strip()
        quoted = re.fullmatch(r'"([^"]+)"', operand) or re.fullmatch(r"<([^>]+)>", operand)
        kind = "quote" if operand.startswith('"') else "angle"
        found.append((number, match.group(2).strip(), kind, quoted.group(1) if quoted else None))
    return found


def resolve(root, including, kind, path):
    """The file an include reaches, relative to the root, as the compiler finds it: a quoted name
    beside the including file first, then from the root (where every layer's include folder
    starts). None when it lies outside the tree (a system or toolkit header)."""
    candidates = [os.path.join(os.path.dirname(including), path)] if kind == "quote" else []
    candidates.append(path)
    for candidate in candidates:
        normal = os.path.normpath(candidate)
        if os.path.isfile(os.path.join(root, normal)):
            return normal
    normal = os.path.normpath(candidates[-1])
    return None if normal.startswith("..") or os.path.isabs(normal) else normal


def violations(root):
    layers = read_layers(root)
    rank = {folder: i for i, layer in enumerate(layers) for folder in layer}
    found = [f"{folder}/: not in the layer order" for folder in product_folders(root)
             if layer_of(folder + "/", rank) is None]
    for folder in sorted(rank):
        for dirpath, dirnames, names in os.walk(os.path.join(root, folder)):
            dirnames.sort()
            for name in sorted(names):
                if not name.endswith(SOURCES):
                    continue
                path = os.path.relpath(os.path.join(dirpath, name), root)
                own = layer_of(path, rank)
                if own is None or own[0] != folder:
                    continue  # a deeper listed folder walks it
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
                    text = source.read()
                for number, written, kind, target_path in includes_of(text):
                    if target_path is None:
                        found.append(f"{path}:{number}: includes {written}, which the check cannot follow")
                        continue
                    reached = resolve(root, path, kind, target_path)
                    target = reached and layer_of(reached, rank)
                    outside = reached and reached.split("/")[0] in OUTSIDE_THE_ORDER
                    if outside:
                        found.append(f"{path}:{number}: includes {reached} as {written} "
                                     f"({reached.split('/')[0]}/ stands outside the product)")
                    elif (not own[0].startswith("framework/") and TOOLKIT_HEADER.fullmatch(target_path)
                          and not os.path.isfile(os.path.join(root, reached or ""))):
                        found.append(f"{path}:{number}: includes {written}, which only framework/ may include")
                    elif target and target[1] > own[1]:
                        found.append(f"{path}:{number}: includes {reached} as {written} "
                                     f"({target[0]} is above {own[0]})")
    return found


def symbols(library, wanted):
    """{symbol: object file} of the library's symbols nm reports with `wanted` (a flag)."""
    listing = subprocess.run(["nm", wanted, "-P", "-A", library], capture_output=True, text=True)
    if listing.returncode != 0:
        sys.exit(f"check-layers: nm cannot read {library}: {listing.stderr.strip()}")
    found = {}
    for line in listing.stdout.splitlines():
        # "library[object.o]: symbol type [value size]"
        where, _, rest = line.rpartition(": ")
        fields = rest.split()
        if len(fields) >= 2:
            found.setdefault(fields[0], where.rpartition("[")[2].rstrip("]") or where)
    return found


def definitions(library):
    """Every symbol the library defines, weak ones (inline functions, template instances) too: a
    template declared below and instantiated only above is defined weakly, and only there."""
    listing = subprocess.run(["nm", "--defined-only", "-P", library], capture_output=True, text=True)
    if listing.returncode != 0:
        sys.exit(f"check-layers: nm cannot read {library}: {listing.stderr.strip()}")
    found = set()
    for line in listing.stdout.splitlines():
        fields = line.split()
        if len(fields) >= 2 and len(fields[1]) == 1 and fields[1] in "TDBRGSCIuVW":
            found.add(fields[0])
    return found


def demangled(name):
    result = subprocess.run(["c++filt", name], capture_output=True, text=True)
    return result.stdout.strip() or name


def upward_calls(libraries):
    """Each symbol a library leaves undefined that only a library above it defines."""
    defined = [definitions(library) for library in libraries]
    if not any(defined):
        sys.exit("check-layers: the libraries define nothing; were they built?")
    found = []
    for i, library in enumerate(libraries):
        own_and_below = set().union(*defined[:i + 1])
        for symbol, where in sorted(symbols(library, "--undefined-only").items()):
            if symbol in own_and_below:
                continue
            above = next((j for j in range(i + 1, len(libraries)) if symbol in defined[j]), None)
            if above is not None:
                found.append(f"{os.path.basename(library)} ({where}) uses {demangled(symbol)}, "
                             f"defined above it in {os.path.basename(libraries[above])}")
    return found


def write_tree(root, files):
    for path, text in files.items():
        os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
        with open(os.path.join(root, path), "w") as f:
            f.write(text)


def self_test():
    """Every form of upward include and an upward call through a declaration are found; downward
    ones, system headers and files outside the order pass."""
    failures = []
    with tempfile.TemporaryDirectory() as root:
        write_tree(root, {
            DOC: f"{BLOCK_START} -->\n```\nframework/low  bottom\nlow      middle\nhigh, peer  top\n```\n",
            "framework/low/Qt.cpp": "#include <QObject>\n#include <sqlite3.h>\n",
            "high/Toolkit.cpp": "#include <QObject>\n#include <QtCore/qobject.h>\n#include <sqlite3.h>\n"
                                "#include <espeak-ng/speak_lib.h>\n#include <Qfoo.h>\n#include <queue>\n",
            "high/Outside.cpp": '#include "tests/T.cpp"\n#include "../bench/B.h"\n#include <fuzz/F.h>\n',
            "bench/B.h": "#pragma once\n", "fuzz/F.h": "#pragma once\n",
            "high/B.h": "#pragma once\n", "high/B.hpp": "#pragma once\n",
            "high/B.cpp": '#include "low/a/A.h"\n#include "peer/C.h"\n#include "B.h"\n',
            "peer/C.h": '#include "high/B.h"\n#include <vector>\n',
            "low/a/A.h": '#include <string>\n#include "low/Down.h" // "high/B.h"\n/* #include "high/B.h" */\n'
                         'const char* s = "/*"; const char* t = R"x(")x";\n#include "../Down.h"\n',
            "low/Down.h": "#pragma once\n",
            "low/Plain.cpp": '#include "high/B.h"\n',
            "low/Relative.cpp": '#include "../high/B.h"\n',
            "low/Angle.cpp": "#include <high/B.h>\n",
            "low/Dots.cpp": '#include "low/../high/B.h"\n',
            "low/Header.hpp": '#include "high/B.hpp"\n',
            "low/Macro.cpp": '#define HIGH_HEADER "high/B.h"\n#include HIGH_HEADER\n',
            "low/Comment.cpp": '#include /* the peer\'s */ "high/B.h"\n',
            "low/Continued.cpp": '#include \\\n  "high/B.h"\n',
            "low/Unknown.cpp": "#include SOME_HEADER\n",
            "stray/D.cpp": '#include "high/B.h"\n',
            "tests/T.cpp": '#include "high/B.h"\n',
        })
        found = violations(root)
    expected = [
        "stray/: not in the layer order",
        "high/Outside.cpp:1: includes tests/T.cpp as \"tests/T.cpp\" (tests/ stands outside the product)",
        "high/Outside.cpp:2: includes bench/B.h as \"../bench/B.h\" (bench/ stands outside the product)",
        "high/Outside.cpp:3: includes fuzz/F.h as <fuzz/F.h> (fuzz/ stands outside the product)",
        "high/Toolkit.cpp:1: includes <QObject>, which only framework/ may include",
        "high/Toolkit.cpp:2: includes <QtCore/qobject.h>, which only framework/ may include",
        "high/Toolkit.cpp:3: includes <sqlite3.h>, which only framework/ may include",
        "high/Toolkit.cpp:4: includes <espeak-ng/speak_lib.h>, which only framework/ may include",
        "low/Angle.cpp:1: includes high/B.h as <high/B.h> (high is above low)",
        "low/Comment.cpp:1: includes high/B.h as \"high/B.h\" (high is above low)",
        "low/Continued.cpp:1: includes high/B.h as \"high/B.h\" (high is above low)",
        "low/Dots.cpp:1: includes high/B.h as \"low/../high/B.h\" (high is above low)",
        "low/Header.hpp:1: includes high/B.hpp as \"high/B.hpp\" (high is above low)",
        "low/Macro.cpp:2: includes high/B.h as HIGH_HEADER (high is above low)",
        "low/Plain.cpp:1: includes high/B.h as \"high/B.h\" (high is above low)",
        "low/Relative.cpp:1: includes high/B.h as \"../high/B.h\" (high is above low)",
        "low/Unknown.cpp:1: includes SOME_HEADER, which the check cannot follow",
    ]
    if found != expected:
        failures.append(f"includes: expected {expected}, found {found}")

    with tempfile.TemporaryDirectory() as build:
        compiler = os.environ.get("CXX", "c++")
        # The template is declared in the lower library and instantiated only in the higher one,
        # which defines the instance weakly (as implicitInstance<MainWindow>() reached from app/).
        template = "template <class T> T& one() { static T t; return t; }\n"
        sources = {
            "low.cpp": "int highThing();\nint lowThing() { return 1; }\nint callsUp() { return highThing(); }\n"
                       + template + "struct High;\nextern template High& one<High>();\n"
                       "High* instantiatedAbove() { return &one<High>(); }\n",
            "high.cpp": "int lowThing();\nint highThing() { return lowThing(); }\n"
                        "inline int shared() { return 2; }\nint usesShared() { return shared(); }\n"
                        + template + "struct High { int x = 1; };\nint usesOne() { return one<High>().x; }\n",
        }
        libraries = []
        for name, text in sources.items():
            write_tree(build, {name: text})
            obj, library = os.path.join(build, name + ".o"), os.path.join(build, "lib" + name[:-4] + ".a")
            subprocess.run([compiler, "-c", os.path.join(build, name), "-o", obj], check=True)
            subprocess.run(["ar", "rcs", library, obj], check=True)
            libraries.append(library)
        found = upward_calls(libraries)
    expected = ["liblow.a (low.cpp.o) uses High& one<High>(), defined above it in libhigh.a",
                "liblow.a (low.cpp.o) uses highThing(), defined above it in libhigh.a"]
    if found != expected:
        failures.append(f"links: expected {expected}, found {found}")
    if failures:
        sys.exit("check-layers self-test: " + "; ".join(failures))
    print("check-layers self-test: ok")


def main():
    if sys.argv[1:] == ["--self-test"]:
        self_test()
        return
    if sys.argv[1:2] == ["--links"]:
        found = upward_calls(sys.argv[2:])
        for v in found:
            print(v, file=sys.stderr)
        if found:
            sys.exit(f"check-layers: {len(found)} call(s) against the layer order in {DOC}")
        print(f"check-layers: no library of the {len(sys.argv) - 2} layers calls a layer above it")
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
