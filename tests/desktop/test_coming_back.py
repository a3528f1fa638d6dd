"""Leaving the window and coming back: another program clicked, Alt+Tab, a box answered, a file
dialog cancelled. The edit is stored as the window is left, and what the user types on return goes
where the caret was, into the recipe that was shown."""
import sqlite3
import subprocess

from desktop import HANG, check, check_equal


def active_window_name(d):
    result = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], env=d.env, capture_output=True,
                            timeout=10)
    return result.stdout.decode("utf-8", "replace").strip()


def another_program(d):
    """A small window of another program (xmessage) at the bottom right, clear of the main window's
    title bar."""
    other = subprocess.Popen(["xmessage", "-geometry", "-20-20", "-title", "Another Program", "Another program"],
                             env=d.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    d.processes.append(other)
    d._wait(lambda: subprocess.run(["xdotool", "search", "--name", "Another Program"], env=d.env,
                                   capture_output=True).returncode == 0, HANG, "the other program's window")
    d.wait_idle()
    return other


def click_the_other_program(d):
    found = subprocess.run(["xdotool", "search", "--name", "Another Program"], env=d.env, capture_output=True,
                           timeout=10).stdout.split()
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[-1]], env=d.env,
                              capture_output=True, timeout=10).stdout.decode()
    where = dict(line.split("=") for line in geometry.split())
    d.click_at(int(where["X"]) + 10, int(where["Y"]) + 10, idle=False)
    d._wait(lambda: active_window_name(d) == "Another Program", HANG, "the other program to be active")
    d._wait(lambda: not d.window("Larderwise").active, HANG, "the main window to be inactive")
    d.wait_idle()


