#!/usr/bin/env python3
"""Ends the real program at random moments while it stores imported recipes, many times over,
then checks that the database is intact and that every recipe seen committed is still there.

    scripts/kill-soak.py [rounds] [build-dir]        (default: 30 rounds, build/)

Each round starts build/bin/larderwise (offscreen, private folders) as one to three launches at
once, each with a document: one becomes the running copy, the others hand their documents to it
and end. Second launches then hand it more documents, and the round ends it at a random moment,
while it imports or between two imports: mostly with SIGKILL, otherwise with a session's signal
(SIGTERM, SIGHUP or SIGINT), which must end it with status 0. Before each end the recipes
already in the file are noted as committed; after every round PRAGMA integrity_check must say
"ok", every noted recipe must be there with its whole text, every other recipe must be an
imported file with its whole text (an import is one transaction: a kill leaves all of it or
nothing, never an empty new recipe), no document may have been imported twice, and no temporary
file may be left once the next copy has started. Prints the figures and exits 1 on any loss,
partial or repeated import.
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

from private_profile import private_profile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HANG = 120  # seconds: only a hung program takes this long, even the sanitizer build on a loaded machine


def ending_signals_by_default():
    """Runs in each launch before exec. The program keeps a signal ignored that was ignored when it
    started; a soak run under nohup or from a background job (SIGINT ignored) must not pass that
    on, or the session's signals it sends never arrive."""
    for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        signal.signal(sig, signal.SIG_DFL)


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
    env, folder, database = private_profile(scratch)
    con = sqlite3.connect(database)
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

    def launch(name):
        return subprocess.Popen([program, name], env=env, cwd=scratch, preexec_fn=ending_signals_by_default,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    overlapping = signals = 0
    repeated = []
    refused = []
    for round_ in range(rounds):
        # Launches at once: exactly one runs, the others hand over and end.
        launches = []
        for _ in range(rng.randint(1, 3)):
            serial += 1
            launches.append(launch(write_recipe(serial, 1, 400)))
        imports += len(launches)
        overlapping += len(launches) - 1
        deadline = time.monotonic() + 30
        while sum(p.poll() is None for p in launches) > 1 and time.monotonic() < deadline:
            time.sleep(0.05)
        running = [p for p in launches if p.poll() is None]
        for p in launches:
            if p.poll() is not None and p.returncode != 0:
                refused.append(f"round {round_}: a launch beside the running copy ended with {p.returncode}")
        for p in running[1:]:
            refused.append(f"round {round_}: {len(running)} copies run at once")
            p.kill()
            p.wait()
        if not running:
            refused.append(f"round {round_}: no launch became the running copy")
            continue
        first = running[0]
        time.sleep(rng.uniform(0.0, 0.5))
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
        inflight = subprocess.Popen([program, name], env=env, cwd=scratch, preexec_fn=ending_signals_by_default,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        imports += 1
        time.sleep(rng.uniform(0.0, 0.3))
        if rng.random() < 0.3:
            # The session ends: the ordinary quit, whatever it is doing.
            first.send_signal(rng.choice([signal.SIGTERM, signal.SIGHUP, signal.SIGINT]))
            signals += 1
            try:
                if first.wait(timeout=60) != 0:
                    refused.append(f"round {round_}: a session's signal ended the copy with {first.returncode}")
            except subprocess.TimeoutExpired:
                refused.append(f"round {round_}: a session's signal did not end the copy")
                first.kill()
                first.wait()
        else:
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
        for name, count in con.execute("select recipeName, count(*) from recipes group by recipeName having count(*) > 1"):
            if name not in repeated:
                repeated.append(name)
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
    last = subprocess.Popen([program], env=env, cwd=scratch, preexec_fn=ending_signals_by_default,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + HANG
    while leftovers() and time.monotonic() < deadline and last.poll() is None:
        time.sleep(0.1)
    leftovers = leftovers()  # read before the kill, which may cut short a write of this copy's own
    last.send_signal(signal.SIGKILL)
    last.wait()
    print(f"rounds: {rounds}, kills survived: {kills}, session signals: {signals}, launches beside a starting "
          f"copy: {overlapping}, documents launched: {imports}, recipes committed and checked: {len(committed)}, "
          f"integrity checks: {rounds}, data lost: {len(lost)}, temporary files left: {len(leftovers)}, "
          f"imports cut short by a kill (an empty or partial recipe left): {len(partial)}, "
          f"documents imported twice: {len(repeated)}, launches that ran beside or failed: {len(refused)}")
    for line in refused[:20]:
        print("LAUNCH:", line)
    for name in repeated[:20]:
        print("TWICE:", name)
    for line in lost[:20]:
        print("LOST:", line)
    for line in cut[:20]:
        print("CUT SHORT:", line)
    return 1 if lost or leftovers or partial or repeated or refused else 0


if __name__ == "__main__":
    sys.exit(main())
