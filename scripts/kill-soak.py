#!/usr/bin/env python3
"""Kills the real program at random moments while it stores imported recipes, many times over,
then checks that the database is intact and that every recipe seen committed is still there.

    scripts/kill-soak.py [rounds] [build-dir]        (default: 30 rounds, build/)

Each round starts build/bin/larderwise (offscreen, private folders), hands it documents the
way a second launch does, and kills it with SIGKILL at a random moment: while it imports,
between two imports, or while it starts. Before each kill the recipes already in the file
are noted as committed; after every round PRAGMA integrity_check must say "ok", every noted
recipe must be there with its whole text, every other recipe must be an imported file with
its whole text (an import is one transaction: a kill leaves all of it or nothing, never an
empty new recipe), and no temporary file may be left once the next copy has started. Prints
the figures and exits 1 on any loss or partial import.
"""
import os
import random
import signal
import sqlite3
import subprocess
import sys
import shutil
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HANG = 120  # seconds: only a hung program takes this long, even the sanitizer build on a loaded machine


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 30
    build = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else os.path.join(ROOT, "build")
    program = os.path.join(build, "bin", "larderwise")
    scratch = tempfile.mkdtemp(prefix="larderwise-soak-")
    try:
        return soak(rounds, program, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)  # nothing of the run outlives it, under a plain ctest too


def soak(rounds, program, scratch):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ASAN_OPTIONS="detect_leaks=0")
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    for name in ("HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        env[name] = os.path.join(scratch, name)
        os.makedirs(env[name], mode=0o700, exist_ok=True)
    folder = os.path.join(env["XDG_DATA_HOME"], "Larderwise")
    os.makedirs(folder)
    database = os.path.join(folder, "recipeDB.rsd")
    create = open(os.path.join(ROOT, "app", "RecipesTable.h")).read().split('"')[1::2]
    con = sqlite3.connect(database)
    con.execute("".join(create[:2]))
    con.execute("insert into recipes (recipeName, recipeText, recipeRtfText) values ('Bread', 'Knead', '{\\rtf1 Knead}')")
    con.commit()
    con.close()

    rng = random.Random(20261207)
    committed = {"Bread": "Knead"}
    kills = imports = 0
    lost = []
    partial = set()  # names of recipes that are not a whole imported file
    cut = []
    written = {"Bread": "Knead"}  # every recipe the file may hold, with its whole text
    serial = 0

    def write_recipe(number, fewest, most):
        """Writes a recipe file of a random length to import; returns its name."""
        name = f"Recipe {number}.txt"
        text = f"Step {number}: " + "stir well. " * rng.randint(fewest, most)
        with open(os.path.join(scratch, name), "w") as f:
            f.write(text)
        written[name] = text
        return name

    for round_ in range(rounds):
        first = subprocess.Popen([program], env=env, cwd=scratch, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(rng.uniform(0.3, 0.8))
        deadline = time.monotonic() + rng.uniform(0.0, 1.5)
        while time.monotonic() < deadline:
            serial += 1
            name = write_recipe(serial, 1, 4000)
            subprocess.run([program, name], env=env, cwd=scratch, timeout=HANG,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            imports += 1
            time.sleep(rng.uniform(0.0, 0.05))
        # What the file holds now is committed: it must survive the kill.
        con = sqlite3.connect(database, timeout=10)
        for name, text in con.execute("select recipeName, recipeText from recipes"):
            if name.endswith(".txt"):
                committed[name] = text
        con.close()
        # One more import under way when the kill comes: it must land whole or not at all.
        serial += 1
        name = write_recipe(serial, 1000, 40000)
        inflight = subprocess.Popen([program, name], env=env, cwd=scratch,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        imports += 1
        time.sleep(rng.uniform(0.0, 0.3))
        first.send_signal(signal.SIGKILL)
        first.wait()
        kills += 1
        # The launch whose hand-over the kill cut short starts as the running copy itself.
        try:
            inflight.wait(timeout=8)
        except subprocess.TimeoutExpired:
            time.sleep(rng.uniform(0.0, 0.5))
            inflight.send_signal(signal.SIGKILL)
            inflight.wait()
            kills += 1
        con = sqlite3.connect(database, timeout=10)
        check = con.execute("pragma integrity_check").fetchone()[0]
        stored = dict(con.execute("select recipeName, recipeText from recipes"))
        con.close()
        for name, text in stored.items():
            if written.get(name) != text and name not in partial:
                partial.add(name)
                cut.append(f"round {round_}: {name!r} holds {len(text or '')} bytes of text, not its file's")
        if check != "ok":
            lost.append(f"round {round_}: integrity_check says {check}")
        for name, text in committed.items():
            if stored.get(name) != text:
                lost.append(f"round {round_}: {name} lost or changed")
    # One more start: whatever temporary files the kills left are removed. The start-up is given
    # as long as a hung one would take; a busy machine only makes it slower.
    def leftovers():
        return [n for n in os.listdir(folder) if ".tmp-" in n or n.startswith(".recipeDB")]
    last = subprocess.Popen([program], env=env, cwd=scratch, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + HANG
    while leftovers() and time.monotonic() < deadline and last.poll() is None:
        time.sleep(0.1)
    leftovers = leftovers()  # read before the kill, which may cut short a write of this copy's own
    last.send_signal(signal.SIGKILL)
    last.wait()
    print(f"kills survived: {kills}, imports handed over: {imports}, recipes committed and checked: "
          f"{len(committed)}, integrity checks: {kills}, data lost: {len(lost)}, temporary files left: {len(leftovers)}, "
          f"imports cut short by a kill (an empty or partial recipe left): {len(partial)}")
    for line in lost[:20]:
        print("LOST:", line)
    for line in cut[:20]:
        print("CUT SHORT:", line)
    return 1 if lost or leftovers or partial else 0


if __name__ == "__main__":
    sys.exit(main())
