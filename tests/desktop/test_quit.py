"""Quitting: what the user sees and the exit status."""
import os

from desktop import HANG, check, check_equal


def test_a_quit_the_user_chose_with_an_edit_that_cannot_be_stored_asks_and_staying_keeps_it(d):
    d.build_database(["Apple Pie", "Bread"])
    d.start()
    reader = d.name_edit_that_cannot_be_stored("Bread", " X")
    for quit_by in ("ctrl+q", "the close box", "ctrl+w"):
        d.click_close_button() if quit_by == "the close box" else d.key(quit_by)
        box = d.box()
        check(box["text"] == 'The changes to the recipe "Bread X" cannot be stored.', f"{quit_by}: {box['text']!r}")
        check("If you quit now, these changes are lost." in box["informative"], f"{quit_by}: {box['informative']!r}")
        d.answer("Stay")
        d.no_box()
        check_equal(d.control("recipeName")["text"], "Bread X", f"the edit on screen after {quit_by}")
    reader.execute("rollback")
    reader.close()
    # Stored once the database allows, with nothing more from the user.
    d._wait(lambda: d.recipes() == ["Apple Pie", "Bread X"], HANG, "the edit stored while the program runs")
    d.quit()


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


def test_ctrl_q_pressed_while_old_recipe_texts_are_converted_quits_after_the_conversion(d):
    # Plain text with no RTF copy: the layout from before styled recipes. Enough of it that the
    # conversion still runs when the driver has seen its window and stops the program.
    d.build_database([{"name": f"Stew {n:05}", "text": "Simmer it.\r" * 200, "rtf": ""} for n in range(24000)])
    d.start(wait_for=None)
    d.answer("No")  # convert without a backup
    d.window("Converting Database...")
    with d.stopped():
        check(not d.all_recipes_converted(), "the conversion is still running")
        d.xdotool("key", "ctrl+q")
    check_equal(d.wait_exit(timeout=5 * HANG), 0, "exit code after Ctrl+Q during the conversion")
    check(all(rtf.startswith("{\\rtf") for rtf in d.recipes("recipeRtfText")), "every recipe was converted")
