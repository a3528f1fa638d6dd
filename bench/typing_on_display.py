#!/usr/bin/env python3
"""Typing in the search field of the real program, on a display, against bare SQLite on the same cores.

usage: bench/typing_on_display.py [--build DIR] [--sizes 10000,100000] [--paces 80,120,250] [--runs 5]
                                  [--words jelly,jam] [--display :N] [--cpus 0] [--out DIR]

For each size the realistic recipes of the benchmarks (bench/RealisticRecipes.h, written by
`bench_found_list --fill-realistic`: cooking words, 2 KB text, about 4 KB styled RTF, a photo in one recipe of
twenty) are built, and the built program is started on a display of its own (Xvfb with openbox, the
desktop tier's driver tests/desktop/desktop.py), or on `--display`, which must run a window manager.
The search field is clicked and each word is typed with `xdotool key --delay 0`, one key every 80,
120 and 250 ms; each key's time is taken just before xdotool is started, so the program is never
credited with the tool's own start. Unless given, the words are those of the file's recipe names
whose every key changes the list (each prefix lists fewer recipes than the one before), checked
against the file. For each word and pace it prints one JSON line (median of the runs):

  settle_over_same_cores  from the last key until the list shows the word's rows, over the same
                          search split into as many ranges of rowIDs as the CPUs the program may
                          use, on as many threads and mapped connections, rows merged
                          (bench_found_list --bare-search), whatever number of parts the program
                          reads in; target: settle at most that + 20 ms
  ms_over_same_cores      the settle time less that bare read, in ms
  settle_over_one_thread  the same over the whole search on one mapped connection
  bare_by_parts_ms        the bare search split in 1, 2, ... parts (up to the program's cap) on
                          those CPUs: whether fewer parts would read sooner
  worst_key_ms            the longest a typed character took to show in the field
  peak_anon_mb            the program's largest anonymous resident memory while the word was
                          typed and settled (sampled every 2 ms; its own heap, not the file's pages)
  rss_mb_1s_after         the program's resident memory one second after the list settled, and
  anon_mb_1s_after,       of it the anonymous and the file-backed part (the database file's pages
  file_mb_1s_after        read through the search's maps count as file-backed, and go with them)
  load                    the one-minute load average before and after the word's runs

`--cpus 0` (a list as taskset takes it) runs the program and the bare reads on those CPUs only.
Everything is written under `--out` (a fresh scratch folder unless given), never into the build, but
the program's probe, which goes to a folder of its own in /dev/shm (removed at the end).
The settled list must hold exactly the bare statement's rows, and the field the word: otherwise
the script says so and exits 1.
"""
import argparse
import json
import os
import re
import shutil
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(SOURCE, "tests", "desktop"))

from desktop import Desktop  # noqa: E402

PROBE_MS = int(os.environ.get("PROBE_MS", "5"))

# The found list's statement for the Everywhere scope, with the text bound (recipe_window/RecipeStatements.cpp).
SEARCH = ("select recipeName,rowID from recipes where recipeName like '%' || ?1 || '%' "
          "or recipeKeywords like '%' || ?1 || '%' or recipeText like '%' || ?1 || '%' "
          "order by recipeName")


class ProbeLog:
    """Every probe the program writes, with the time it says it was written."""

    def __init__(self, path):
        self.path = path
        self.snapshots = []  # (seconds, probe)
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._follow, daemon=True)
        self._thread.start()

    def _follow(self):
        last = None
        while not self._stop.is_set():
            try:
                stamp = os.stat(self.path).st_mtime_ns
                if stamp != last:
                    with open(self.path, encoding="utf-8") as f:
                        probe = json.load(f)
                    last = stamp
                    if not self.snapshots or probe["serial"] != self.snapshots[-1][1]["serial"]:
                        self.snapshots.append((probe["at"], probe))
            except (FileNotFoundError, json.JSONDecodeError):
                pass
            time.sleep(0.001)

    def since(self, moment):
        return [(t, p) for t, p in list(self.snapshots) if t >= moment]

    def stop(self):
        self._stop.set()
        self._thread.join()


def control(probe, name):
    for window in probe.get("windows", []):
        if window.get("title") == "Larderwise":
            for c in window.get("controls", []):
                if c.get("name") == name:
                    return c
    return None


def shows(probe, text, rows):
    """The field holds `text`, no search is reading, and the list holds exactly `rows` (its count,
    and the names of the rows in view)."""
    field, found = control(probe, "Searchfield"), control(probe, "recipeList")
    if probe.get("busy") or not field or not found or field.get("text") != text:
        return False
    if found.get("rowCount") != len(rows):
        return False
    return all(r.get("text") == rows[r["row"]][0] for r in found.get("rows", []) if r["row"] < len(rows))


def load():
    return round(os.getloadavg()[0], 2)


