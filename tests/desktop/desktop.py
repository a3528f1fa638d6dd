"""The desktop tier's driver: the real larderwise on a real X display.

A scenario is a function `def test_<what>(d):` in a tests/desktop/test_*.py file; `d` is a
Desktop. It builds a database, starts the program, and acts as a user would: real X input through
XTest (xdotool) on an Xvfb display managed by openbox, so clicks activate windows and modal boxes
take the focus as on a user's desktop. Results are read from the database file with a second
SQLite connection. Where controls and boxes are on screen is read from the program's probe file
(framework/ui/DesktopProbe.h), written only because LARDERWISE_DESKTOP_PROBE is set.

See docs/architecture/desktop-tests.md.
"""
import contextlib
import ctypes
import json
import os
import re
import secrets
import shutil
import signal
import sqlite3
import subprocess
import tempfile
import time

SCREEN = "1280x1024x24"
# How long the driver waits for anything before it calls the program hung. Only a fault takes this
# long: the sanitizer build on a loaded machine is many times slower than usual, and a scenario
# never asserts how long something took.
HANG = 60.0


def _end_with_the_driver():
    """Runs in each child before exec: the child gets SIGTERM when the driver dies, so a driver
    killed by CTest's timeout leaves no display, window manager or program behind. The session's
    signals get their default action back: the program keeps a signal ignored that was ignored when
    it started, and a run under nohup or from a background job (SIGINT ignored) must not pass that
    on, or the signals a scenario sends never arrive."""
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        signal.signal(sig, signal.SIG_DFL)


class ScenarioFailure(AssertionError):
    """What the program did differs from what the scenario expects."""


def check(condition, message):
    if not condition:
        raise ScenarioFailure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise ScenarioFailure(f"{what}: expected {expected!r}, got {actual!r}")


def centre(rect):
    return rect["x"] + rect["w"] // 2, rect["y"] + rect["h"] // 2


def recipes_create_statement(source_dir):
    """The `create table recipes` statement, taken from its one definition in app/RecipesTable.h."""
    with open(os.path.join(source_dir, "app", "RecipesTable.h"), encoding="utf-8") as header:
        text = header.read()
    body = text.split("kCreate =", 1)[1].split(";", 1)[0]
    return "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', body))


@contextlib.contextmanager
def nothing_written_in(*folders):
    """Folders no file can be made in, for root as well (who may write into any folder whatever its mode)."""
    as_root = os.geteuid() == 0
    for folder in folders:
        os.chmod(folder, 0o555)
        subprocess.run(["chattr", "+i", folder], check=True) if as_root else None
    try:
        yield
    finally:
        for folder in folders:
            subprocess.run(["chattr", "-i", folder], check=True) if as_root else None
            os.chmod(folder, 0o755)


def rtf_of(text):
    escaped = text.replace("\\", "\\\\").replace("{", "\\{").replace("}", "\\}").replace("\r", "\\par ")
    return "{\\rtf1\\ansi " + escaped + "}"


class Window:
    """One framework window as the probe last saw it."""

    def __init__(self, data):
        self.data = data
        self.title = data["title"]

    def control(self, name, index=None):
        for c in self.data["controls"]:
            if c["name"].lower() == name.lower() and (index is None or c["index"] == index):
                return c
        raise ScenarioFailure(f"window {self.title!r} has no control {name!r}")

    @property
    def focus(self):
        """The control the framework's focus model has recorded (its name), or None."""
        return self.data["focus"]

    @property
    def active(self):
        return self.data["active"]


