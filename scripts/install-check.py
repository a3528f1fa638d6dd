#!/usr/bin/env python3
"""Installs the build into a temporary prefix and uses it as a desktop would.

    scripts/install-check.py [build-dir]        (default: build/)

Checks the layout a Linux desktop expects (bin/larderwise, its resources in share/larderwise/,
nothing at the top of the prefix besides bin/ and share/, the desktop entry in
share/applications/ passing desktop-file-validate, naming the installed program by its full path
and passing documents as %F), then runs the entry's command with a document and a PATH without
the prefix, as a file manager does, and the installed program a second time with another one
while it runs: both become recipes, the second handed over to the running copy. The prefix's
path holds a space, which the entry must quote. Exits 1 on any failure. The prefix and the
program's private folders are removed at the end.
"""
import os
import re
import shlex
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

from private_profile import private_profile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def fail(message):
    print("FAILED:", message)
    return 1


def recipes(database):
    try:
        con = sqlite3.connect(database, timeout=10)
        try:
            return con.execute("select recipeName, recipeText from recipes order by rowID").fetchall()
        finally:
            con.close()
    except sqlite3.Error:
        return []


def wait_for(condition, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not condition():
        time.sleep(0.1)
    return condition()


def entry_command(lines, documents):
    """The command a desktop runs for the entry's Exec line with these documents as %F (the
    Desktop Entry Specification: string escapes first, then quoting as a POSIX shell does)."""
    value = next(line[len("Exec="):] for line in lines if line.startswith("Exec="))
    escapes = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}
    value = re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(0)), value)
    command = []
    for word in shlex.split(value):
        command += documents if word == "%F" else [word.replace("%%", "%")]
    return command


def check(build, scratch):
    prefix = os.path.join(scratch, "install prefix")
    installed = subprocess.run(["cmake", "--install", build, "--prefix", prefix], capture_output=True, text=True)
    if installed.returncode != 0:
        return fail("cmake --install: " + installed.stdout + installed.stderr)
    program = os.path.join(prefix, "bin", "larderwise")
    entry = os.path.join(prefix, "share", "applications", "larderwise.desktop")
    for path in (program, entry, os.path.join(prefix, "share", "larderwise", "MagnifyingGlass.png"),
                 os.path.join(prefix, "share", "larderwise", "Larderwise Help", "index.html")):
        if not os.path.isfile(path):
            return fail(f"{os.path.relpath(path, prefix)} is not installed")
    if sorted(os.listdir(prefix)) != ["bin", "share"]:
        return fail(f"the prefix holds {sorted(os.listdir(prefix))}, not only bin/ and share/")
    validated = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
    if validated.returncode != 0 or "error" in validated.stdout + validated.stderr:
        return fail("desktop-file-validate: " + validated.stdout + validated.stderr)
    with open(entry) as f:
        lines = f.read().splitlines()
    if not any(line.startswith("MimeType=text/plain;") for line in lines):
        return fail("the entry does not offer larderwise for text documents")
    if entry_command(lines, ["Pie.txt"]) != [program, "Pie.txt"]:
        return fail(f"the entry's command is {entry_command(lines, ['Pie.txt'])}, not the installed program with the document")

    env, _, database = private_profile(scratch)
    documents = os.path.join(scratch, "documents")
    os.makedirs(documents)
    for name, text in (("Pie.txt", "Roll the dough"), ("Soup.txt", "Simmer")):
        with open(os.path.join(documents, name), "w") as f:
            f.write(text)

    # A file manager's PATH need not hold the prefix's bin/.
    first = subprocess.Popen(entry_command(lines, [os.path.join(documents, "Pie.txt")]),
                             env=dict(env, PATH="/usr/bin:/bin"), cwd=scratch)
    try:
        if not wait_for(lambda: recipes(database) == [("Pie.txt", "Roll the dough")]):
            return fail(f"the installed program did not import its document: {recipes(database)}")
        second = subprocess.run([program, "Soup.txt"], env=env, cwd=documents, timeout=60)
        if second.returncode != 0 or first.poll() is not None:
            return fail("the second launch did not hand its document to the running copy")
        if not wait_for(lambda: len(recipes(database)) == 2):
            return fail(f"the handed-over document was not imported: {recipes(database)}")
        first.send_signal(signal.SIGTERM)
        if first.wait(timeout=60) != 0:
            return fail(f"the installed program ended with {first.returncode}")
    finally:
        if first.poll() is None:
            first.kill()
            first.wait()
    if recipes(database) != [("Pie.txt", "Roll the dough"), ("Soup.txt", "Simmer")]:
        return fail(f"after quitting the database holds {recipes(database)}")
    print("installed layout, desktop entry and the installed program with documents: ok")
    return 0


def main():
    build = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(ROOT, "build")
    scratch = tempfile.mkdtemp(prefix="larderwise-install-")
    try:
        return check(build, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