def click_the_title_bar(d, title="Larderwise"):
    frame = d.window(title).data["frame"]
    d.click_at(frame["x"] + frame["w"] // 2, frame["y"] + 8, idle=False)
    d._wait(lambda: d.window(title).active, HANG, "the main window to be active again")
    d.wait_idle()


def alt_tab(d, to_title):
    d.key("alt+Tab")
    d._wait(lambda: active_window_name(d) == to_title, HANG, f"{to_title} to be active after Alt+Tab")
    d.wait_idle()


def editor(d, name):
    c = d.control(name)
    return c["text"], c["caret"], c["selectionStart"], c["selectionLength"]


def test_typing_after_another_program_goes_where_the_caret_was(d):
    d.build_database(["Apple Pie", "Bread", "Brownies"])
    d.start()
    another_program(d)
    d.click_row("Bread")
    d.click("recipeName")
    d.key("End")
    d.type(" X")
    before = editor(d, "recipeName")

    click_the_other_program(d)
    check("Bread X" in d.recipes(), "the name is stored as the window is left")
    click_the_title_bar(d)
    check_equal(d.focus(), "recipeName", "the focus on return")
    check_equal(editor(d, "recipeName"), before, "the name field on return (text, caret, selection)")
    d.type("Y")
    check_equal(d.control("recipeName")["text"], "Bread XY", "typed at the caret")

    # A rename that takes the recipe out of the search: the recipe stays under the user's typing.
    d.click("Searchfield")
    d.type("br")
    d.click_row("Bread XY")
    d.click("recipeName")
    d.key("ctrl+a")
    d.type("Rye")
    alt_tab(d, "Another Program")
    check("Rye" in d.recipes(), "the rename is stored as the window is left")
    alt_tab(d, "Larderwise")
    check_equal(editor(d, "recipeName"), ("Rye", 3, 3, 0), "the name field after Alt+Tab")
    d.type(" Bread")
    d.key("Tab")
    check_equal(sorted(d.recipes()), ["Apple Pie", "Brownies", "Rye Bread"], "stored in the recipe typed into")

    # A selection in the keywords survives the switch, and typing replaces it.
    d.click("Searchfield")
    d.key("ctrl+a", "BackSpace")
    d.click_row("Apple Pie")
    d.click("recipeKeywords")
    d.type("sweet baked")
    d.key("ctrl+shift+Left")
    before = editor(d, "recipeKeywords")
    click_the_other_program(d)
    click_the_title_bar(d)
    check_equal(editor(d, "recipeKeywords"), before, "the keywords on return")
    d.type("tart")
    check_equal(d.control("recipeKeywords")["text"], "sweet tart", "the selection replaced")
    d.quit()
    check_equal(d.recipes("recipeName, recipeKeywords")[0], ("Apple Pie", "sweet tart"), "after quitting")


def test_typing_after_a_box_or_a_cancelled_file_dialog_goes_where_the_caret_was(d):
    d.build_database([{"name": "Bread", "text": "Knead well."}, {"name": "Cake", "text": "Mix."}])
    d.start()
    d.click_row("Bread")
    d.click("recipeName")
    d.key("End", "Left", "Left")
    d.type("-")  # "Bre-ad", caret after the mark
    before = editor(d, "recipeName")
    d.menu("Edit", "Delete Recipe...")
    d.box()
    d.answer("Cancel")
    check_equal(editor(d, "recipeName"), before, "the name field after the box")
    d.type("*")
    d.key("Tab")
    check_equal(sorted(d.recipes()), ["Bre-*ad", "Cake"], "the mark typed after the box")

    d.click("RecipeText")
    d.key("ctrl+End", "Left")
    d.key("shift+Left")  # "Knead wel[l]."
    before = editor(d, "RecipeText")
    d.menu("File", "Export recipes...")
    d.box()
    d.key("Escape")
    d.no_box()
    check_equal(editor(d, "RecipeText"), before, "the text field after the cancelled dialog")
    d.type("L")
    d.key("shift+Tab")
    check_equal(d.recipes("recipeName, recipeText")[0], ("Bre-*ad", "Knead welL."), "the mark typed after the dialog")
    d.quit()


def test_a_rename_in_its_list_cell_goes_on_in_the_cell_after_another_program(d):
    d.build_database(["Apple Pie", "Bread", "Cake"])
    d.start()
    another_program(d)
    d.click_row("Bread", count=2)
    d.key("ctrl+a")
    d.type("Rye")
    click_the_other_program(d)
    check_equal(sorted(d.recipes()), ["Apple Pie", "Cake", "Rye"], "the rename is stored as the window is left")
    click_the_title_bar(d)
    d.type(" Loaf")
    check_equal(d.control("recipeName")["text"], "Rye Loaf", "the name field follows the cell")
    d.key("Return")
    check_equal(d.focus(), "recipeName", "Return ends the rename in the name field")
    d.key("Tab")  # whose save stores it
    check_equal(sorted(d.recipes()), ["Apple Pie", "Cake", "Rye Loaf"], "the rename typed on return")
    d.quit()


def test_a_rename_stored_as_the_window_is_left_takes_its_place_in_the_list_and_the_search(d):
    d.build_database(["Apple Pie", "Bread", "Brownies", "Carrot Soup"])
    d.start()
    another_program(d)

    def listed():
        return [r["text"] for r in d.control("recipeList")["rows"]], d.control("recipeCount")["text"]
    d.click_row("Bread", count=2)
    d.key("ctrl+a")
    d.type("Rye")
    click_the_other_program(d)
    click_the_title_bar(d)
    d.click_row("Carrot Soup")
    check_equal(listed(), (["Apple Pie", "Brownies", "Carrot Soup", "Rye"], "4 Recipes"), "the list after a row")
    d.click("Searchfield")
    d.type("br")
    d.click_row("Brownies", count=2)
    d.key("ctrl+a")
    d.type("Fudge")
    click_the_other_program(d)
    click_the_title_bar(d)
    d.click("deleteSelectedRecipe")
    d.answer("Cancel")
    check_equal(listed(), ([], "0 Recipes"), "what \"br\" finds after the Delete question")
    d.quit()
    check_equal(sorted(d.recipes()), ["Apple Pie", "Carrot Soup", "Fudge", "Rye"], "stored names")


def test_a_save_failing_as_the_window_is_left_is_told_on_return(d):
    d.build_database(["Apple Pie", "Bread"])
    d.start()
    another_program(d)
    d.click_row("Bread")
    d.click("recipeName")
    d.key("End")
    d.type(" Loaf")
    reader = d.another_program_reading()
    click_the_other_program(d)
    check_equal(d.boxes(), [], "no box over the other program")
    check_equal(active_window_name(d), "Another Program", "the other program keeps the activation")
    frame = d.window("Larderwise").data["frame"]
    d.click_at(frame["x"] + frame["w"] // 2, frame["y"] + 8, idle=False)  # back by the title bar
    box = d.box()
    check(box["text"].startswith("Error 302: Could not save the recipe's name."), f"told on return: {box['text']!r}")
    d.answer("OK")
    d.no_box()
    check_equal(editor(d, "recipeName"), ("Bread Loaf", 10, 10, 0), "the name field after the box")
    reader.execute("rollback")
    reader.close()
    d.type("!")
    d.key("Tab")
    check_equal(d.recipes(), ["Apple Pie", "Bread Loaf!"], "stored once the database is free")
    d.quit()


def test_a_name_an_old_database_refuses_is_renamed_only_once_the_user_is_back(d):
    d.build_database(["Apple Pie", "Bread"])
    con = sqlite3.connect(d.database_path)
    con.execute("create unique index uniqueNames on recipes (recipeName)")  # as some old databases have
    con.commit()
    con.close()
    d.start()
    another_program(d)
    d.click_row("Bread")
    d.click("recipeName")
    d.key("ctrl+a")
    d.type("Apple Pie")
    click_the_other_program(d)
    check_equal(d.boxes(), [], "no notice over the other program")
    click_the_title_bar(d)
    d.no_box()
    check_equal(editor(d, "recipeName"), ("Apple Pie", 9, 9, 0), "the name field untouched on return")
    d.key("Tab")
    check("Saving as 'Apple Pie copy'" in d.box()["text"], "the notice once the user leaves the field")
    d.answer("OK")
    d.no_box()
    check_equal(d.recipes(), ["Apple Pie", "Apple Pie copy"], "stored under the copy name")
    d.quit()