def on_cpus(cpus):
    """A preexec_fn that keeps a child on `cpus` (None: wherever it may run)."""
    return (lambda: os.sched_setaffinity(0, cpus)) if cpus else None


def bare_rows(path, text):
    """The rows the list must show: the statement on Python's sqlite3 (not timed)."""
    con = sqlite3.connect(path)
    rows = con.execute(SEARCH, (text,)).fetchall()
    con.close()
    return rows


def bare_times(build, path, text, cpus):
    """One-thread and same-cores bare reads of `text` (bench_found_list --bare-search)."""
    out = subprocess.run([os.path.join(build, "bench", "bench_found_list"), f"--bare-search={path}:{text}"],
                         capture_output=True, text=True, check=True, preexec_fn=on_cpus(cpus),
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    return json.loads(out.strip().splitlines()[-1])


def count(con, text, known={}):
    if (con, text) in known:
        return known[(con, text)]
    known[(con, text)] = con.execute("select count(*) from recipes where recipeName like ?1 or recipeKeywords like ?1 "
                       "or recipeText like ?1", (f"%{text}%",)).fetchone()[0]
    return known[(con, text)]


def words_changing_at_every_key(path, wanted=2):
    """Words of the recipe names, longest first, whose every prefix lists fewer recipes than the one
    before (the empty text lists them all)."""
    con = sqlite3.connect(path)
    total = count(con, "")
    names = [n for (n,) in con.execute("select recipeName from recipes limit 2000")]
    candidates = sorted({w.lower() for n in names for w in re.findall(r"[A-Za-z]{3,}", n)}, key=lambda w: (-len(w), w))
    chosen = []
    for word in candidates:
        before = total
        for i in range(1, len(word) + 1):
            now = count(con, word[:i])
            if now >= before or now == 0:
                break
            before = now
        else:
            chosen.append(word)
            if len(chosen) == wanted:
                break
    con.close()
    return chosen


def resident_mb(pid):
    """The program's resident memory in MB: total, anonymous and file-backed (/proc/PID/status)."""
    found = {}
    with open(f"/proc/{pid}/status", encoding="utf-8") as f:
        for line in f:
            key = line.split(":")[0]
            if key in ("VmRSS", "RssAnon", "RssFile"):
                found[key] = int(line.split()[1]) / 1024
    return {"total": found.get("VmRSS", float("nan")), "anon": found.get("RssAnon", float("nan")),
            "file": found.get("RssFile", float("nan"))}


class AnonPeak:
    """The largest anonymous resident memory of `pid` while it runs, sampled every 2 ms."""

    def __init__(self, pid):
        self.pid, self.peak = pid, 0.0
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._sample, daemon=True)
        self._thread.start()

    def _sample(self):
        while not self._stop.is_set():
            self.peak = max(self.peak, resident_mb(self.pid)["anon"])
            time.sleep(0.002)

    def stop(self):
        self._stop.set()
        self._thread.join()
        return self.peak


def type_at_pace(d, log, word, pace_ms, expected):
    """Types `word` one key every pace_ms; answers (settle seconds, worst key seconds, resident MB
    one second after, the anonymous peak meanwhile)."""
    d.xdotool("key", "ctrl+a", "BackSpace")
    d.wait_idle(timeout=60)
    peak = AnonPeak(d.program.pid)
    sent = []
    start = time.monotonic()
    for i, c in enumerate(word):
        delay = start + i * pace_ms / 1000 - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        sent.append(time.time())  # before the tool starts: its own start counts against the program
        subprocess.run(["xdotool", "key", "--delay", "0", "space" if c == " " else c], env=d.env, check=True)
    deadline = time.time() + 60
    settled = None
    while settled is None and time.time() < deadline:
        settled = next((t for t, p in log.since(sent[-1]) if shows(p, word, expected)), None)
        time.sleep(0.01)
    if settled is None:
        peak.stop()
        return None
    # A character shows once a probe after its key holds it (or a later text).
    worst = 0.0
    for i, t in enumerate(sent):
        typed = word[:i + 1]
        seen = next((s for s, p in log.since(t) if (control(p, "Searchfield") or {}).get("text", "").startswith(typed)),
                    None)
        worst = max(worst, (seen - t) if seen else float("inf"))
    time.sleep(max(0.0, settled + 1 - time.time()))
    return settled - sent[-1], worst, resident_mb(d.program.pid), peak.stop()


def start_program(d, cpus):
    """Starts the program on `cpus`: the display and window manager run wherever they may, the
    program inherits this process's CPUs while it starts."""
    if d.display is None:
        d.start_display()
    if not cpus:
        d.start()
        return
    mine = os.sched_getaffinity(0)
    os.sched_setaffinity(0, cpus)
    try:
        d.start()
    finally:
        os.sched_setaffinity(0, mine)


