"""Opening a document while Larderwise runs: the launch hands it to the running copy and ends."""
import os
import sqlite3
import subprocess
import time

from desktop import HANG, _end_with_the_driver, check, check_equal


def launch_again(d, *args, **changes):
    """Runs build/bin/larderwise a second time, as a file manager would, and answers its exit code.
    `changes` replace variables of its environment (None removes one)."""
    env = dict(d.env, QT_QPA_PLATFORM="xcb")
    for name, value in changes.items():
        if value is None:
            env.pop(name, None)
        else:
            env[name] = value
    binary = os.path.join(d.build_dir, "bin", "larderwise")
    d.note(f"second launch: {ascii(args)}")
    second = subprocess.run([binary, *args], env=env, cwd=d.home, timeout=HANG,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return second.returncode


def wait_for(condition, timeout=HANG):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline and not condition():
        time.sleep(0.1)
    return condition()


def minimize_and_check_a_launch_restores(d, launch):
    """Minimizes the main window as a user does (the window manager); `launch` must restore it."""
    active_on_screen = lambda: subprocess.run(["xdotool", "getactivewindow", "getwindowname"], env=d.env,
                                              capture_output=True, text=True).stdout.strip() == "Larderwise"
    d.xdotool("search", "--onlyvisible", "--name", "^Larderwise$", "windowminimize", "--sync")
    check(wait_for(lambda: not active_on_screen() and not d.window("Larderwise").active), "minimized: inactive")
    launch()
    check(wait_for(active_on_screen), "the window is restored and active on screen")
    d.wait_idle()
    check(d.window("Larderwise").active, "the framework counts the restored window as active")


def test_document_opened_while_running_is_imported_by_the_running_copy(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.write_file("Pie.txt", "Pie crust\rMix and bake.")
    d.start()
    first = d.program.pid
    check_equal(launch_again(d, "Pie.txt"), 0, "the second launch's exit code")
    check(wait_for(lambda: "Pie.txt" in d.recipes()), "the running copy imported the handed-over file")
    d.wait_idle()
    check_equal(d.program.pid, first, "still the first copy")
    check(d.program.poll() is None, "the first copy still runs")
    check_equal(d.control("recipeName")["text"], "Pie.txt", "the imported recipe is shown")
    # From another session (sudo, ssh, cron): no runtime folder of its own, yet the same database.
    d.write_file("Soup.txt", "Simmer.")
    minimize_and_check_a_launch_restores(d, lambda: check_equal(
        launch_again(d, "Soup.txt", XDG_RUNTIME_DIR=None), 0, "a launch without a runtime folder"))
    check(wait_for(lambda: "Soup.txt" in d.recipes()), "the running copy imported the file from the other session")
    check_equal(d.program.pid, first, "still the first copy")
    # A launch without documents only brings the running copy forward.
    minimize_and_check_a_launch_restores(d, lambda: check_equal(launch_again(d), 0, "a launch without documents"))
    check_equal([w.title for w in d.windows()].count("Larderwise"), 1, "one main window")
    check(d.window("Larderwise").active, "the running copy came forward")
    d.quit()
    check_equal(d.recipes("recipeName, recipeText"),
                [("Apple Pie", "Bake it."), ("Pie.txt", "Pie crust\rMix and bake."), ("Soup.txt", "Simmer.")],
                "after quitting")


def test_a_document_name_that_is_not_utf8_is_opened_at_launch_and_when_handed_over(d):
    # Old archives and some file managers give names in Latin-1: the program gets the bytes, opens
    # the file they name, and shows the name as best it can.
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    home = os.fsencode(d.home)
    for name, text in ((b"cr\xe8me.txt", "Cream"), (b"p\xe2t\xe9.txt", "Pastry")):
        with open(home + b"/" + name, "w") as f:
            f.write(text)
    d.start(os.fsdecode(b"cr\xe8me.txt"))
    check_equal(d.recipes("recipeName, recipeText")[1:], [("crème.txt", "Cream")], "the file named at launch")
    check_equal(d.control("recipeName")["text"], "crème.txt", "its recipe is shown")
    check_equal(launch_again(d, os.fsdecode(b"p\xe2t\xe9.txt")), 0, "the second launch's exit code")
    check(wait_for(lambda: "pâté.txt" in d.recipes()), "the running copy imported the handed-over file")
    d.wait_idle()
    check_equal(d.control("recipeName")["text"], "pâté.txt", "the handed-over file's recipe is shown")
    d.quit()


def test_a_document_handed_over_to_a_start_that_then_ends_is_named_before_it_goes(d):
    # The first copy waits at the missing-database question; a second launch hands a file over and
    # ends with status 0. Quitting at the question opens nothing, so the quitting copy names the file.
    d.write_file("Pie.txt", "Pie crust")
    d.start(wait_for=None)
    check(len(d.box()["buttons"]) == 2, "the missing-database question")
    check_equal(launch_again(d, "Pie.txt"), 0, "the second launch's exit code")
    d.answer("Quit. I will move 'recipes.rsd' back.")
    told = d.box()
    check("Pie.txt" in told["text"] and "before opening" in told["text"], f"the file is named: {told['text']!r}")
    # A launch made while the ending copy names them is not told its document was taken: it waits
    # for that copy to go, then runs on its own and opens the document itself.
    d.write_file("Late.txt", "Late supper")
    late_probe = os.path.join(d.scratch, "late-probe.json")
    late = subprocess.Popen([os.path.join(d.build_dir, "bin", "larderwise"), "Late.txt"], cwd=d.home,
                            env=dict(d.env, QT_QPA_PLATFORM="xcb", LARDERWISE_DESKTOP_PROBE=late_probe),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_end_with_the_driver)
    d.processes.append(late)
    d.answer("OK")
    check_equal(d.wait_exit(), 0, "the first copy's exit code")
    d.program, d.probe_path = late, late_probe
    check("recipeDB.rsd not found" in d.box()["text"], "the late launch runs on its own and asks about the database")
    d.answer("Create a new database")
    d.answer("OK")
    d.window("Larderwise")
    d.wait_idle()
    check_equal(d.recipes("recipeName, recipeText"), [("Late.txt", "Late supper")], "the late launch's document")
    d.quit()


def test_a_document_handed_over_while_a_locked_database_is_waited_for_is_named_after_db001(d):
    # The other ending: another program holds the database through the start's wait (DB001).
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.write_file("Pie.txt", "Pie crust")
    other = sqlite3.connect(d.database_path, isolation_level=None)
    other.execute("begin exclusive")
    try:
        d.start(wait_for=None)
        check_equal(launch_again(d, "Pie.txt"), 0, "the second launch's exit code")
        check("DB001" in d.box()["text"], "the database could not be connected to")
        d.answer("OK")
        told = d.box()
        check("Pie.txt" in told["text"] and "before opening" in told["text"], f"the file is named: {told['text']!r}")
        d.answer("OK")
        check_equal(d.wait_exit(), 0, "the first copy's exit code")
    finally:
        other.rollback() if other.in_transaction else None
        other.close()

