"""Quitting: what the user sees and the exit status."""
import os

from desktop import check, check_equal


def test_error_while_quitting_is_shown_then_the_program_exits_with_0(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    os.makedirs(d.prefs_path)  # the preferences file cannot be written
    d.start()
    d.key("ctrl+q")
    box = d.box()
    check(box["text"].startswith("Error 610"), f"the unhandled-error box: {box['text']!r}")
    check("preferences" in box["text"], f"the box says what failed: {box['text']!r}")
    d.answer("OK")
    check_equal(d.wait_exit(), 0, "exit code")
    check_equal(d.recipes(), ["Apple Pie"], "recipes after quitting")