def run_size(args, n):
    d = Desktop(f"typing-{n}", SOURCE, args.build, os.path.join(args.out, str(n)))
    # The probe is rewritten every few milliseconds: on a disk each rewrite is a journalled create and
    # rename, kernel work taken from the program's CPUs; in memory (tmpfs) it costs a fraction.
    probe_dir = tempfile.mkdtemp(prefix="lw-probe-", dir="/dev/shm" if os.path.isdir("/dev/shm") else None)
    d.probe_path = os.path.join(probe_dir, "probe.json")
    failed = False
    try:
        if args.display:
            d.display = args.display
            d.env.update({"DISPLAY": args.display, "XAUTHORITY": os.environ.get("XAUTHORITY", "")})
        path = d.build_database([])
        os.remove(path)
        subprocess.run([os.path.join(args.build, "bench", "bench_found_list"), f"--fill-realistic={path}:{n}"],
                       check=True, capture_output=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        words = args.words.split(",") if args.words else words_changing_at_every_key(path)
        if not words:
            print(f"{n} recipes: no word of the names changes the list at every key")
            return False
        d.env["LARDERWISE_DESKTOP_PROBE_MS"] = str(PROBE_MS)
        start_program(d, args.cpus)
        log = ProbeLog(d.probe_path)
        d.click("Searchfield")
        for word in words:
            expected = bare_rows(path, word)
            for pace in args.paces:
                load_before = load()
                settles, worsts, rsses, bares, peaks = [], [], [], [], []
                for _ in range(args.runs):
                    bare = bare_times(args.build, path, word, args.cpus)
                    outcome = type_at_pace(d, log, word, pace, expected)
                    if outcome is None:
                        print(f"{n} recipes, {pace} ms a key: the list never showed the rows of {word!r} "
                              f"({len(expected)} rows by the bare statement)")
                        failed = True
                        break
                    settle, worst, rss, peak = outcome
                    settles.append(settle)
                    worsts.append(worst)
                    rsses.append(rss)
                    peaks.append(peak)
                    bares.append(bare)
                if not settles:
                    continue
                settle = statistics.median(settles)
                same = statistics.median(b["same_cores_s"] for b in bares)
                one = statistics.median(b["one_thread_s"] for b in bares)
                print(json.dumps({"recipes": n, "word": word, "rows": len(expected), "ms_a_key": pace,
                                  "settle_over_same_cores": round(settle / same, 2),
                                  "ms_over_same_cores": round(1000 * (settle - same)),
                                  "settle_over_one_thread": round(settle / one, 2),
                                  "ms_settle": round(1000 * settle), "ms_same_cores": round(1000 * same),
                                  "ms_one_thread": round(1000 * one), "cpus": bares[0]["cpus"],
                                  "parts": bares[0]["parts"],
                                  "bare_by_parts_ms": [round(1000 * statistics.median(b["by_parts_s"][i] for b in bares))
                                                       for i in range(len(bares[0]["by_parts_s"]))],
                                  "worst_key_ms": round(1000 * max(worsts)),
                                  "peak_anon_mb": round(max(peaks)),
                                  "rss_mb_1s_after": round(max(r["total"] for r in rsses)),
                                  "anon_mb_1s_after": round(max(r["anon"] for r in rsses)),
                                  "file_mb_1s_after": round(max(r["file"] for r in rsses)),
                                  "runs": len(settles), "load": [load_before, load()]}), flush=True)
        log.stop()
        d.quit()
    finally:
        d.close()
        shutil.rmtree(probe_dir, ignore_errors=True)
    return not failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(SOURCE, "build"))
    parser.add_argument("--sizes", default="10000,100000")
    parser.add_argument("--paces", default="80,120,250")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--words", default="", help="comma-separated; default: chosen from the file")
    parser.add_argument("--display", default="", help="an X display with a window manager (default: a fresh Xvfb)")
    parser.add_argument("--cpus", default="", help="the CPUs of the program and the bare reads, as taskset -c takes")
    parser.add_argument("--out", default="", help="the folder for the run's files (default: a fresh scratch folder)")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    args.paces = [int(p) for p in args.paces.split(",")]
    args.cpus = parse_cpus(args.cpus)
    args.out = os.path.abspath(args.out) if args.out else tempfile.mkdtemp(prefix="lw-typing-")
    print(json.dumps({"out": args.out, "load": load()}), flush=True)
    ok = True
    for n in (int(s) for s in args.sizes.split(",")):
        ok = run_size(args, n) and ok
    return 0 if ok else 1


def parse_cpus(text):
    """'0,2-3' as taskset -c takes it: {0, 2, 3}; empty: None."""
    cpus = set()
    for part in filter(None, text.split(",")):
        first, _, last = part.partition("-")
        cpus.update(range(int(first), int(last or first) + 1))
    return cpus or None


if __name__ == "__main__":
    sys.exit(main())