class Desktop:
    def __init__(self, name, source_dir, build_dir, artifacts_dir):
        self.name = name
        self.source_dir = source_dir
        self.build_dir = build_dir
        self.artifacts = artifacts_dir
        shutil.rmtree(self.artifacts, ignore_errors=True)  # evidence of this run only
        os.makedirs(self.artifacts)
        self.scratch = tempfile.mkdtemp(prefix="lw-desktop-")
        self.home = os.path.join(self.scratch, "home")
        self.env = {
            "PATH": "/usr/bin:/bin",
            "HOME": self.home,
            "XDG_DATA_HOME": os.path.join(self.scratch, "data"),
            "XDG_CONFIG_HOME": os.path.join(self.scratch, "config"),
            "XDG_CACHE_HOME": os.path.join(self.scratch, "cache"),
            "XDG_RUNTIME_DIR": os.path.join(self.scratch, "runtime"),
            "LANG": "C.UTF-8",
            "NO_AT_BRIDGE": "1",
            # The orderly quit after a signal must finish however slow a loaded machine makes it; the
            # grace period's own end is tested by tests/app/SessionEndProcessTest.cpp.
            "LARDERWISE_GRACE_SECONDS": str(int(HANG)),
        }
        for key in ("HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
            os.makedirs(self.env[key], exist_ok=True)
        os.chmod(self.env["XDG_RUNTIME_DIR"], 0o700)
        self.probe_path = os.path.join(self.scratch, "probe.json")
        self.processes = []
        self.program = None
        self.exit_code = None
        self.active_at_drop = {}  # set by drag_file_from_outside
        self.display = None
        self._x = None  # the driver's own X connection: input marks, the window manager's readiness
        self._mark_atom = None
        self._marks = 0
        self.log = open(os.path.join(self.artifacts, "driver.log"), "w", encoding="utf-8")
        self.screenshots = 0
        # The display's size and depth, as Xvfb's -screen takes it; a scenario may set another
        # before its start() (a narrow screen, say).
        self.screen = SCREEN

    # --- the display ---------------------------------------------------------
    def start_display(self):
        auth = os.path.join(self.scratch, "Xauthority")
        cookie = secrets.token_hex(16)
        open(auth, "w").close()
        # The server loads every cookie in its file whatever display it names; the client looks
        # one up by display number, added once the server has chosen its number.
        subprocess.run(["xauth", "-f", auth, "add", ":0", ".", cookie], check=True, env=self.env)
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-auth", auth, "-nolisten", "tcp", "-screen", "0", self.screen,
             "-noreset"],
            pass_fds=(write_end,), env=self.env, preexec_fn=_end_with_the_driver, stdout=self._logfile("xvfb.log"), stderr=subprocess.STDOUT)
        self.processes.append(xvfb)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start (see xvfb.log)")
                number += chunk
        self.display = ":" + number.decode().strip()
        subprocess.run(["xauth", "-f", auth, "add", self.display, ".", cookie], check=True, env=self.env)
        self.env.update({"DISPLAY": self.display, "XAUTHORITY": auth})
        self.note(f"display {self.display}")
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, preexec_fn=_end_with_the_driver, stdout=self._logfile("openbox.log"),
                              stderr=subprocess.STDOUT)
        self.processes.append(wm)
        self._wait(lambda: b"_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True).stdout,
            HANG, "the window manager to start")
        self._wait_for_the_window_manager_to_manage()

    def _wait_for_the_window_manager_to_manage(self):
        """Maps a window of the driver's own until openbox frames it. Openbox names itself on the root
        window before its start-up has ended, and a window mapped in between can be left unmanaged
        for good (never shown); a loaded machine makes that window wide. Each second without a frame
        the window is mapped again."""
        x = self._xconnection()
        root = x.screen().root
        window = root.create_window(0, 0, 10, 10, 0, x.screen().root_depth)
        deadline = time.monotonic() + HANG
        try:
            while time.monotonic() < deadline:
                window.map()
                x.sync()
                framed_by = time.monotonic() + 1
                while time.monotonic() < framed_by:
                    if window.query_tree().parent != root:
                        return
                    time.sleep(0.02)
                window.unmap()
                x.sync()
            raise ScenarioFailure(f"the window manager managed no window within {HANG} s")
        finally:
            window.destroy()
            x.sync()

    # --- files before the start ---------------------------------------------
    @property
    def database_path(self):
        return os.path.join(self.env["XDG_DATA_HOME"], "Larderwise", "recipeDB.rsd")

    @property
    def prefs_path(self):
        return os.path.join(self.env["XDG_CONFIG_HOME"], "Larderwise Prefs")

    def build_database(self, recipes):
        """A database of the current layout. Each recipe is a name or a dict with name, text,
        keywords, rating, photo (bytes); rowIDs follow the order given."""
        os.makedirs(os.path.dirname(self.database_path), exist_ok=True)
        con = sqlite3.connect(self.database_path)
        con.execute(recipes_create_statement(self.source_dir))
        for r in recipes:
            r = {"name": r} if isinstance(r, str) else r
            text = r.get("text", "")
            con.execute("insert into recipes (recipeName, recipeText, recipeRtfText, recipeKeywords, recipeRating,"
                        " recipePhoto) values (?, ?, ?, ?, ?, ?)",
                        (r["name"], text, r.get("rtf", rtf_of(text)), r.get("keywords", ""), r.get("rating", 0),
                         r.get("photo")))
        con.commit()
        con.close()
        return self.database_path

    def write_file(self, path, data):
        """A file (text or bytes); a relative path is taken from the scratch home."""
        path = os.path.join(self.home, path)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb" if isinstance(data, bytes) else "w") as f:
            f.write(data)
        return path

    # --- the program ------------------------------------------------------------
    def start(self, *args, wait_for="Larderwise"):
        """Starts build/bin/larderwise and waits until the window titled `wait_for` shows and the
        program is idle (wait_for=None: only until the probe answers)."""
        if self.display is None:
            self.start_display()
        env = dict(self.env, QT_QPA_PLATFORM="xcb", LARDERWISE_DESKTOP_PROBE=self.probe_path)
        binary = os.path.join(self.build_dir, "bin", "larderwise")
        if os.path.exists(self.probe_path):
            os.remove(self.probe_path)  # a copy started earlier wrote it: its windows are not this one's
        self.program = subprocess.Popen([binary, *args], env=env, cwd=self.home, preexec_fn=_end_with_the_driver,
                                        stdout=self._logfile("larderwise.stdout.log"),
                                        stderr=self._logfile("larderwise.stderr.log"))
        self.processes.append(self.program)
        self.note(f"started larderwise pid {self.program.pid}")
        self._wait(lambda: os.path.exists(self.probe_path) or self.program.poll() is not None, HANG,
                   "the program's first probe")
        if wait_for:
            self.window(wait_for)
            # Until openbox has framed the window, the program reports it where the frame will
            # go, and a click meant for a row lands a title bar's height above it.
            self._wait(lambda: any(w.title == wait_for and w.data["frame"]["x"] < w.data["x"] for w in self.windows()),
                       HANG, f"the window manager to frame {wait_for!r}")
        self.wait_idle()

    def probe(self):
        """What the program last wrote about its screen (framework/ui/DesktopProbe.h)."""
        for _ in range(50):
            try:
                with open(self.probe_path, encoding="utf-8") as f:
                    return json.load(f)
            except (FileNotFoundError, json.JSONDecodeError):
                time.sleep(0.02)
        raise ScenarioFailure("the program writes no probe")

    def wait_idle(self, ticks=3, timeout=HANG):
        """Waits until the program has read every input sent so far (the input mark, below), its
        event loop has turned `ticks` times since, what it shows stayed the same over two different
        turns, and no search is reading in the background. A program busy in a handler writes
        nothing, so this waits for it."""
        if not self.running():
            return
        mark = self._mark_input()
        deadline = time.monotonic() + timeout
        start = None
        previous = None
        while time.monotonic() < deadline:
            if not self.running():
                return
            p = self.probe()
            if start is None and p.get("inputMark", -1) >= mark:
                start = p["serial"]
            if (start is not None and p["serial"] >= start + ticks and not p.get("busy")
                    and (previous is None or p["serial"] > previous[0])):
                body = dict(p, serial=0, at=0)
                if previous is not None and body == previous[1]:
                    return
                previous = (p["serial"], body)
            time.sleep(0.03)
        raise ScenarioFailure(f"the program was not idle within {timeout} s")

    def _mark_input(self):
        """Sets the next input mark on the display (framework/ui/DesktopInputMark.h) and answers
        it. The server handles input sent before this request first, so once the program reports
        the mark, it has read that input; -1 without a display."""
        if self.display is None:
            return -1
        x = self._xconnection()
        self._marks += 1
        if self._mark_atom is None:
            self._mark_atom = x.intern_atom("_LARDERWISE_INPUT_MARK")
        x.screen().root.change_property(self._mark_atom, 6, 32, [self._marks])  # 6: CARDINAL
        x.sync()
        return self._marks

    def _xconnection(self):
        """The driver's own connection to the display (python3-xlib)."""
        if self._x is None:
            from Xlib import display as xdisplay  # only the desktop tier needs it
            os.environ["XAUTHORITY"] = self.env["XAUTHORITY"]  # Xlib reads the cookie's file from here
            self._x = xdisplay.Display(self.display)
        return self._x

    def running(self):
        return self.program is not None and self.program.poll() is None

    def wait_exit(self, timeout=HANG):
        """Waits for the program to end; returns its exit code."""
        try:
            self.exit_code = self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            raise ScenarioFailure(f"the program did not end within {timeout} s")
        self.note(f"larderwise ended with {self.exit_code}")
        return self.exit_code

    def quit(self, expect_code=0):
        """Command-Q (Ctrl+Q here), then waits for the program to end."""
        self.key("ctrl+q")
        code = self.wait_exit()
        if expect_code is not None:
            check_equal(code, expect_code, "exit code")
        return code

    def stderr(self):
        with open(os.path.join(self.artifacts, "larderwise.stderr.log"), encoding="utf-8", errors="replace") as f:
            return f.read()

    # --- what is on screen ------------------------------------------------------
    def windows(self):
        return [Window(w) for w in self.probe()["windows"]]

    def window(self, title, timeout=HANG):
        """The framework window titled `title` (waits for it to show)."""
        found = []

        def shown():
            found[:] = [w for w in self.windows() if w.title == title]
            return bool(found)
        self._wait(shown, timeout, f"window {title!r}")
        return found[0]

    def front_window(self):
        """The framework's active window, or None."""
        return next((w for w in self.windows() if w.active), None)

    def focus(self, window_title="Larderwise"):
        """The name of the control the window's focus model holds, or None."""
        return self.window(window_title).focus

    def boxes(self):
        return self.probe()["dialogs"]

    def box(self, timeout=HANG):
        """The open message box (or other dialog) with its text and buttons; waits for one."""
        found = []

        def shown():
            found[:] = self.boxes()
            return bool(found)
        self._wait(shown, timeout, "a message box")
        self.wait_idle()
        found = self.boxes()
        check(len(found) == 1, f"expected one box, found {len(found)}: {[b['text'] for b in found]}")
        self.note(f"box {found[0]['title']!r}: {found[0]['text']!r} {found[0]['informative']!r}")
        return found[0]

    def no_box(self):
        found = self.boxes()
        check(not found, f"expected no box, found {[b['text'] for b in found]}")

    def answer(self, label):
        """Presses the button labelled `label` (ampersands ignored) in the open box; returns the box."""
        box = self.box()
        button = next((b for b in box["buttons"] if b["label"] == label), None)
        check(button is not None, f"box has no button {label!r}: {[b['label'] for b in box['buttons']]}")
        self.click_at(*centre(button))
        return box

    # --- input --------------------------------------------------------------------
    def xdotool(self, *args):
        self.note("xdotool " + " ".join(args))
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def pointer(self):
        """Where the pointer is, in screen coordinates."""
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.env, capture_output=True,
                             text=True, check=True).stdout
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def move_to(self, x, y):
        """Moves the pointer and waits until the server has moved it (xdotool's --sync waits for a
        change, so a move to where the pointer already is is not sent)."""
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", str(x), str(y))

    def click_at(self, x, y, button=1, count=1, idle=True):
        self.move_to(x, y)
        self.xdotool("click", "--repeat", str(count), "--delay", "60", str(button))
        if idle:
            self.wait_idle()

    def click(self, control, window="Larderwise", dx=None, dy=None, button=1, count=1, index=None):
        """Clicks the control named `control` of the window titled `window`: at its centre, or
        (dx, dy) from its top left."""
        c = self.window(window).control(control, index)
        check(c["visible"], f"control {control!r} is not visible")
        x = c["x"] + (c["w"] // 2 if dx is None else dx)
        y = c["y"] + (c["h"] // 2 if dy is None else dy)
        self.click_at(x, y, button, count)

    def row(self, text, control="recipeList", window="Larderwise"):
        """The row in view of a list whose first column reads `text` (row, selected, rectangle)."""
        rows = self.window(window).control(control).get("rows", [])
        found = next((r for r in rows if r["text"] == text), None)
        check(found is not None, f"no row {text!r} in view in {control!r}: {[r['text'] for r in rows]}")
        return found

    def click_row(self, text, control="recipeList", window="Larderwise", count=1):
        """Clicks the row of a list whose first column reads `text`."""
        self.click_at(*centre(self.row(text, control, window)), count=count)

    def double_click(self, control, window="Larderwise", **where):
        self.click(control, window, count=2, **where)

    def control(self, name, window="Larderwise", index=None):
        """What the probe shows of a control: rectangle, visible, enabled, hasQtFocus, and for
        editors text, caret, selectionStart, selectionLength, topLine."""
        return self.window(window).control(name, index)

    def menu(self, title, item, window="Larderwise"):
        """Clicks the menu `title` in the window's menu bar, then its item `item` (labels without
        ampersands). Fails if the item is missing or disabled."""
        bar = self.window(window).data["menus"]
        entry = next((m for m in bar if m["title"] == title), None)
        check(entry is not None, f"no menu {title!r} in {window!r}: {[m['title'] for m in bar]}")
        self.click_at(*centre(entry))
        popup = []

        def opened():
            popup[:] = [self.probe()["popup"]] if self.probe()["popup"] else []
            return bool(popup)
        self._wait(opened, HANG, f"the menu {title!r} to open")
        found = next((i for i in popup[0]["items"] if i["text"].split("\t")[0] == item), None)
        check(found is not None, f"menu {title!r} has no item {item!r}: {[i['text'] for i in popup[0]['items']]}")
        check(found["enabled"], f"menu item {title} > {item} is disabled")
        self.click_at(*centre(found))

    def submenu(self, title, submenu, item, window="Larderwise"):
        """Clicks the menu `title`, then its submenu `submenu`, then that submenu's item `item`."""
        self.menu(title, submenu, window)
        found = []

        def opened():
            popup = self.probe()["popup"]
            found[:] = [i for i in (popup["items"] if popup else []) if i["text"].split("\t")[0] == item]
            return bool(found)
        self._wait(opened, HANG, f"the submenu {submenu!r} to show {item!r}")
        check(found[0]["enabled"], f"menu item {title} > {submenu} > {item} is disabled")
        self.click_at(*centre(found[0]))

    def menu_items(self, title, window="Larderwise"):
        """Opens the menu, answers {label: enabled} for its items, and closes it with Escape."""
        bar = self.window(window).data["menus"]
        entry = next(m for m in bar if m["title"] == title)
        self.click_at(*centre(entry))
        self._wait(lambda: self.probe()["popup"] is not None, HANG, f"the menu {title!r} to open")
        items = {i["text"].split("\t")[0]: i["enabled"] for i in self.probe()["popup"]["items"]}
        self.key("Escape")
        return items

    def clipboard(self):
        """The text on the X clipboard, read as another program would."""
        result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=self.env, capture_output=True,
                                timeout=10)
        return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None

    def clipboard_targets(self):
        """The formats the X clipboard's owner offers (its TARGETS), or [] when nobody owns it."""
        result = subprocess.run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], env=self.env,
                                capture_output=True, timeout=10)
        return result.stdout.decode().split() if result.returncode == 0 else []

    def clipboard_as(self, target):
        """The clipboard's contents in one format (bytes), read as another program would; None if not offered."""
        result = subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"], env=self.env,
                                capture_output=True, timeout=10)
        return result.stdout if result.returncode == 0 else None

    def start_clipboard_manager(self):
        """Runs a clipboard manager as desktop environments do (clipboard_manager.py): it keeps what
        a program copied once that program has quit."""
        if self.display is None:
            self.start_display()
        manager = subprocess.Popen(["/usr/bin/python3", os.path.join(os.path.dirname(__file__), "clipboard_manager.py")],
                                   env=self.env, preexec_fn=_end_with_the_driver, stdout=subprocess.PIPE,
                                   stderr=self._logfile("clipboard-manager.log"), text=True)
        self.processes.append(manager)
        check(manager.stdout.readline().strip() == "ready", "the clipboard manager did not start")

    def put_on_clipboard(self, data, target="text/plain"):
        """Puts bytes (or text) on the X clipboard in one format, as another program copying would
        (xclip stays behind to serve it); waits until the clipboard offers it."""
        data = data.encode("utf-8") if isinstance(data, str) else data
        self.note(f"xclip -i -t {target} ({len(data)} bytes)")
        subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-i"], input=data, env=self.env,
                       check=True, timeout=30, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._wait(lambda: target in self.clipboard_targets(), HANG, f"the clipboard to offer {target}")

    def click_close_button(self, title="Larderwise"):
        """Clicks the close button at the right end of the window's title bar, drawn by openbox."""
        frame = self.window(title).data["frame"]
        self.click_at(frame["x"] + frame["w"] - 11, frame["y"] + 9, idle=False)

    def drag(self, start, end, steps=8, hold_modifier=None, hover=0.0):
        """Presses the left button at `start`, moves in steps to `end`, releases there. With
        `hover`, the pointer lingers over `end` and nudges once before the release, as a hand
        does: a drag between two programs needs the target's answer to the pointer's position
        before the drop, and on a busy machine that answer can lag behind the last move."""
        (x0, y0), (x1, y1) = start, end
        if hold_modifier:
            self.xdotool("keydown", hold_modifier)
        self.move_to(x0, y0)
        self.xdotool("mousedown", "1")
        for i in range(1, steps + 1):
            time.sleep(0.03)
            self.move_to(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        if hover:
            for x in (x1 + 2, x1):
                time.sleep(hover)
                self.move_to(x, y1)
        time.sleep(0.1 + hover)
        self.xdotool("mouseup", "1")
        if hold_modifier:
            self.xdotool("keyup", hold_modifier)
        self.wait_idle()

    def add_to_keyboard(self, text):
        """Puts every character of `text` that the display's keyboard lacks on a key of its own,
        as a user's layout would have them (xdotool would otherwise remap a key for each such
        character while typing, which a program may read before the new mapping reaches it)."""
        if self.display is None:
            self.start_display()
        table = subprocess.run(["xmodmap", "-pke"], env=self.env, capture_output=True, text=True, check=True).stdout
        free = [int(line.split()[1]) for line in table.splitlines() if line.strip().endswith("=")]
        wanted = sorted({c for c in text if ord(c) > 0x7e})
        check(len(free) >= len(wanted), "not enough free keys on the keyboard")
        for code, c in zip(free, wanted):
            subprocess.run(["xmodmap", "-e", f"keycode {code} = U{ord(c):04X}"], env=self.env, check=True)
        self.note(f"keys added for {''.join(wanted)!r}")

    def type(self, text):
        """Types text into whatever has the X keyboard focus."""
        self.xdotool("type", "--delay", "15", "--", text)
        self.wait_idle()

    def key(self, *keys):
        """Presses keys or chords in turn, e.g. key("Tab"), key("ctrl+q"), key("Down", "Down")."""
        self.xdotool("key", "--delay", "40", *keys)
        if self.running():
            self.wait_idle()

    def drag_file_from_outside(self, path, to):
        """Drags the file `path` from another program (tests/larderwise_drag_source, which drags as
        a file manager does) and drops it at the global point `to`. That program is clicked first,
        so the target window is inactive during the drop, as with a file manager; `active_at_drop`
        then tells, by title, which of this program's windows were active right after the drop."""
        probe = os.path.join(self.scratch, "drag-source-probe.json")
        env = dict(self.env, QT_QPA_PLATFORM="xcb", LARDERWISE_DESKTOP_PROBE=probe)
        source = subprocess.Popen([os.path.join(self.build_dir, "tests", "larderwise_drag_source"), path], env=env,
                                  cwd=self.home, preexec_fn=_end_with_the_driver, stdout=self._logfile("drag-source.log"), stderr=subprocess.STDOUT)
        self.processes.append(source)
        found = []

        def shown(active=False):
            try:
                with open(probe, encoding="utf-8") as f:
                    found[:] = [w for w in json.load(f)["windows"] if w["title"] == "Drag Source"]
            except (FileNotFoundError, json.JSONDecodeError):
                return False
            return bool(found) and (found[0]["active"] or not active)
        self._wait(shown, HANG, "the drag source window")
        label = Window(found[0]).control("draggedFile")
        start = (label["x"] + 20, label["y"] + 20)
        ended = os.path.join(self.artifacts, "drag-source.log")

        def presses():  # the source writes "drag ended" when a press on the file has been handled
            return open(ended).read().count("drag ended")

        def source_has_read_the_input():
            mark = self._mark_input()

            def read():
                try:
                    with open(probe, encoding="utf-8") as f:
                        return json.load(f).get("inputMark", -1) >= mark
                except (FileNotFoundError, json.JSONDecodeError):
                    return False
            self._wait(read, HANG, "the drag source to read its input")
        # A press activates the other program, as a user's would. It lands away from where the drag
        # starts, so the drag's press is never taken for the second half of a double click however
        # soon it follows. A press made while the new window was still being mapped reaches no
        # window: the user presses again.
        before = presses()
        deadline = time.monotonic() + HANG
        while True:
            self.click_at(label["x"] + label["w"] - 20, label["y"] + label["h"] - 10, idle=False)
            source_has_read_the_input()
            if presses() > before and shown(active=True):
                break
            if time.monotonic() > deadline:
                raise ScenarioFailure("the drag source never took a press")
        drags_before = presses()
        self.drag(start, to, steps=12, hover=0.3)
        # The source's drag ends once this program has answered the drop; then it is idle.
        self._wait(lambda: open(ended).read().count("drag ended") > drags_before, HANG, "the drop to be answered")
        self.wait_idle()
        # Read before the other program ends: its window going away hands the focus back.
        self.active_at_drop = {w.title: w.active for w in self.windows()}
        source.terminate()
        source.wait(5)

    def make_jpeg(self, width, height, colours="red-blue"):
        """The bytes of a JPEG photo (a gradient) made by ImageMagick."""
        path = os.path.join(self.scratch, f"photo-{width}x{height}-{colours}.jpg")
        subprocess.run(["/usr/bin/convert", "-size", f"{width}x{height}", f"gradient:{colours}", "-quality", "90",
                        path], check=True, env=self.env)
        with open(path, "rb") as f:
            return f.read()

    # --- the database -----------------------------------------------------------
    def db(self):
        """A second, read-only connection to the program's database file."""
        return sqlite3.connect(f"file:{self.database_path}?mode=ro", uri=True, timeout=5)

    def another_program_reading(self):
        """A connection of another program in the middle of a read: the program's commits fail
        ("database is locked") until it is rolled back and closed."""
        reader = sqlite3.connect(self.database_path, isolation_level=None, timeout=1)
        reader.execute("begin")
        reader.execute("select count(*) from recipes").fetchall()
        return reader

    def name_edit_that_cannot_be_stored(self, recipe, typed):
        """Types `typed` at the end of `recipe`'s name while another program reads the database, so
        the edit cannot be stored; answers the reader (roll it back and close it to free the file)."""
        self.click_row(recipe)
        self.click("recipeName")
        self.key("End")
        reader = self.another_program_reading()
        self.type(typed)
        return reader

    def all_recipes_converted(self):
        """Whether every recipe has its styled copy. A lock the program holds on the file (stopped
        in the middle of writing) means its conversion is still running: the answer is no."""
        con = sqlite3.connect(f"file:{self.database_path}?mode=ro", uri=True, timeout=0)
        try:
            missing = con.execute("select count(*) from recipes where coalesce(recipeRtfText, '') = ''").fetchone()[0]
        except sqlite3.OperationalError as e:
            if "locked" not in str(e):
                raise
            return False
        finally:
            con.close()
        return missing == 0

    def recipes(self, columns="recipeName"):
        """Every row in rowID order: a list of column values (a tuple with several columns)."""
        con = self.db()
        try:
            rows = con.execute(f"select {columns} from recipes order by rowID").fetchall()
        finally:
            con.close()
        return [r[0] for r in rows] if "," not in columns else rows

    # --- evidence -------------------------------------------------------------
    def screenshot(self, label="screen"):
        """The whole display as a PNG in the artifacts folder; returns its path."""
        self.screenshots += 1
        path = os.path.join(self.artifacts, f"{self.screenshots:02d}-{label}.png")
        if self.display:
            subprocess.run(["import", "-window", "root", path], env=self.env, check=False,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    def note(self, message):
        self.log.write(f"{time.monotonic():.3f} {message}\n")
        self.log.flush()

    @contextlib.contextmanager
    def stopped(self):
        """The program stopped (SIGSTOP) inside the block and continued after it: input sent in the
        block waits for it, so it is input made while the program was busy with what it was doing."""
        self.note("program stopped")
        os.kill(self.program.pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.kill(self.program.pid, signal.SIGCONT)
            self.note("program continued")

    def keep_display_state(self):
        """Which helper processes still run and the display's window tree, for a failure's evidence."""
        with open(os.path.join(self.artifacts, "display-state.txt"), "w") as out:
            for p in self.processes:
                out.write(f"{p.args[0]} pid {p.pid}: {'running' if p.poll() is None else f'ended {p.returncode}'}\n")
            if self.display:
                tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env, capture_output=True, text=True,
                                      timeout=30)
                out.write(tree.stdout + tree.stderr)

    def keep_probe(self):
        if os.path.exists(self.probe_path):
            shutil.copy(self.probe_path, os.path.join(self.artifacts, "last-probe.json"))

    def close(self):
        if self._x is not None:
            try:
                self._x.close()
            except Exception:  # the display is gone already (a scenario ended it)
                pass
        for p in reversed(self.processes):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        self.log.close()
        shutil.rmtree(self.scratch, ignore_errors=True)

    # --- internals ----------------------------------------------------------------
    def _logfile(self, name):
        return open(os.path.join(self.artifacts, name), "w")

    def _wait(self, condition, timeout, what):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition():
                return
            if self.program is not None and self.program.poll() is not None and what != "the program's first probe":
                raise ScenarioFailure(f"the program ended ({self.program.returncode}) while waiting for {what}")
            time.sleep(0.05)
        raise ScenarioFailure(f"timed out after {timeout} s waiting for {what}")


def known_fault(description):
    """Marks a scenario that fails for a fault not mended yet (see run_scenario.py)."""
    def mark(function):
        function.known_fault = description
        return function
    return mark
