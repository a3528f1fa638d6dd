"""The end of the desktop session: logout or shutdown (SIGTERM, with SIGHUP right behind it), a closed
terminal (SIGHUP) and Ctrl+C in the terminal (SIGINT) quit the program as File > Quit does, storing the
edit in progress, even with a box open that nobody will answer. A display that goes away under the
program leaves the database intact."""
import os
import re
import signal
import sqlite3
import subprocess
import time

from desktop import HANG, _end_with_the_driver, check, check_equal

TEMPORARIES = ".temporaries"


def integrity(d):
    con = sqlite3.connect(f"file:{d.database_path}?mode=ro", uri=True)
    try:
        return con.execute("pragma integrity_check").fetchone()[0]
    finally:
        con.close()


def leftovers(d):
    """Files beside the database other than the database itself and the locks that make one copy
    run (they stay, so every launch locks the same files): temporary files, journals."""
    folder = os.path.dirname(d.database_path)
    return sorted(name for name in os.listdir(folder) if name not in ("recipeDB.rsd", ".lock", ".lock-2"))


def edit_field(d, row, field, text):
    """Shows the recipe, then replaces the field's text by typing, leaving the focus in it."""
    d.click_row(row)
    d.click(field)
    d.key("ctrl+a")
    d.type(text)
    check_equal(d.control(field)["text"].replace("\r", "\n"), text, f"{field} on screen")


def ends_orderly(d):
    """Exit code 0 is the orderly quit's: a quit that had not finished when the grace period ran out
    is ended by the signal itself (a negative code here)."""
    check_equal(d.wait_exit(), 0, "exit code")


def sigterm_while_another_program_holds_the_file(d):
    """The save on the way out cannot be made; the program must still end by its orderly quit."""
    other = sqlite3.connect(d.database_path, isolation_level=None)
    other.execute("begin exclusive")
    try:
        os.kill(d.program.pid, signal.SIGTERM)
        ends_orderly(d)
    finally:
        other.execute("rollback")
        other.close()


def orderly_end(d):
    check_equal(integrity(d), "ok", "integrity of the database")
    check_equal(leftovers(d), [], "files left beside the database")
    check(os.path.exists(d.prefs_path), "the preferences were written on the way out")


def test_sigterm_stores_the_name_being_typed(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, "Bread"])
    d.start()
    edit_field(d, "Apple Pie", "recipeName", "Apple Crumble")
    os.kill(d.program.pid, signal.SIGTERM)
    ends_orderly(d)
    check_equal(d.recipes(), ["Apple Crumble", "Bread"], "recipes after the signal")
    orderly_end(d)


