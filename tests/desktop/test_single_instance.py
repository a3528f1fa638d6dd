"""Opening a document while Larderwise runs: the launch hands it to the running copy and ends."""
import os
import subprocess
import time

from desktop import HANG, check, check_equal


def launch_again(d, *args):
    """Runs build/bin/larderwise a second time, as a file manager would, and answers its exit code."""
    env = dict(d.env, QT_QPA_PLATFORM="xcb")
    binary = os.path.join(d.build_dir, "bin", "larderwise")
    d.note(f"second launch: {' '.join(args)}")
    second = subprocess.run([binary, *args], env=env, cwd=d.home, timeout=HANG,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return second.returncode


def wait_for(condition, timeout=HANG):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline and not condition():
        time.sleep(0.1)
    return condition()


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
    # A launch without documents only brings the running copy forward.
    check_equal(launch_again(d), 0, "a launch without documents")
    d.wait_idle()
    check_equal([w.title for w in d.windows()].count("Larderwise"), 1, "one main window")
    check(d.window("Larderwise").active, "the running copy came forward")
    d.quit()
    check_equal(d.recipes("recipeName, recipeText"),
                [("Apple Pie", "Bake it."), ("Pie.txt", "Pie crust\rMix and bake.")], "after quitting")