def test_logout_sigterm_and_sighup_together_store_the_keywords_being_typed(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it.", "keywords": "old"}])
    d.start()
    edit_field(d, "Apple Pie", "recipeKeywords", "dessert, autumn")
    os.kill(d.program.pid, signal.SIGTERM)
    os.kill(d.program.pid, signal.SIGHUP)  # the session's scope sends both at once
    ends_orderly(d)
    check_equal(d.recipes("recipeName, recipeKeywords"), [("Apple Pie", "dessert, autumn")], "keywords stored")
    orderly_end(d)


def test_ctrl_c_stores_the_recipe_text_being_typed(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.click_row("Apple Pie")
    d.click("RecipeText")
    d.key("ctrl+End")
    d.type(" Serve warm.")
    os.kill(d.program.pid, signal.SIGINT)
    ends_orderly(d)
    check_equal(d.recipes("recipeText"), ["Bake it. Serve warm."], "recipe text stored")
    orderly_end(d)


def test_sigterm_with_a_question_open_answers_cancel_and_quits(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, "Bread"])
    d.start()
    edit_field(d, "Apple Pie", "recipeName", "Apple Crumble")
    d.click("deleteSelectedRecipe")
    check_equal(d.box()["text"], "Delete the recipe 'Apple Crumble'?", "the question")
    os.kill(d.program.pid, signal.SIGTERM)
    ends_orderly(d)
    check_equal(d.recipes(), ["Apple Crumble", "Bread"], "nothing deleted, the rename stored")
    orderly_end(d)


def test_save_refused_on_the_way_out_is_reported_and_the_program_still_ends(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    edit_field(d, "Apple Pie", "recipeName", "Apple Crumble")
    sigterm_while_another_program_holds_the_file(d)
    check("Error 30" in d.stderr() and "Apple Crumble" not in d.recipes(),
          f"the refused save is reported, not shown in a box nobody answers: {d.stderr()!r}")
    check_equal(integrity(d), "ok", "integrity of the database")


def test_sigterm_at_the_missing_database_question_creates_nothing_and_quits(d):
    d.start(wait_for=None)
    check("recipeDB.rsd not found" in d.box()["text"], "the question about the missing database")
    os.kill(d.program.pid, signal.SIGTERM)
    ends_orderly(d)
    check(not os.path.exists(d.database_path), "no database created for a question nobody answered")
    check(os.path.exists(d.prefs_path), "the preferences were written on the way out")


def test_closed_error_output_does_not_end_the_quit(d):
    """Started from a pipe whose reader is gone (a pager quit): reporting a refused save on the way
    out must not kill the program halfway."""
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start_display()
    reader, writer = os.pipe()
    os.close(reader)
    d.program = subprocess.Popen([os.path.join(d.build_dir, "bin", "larderwise")], cwd=d.home,
                                 env=dict(d.env, QT_QPA_PLATFORM="xcb", LARDERWISE_DESKTOP_PROBE=d.probe_path),
                                 stdout=writer, stderr=writer, preexec_fn=_end_with_the_driver)
    os.close(writer)
    d.processes.append(d.program)
    d.window("Larderwise")
    d.wait_idle()
    edit_field(d, "Apple Pie", "recipeName", "Apple Crumble")
    sigterm_while_another_program_holds_the_file(d)
    check_equal(integrity(d), "ok", "integrity of the database")
    check(os.path.exists(d.prefs_path), "the rest of the quit ran")


def test_display_gone_leaves_the_database_intact(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, "Bread"])
    d.start()
    edit_field(d, "Apple Pie", "recipeName", "Apple Crumble")
    xvfb = d.processes[0]
    xvfb.terminate()
    xvfb.wait(10)
    check_equal(d.wait_exit(), 1, "exit code (a failure, not a crash)")
    check_equal(d.recipes(), ["Apple Crumble", "Bread"], "the edit in progress stored")
    orderly_end(d)
    check_equal(os.listdir(d.home), [], "files made in the folder the program ran in")


def start_session_manager(d):
    """xsm on the test's display, its window clear of the program's; the program is then started as
    one of its clients."""
    d.start_display()
    told = d.write_file("session-manager", "")
    d.write_file(".xsmstartup", f'echo "$SESSION_MANAGER" > "{told}"\n')
    resources = d.write_file("xsm-resources", "xsm.geometry: +950+20\n")
    xsm = subprocess.Popen(["xsm"], env=dict(d.env, XENVIRONMENT=resources), cwd=d.home, preexec_fn=_end_with_the_driver,
                           stdout=d._logfile("xsm.log"), stderr=subprocess.STDOUT)
    d.processes.append(xsm)
    d._wait(lambda: open(told).read().strip(), HANG, "the session manager's address")
    # Its local socket only: the program reaches it as a desktop's clients do.
    addresses = open(told).read().strip().split(",")
    d.env["SESSION_MANAGER"] = ",".join(a for a in addresses if a.startswith(("local/", "unix/")))
    for made in (told, resources, os.path.join(d.home, ".xsmstartup")):
        os.remove(made)


def test_session_manager_shutdown_runs_the_whole_quit(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    start_session_manager(d)
    d.start()
    edit_field(d, "Apple Pie", "recipeName", "Apple Crumble")
    d.screenshot("before-shutdown")
    found = subprocess.run(["xwininfo", "-name", "xsm: Default"], env=d.env, capture_output=True, text=True,
                           check=True).stdout
    x, y = (int(re.search(rf"Absolute upper-left {axis}: +(-?\d+)", found).group(1)) for axis in "XY")
    # xsm's Shutdown menu, item Immediately: the manager tells each client to die.
    d.xdotool("mousemove", str(x + 146), str(y + 49), "mousedown", "1")
    time.sleep(0.5)
    d.xdotool("mousemove", str(x + 150), str(y + 104))
    time.sleep(0.3)
    d.xdotool("mouseup", "1")
    check_equal(d.wait_exit(), 0, "exit code")
    check_equal(d.recipes(), ["Apple Crumble"], "recipes after the session ended")
    orderly_end(d)
