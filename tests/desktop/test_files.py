"""Files the user picks in the real file dialogs: restoring from files that are no recipe database,
and exporting where the file cannot or should not be written."""
import os
import sqlite3

from desktop import HANG, centre, check, check_equal, nothing_written_in


def _restore(d, name):
    d.menu("File", "Restore backup...")
    d.answer("Restore")
    check_equal(d.box()["title"], "Select a recipeDB backup file to restore:", "the file dialog")
    d.type(name)
    d.key("Return")
    return d.answer("OK")


def test_restoring_files_that_are_no_recipe_database_keeps_the_recipes_and_the_program(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, "Bread"])
    folder = os.path.dirname(d.database_path)
    with open(os.path.join(folder, "notes.rsd"), "w") as text:
        text.write("Shopping list: flour, eggs\n" * 50)
    # A real database cut off half way, as a copy interrupted on a USB stick leaves it.
    whole = os.path.join(folder, "whole.sqlite")
    con = sqlite3.connect(whole)
    con.execute("create table recipes (recipeName varChar, recipeText varChar, recipeRtfText varChar, "
                "recipeKeywords varChar, recipeRating integer, recipePhoto Blob)")
    con.executemany("insert into recipes (recipeName, recipeText) values (?, ?)",
                    [(f"Soup {i}", "x" * 2000) for i in range(200)])
    con.commit()
    con.close()
    with open(whole, "rb") as f:
        data = f.read()
    os.remove(whole)
    with open(os.path.join(folder, "cut off.rsd"), "wb") as f:
        f.write(data[: len(data) // 2])
    # Another program's file with a table of the same name and its own columns.
    con = sqlite3.connect(os.path.join(folder, "other program.rsd"))
    con.execute("create table recipes (id integer primary key, title varchar, body varchar)")
    con.execute("insert into recipes (title, body) values ('Stew', 'Slowly.')")
    con.commit()
    con.close()
    d.start()

    for name in ["notes.rsd", "cut off.rsd", "other program.rsd"]:
        told = _restore(d, name)
        check_equal(told["text"], "Error -10 restoring the database.", f"restoring {name!r}")
        d.no_box()
        check(d.running(), f"the program still runs after {name!r}")
        check_equal(sorted(d.recipes()), ["Apple Pie", "Bread"], f"the recipes after {name!r}")

    check_equal(sorted(os.listdir(folder)), [".lock", ".lock-2", "cut off.rsd", "notes.rsd", "other program.rsd", "recipeDB.rsd"],
                "no working copies are left and the chosen files are untouched")
    d.click_row("Bread")
    d.click("recipeName")
    d.key("End")
    d.type(" Rolls")
    d.key("Tab")
    check_equal(sorted(d.recipes()), ["Apple Pie", "Bread Rolls"], "the database is still written")
    d.quit()


def _export_to(d, path):
    d.menu("File", "Export recipes...")
    check_equal(d.box()["title"], "Save Recipe Export", "the save dialog")
    d.key("ctrl+a")
    d.type(path)
    d.key("Return")


def test_export_over_an_existing_file_asks_and_no_keeps_it_and_a_read_only_folder_is_told(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.write_file("exports/old.txt", "the old export\n")
    d.write_file("locked/keep.txt", "x")
    old = os.path.join(d.home, "exports", "old.txt")
    locked = os.path.join(d.home, "locked")
    with nothing_written_in(locked):
        d.start()

        _export_to(d, old)
        # The question stands in front of the save dialog, which stays open behind it.
        question = next((b for b in d.boxes() if b["class"] == "QMessageBox"), None)
        check(question is not None and "old.txt already exists" in question["text"] and question["qtActive"],
              f"the overwrite question in front: {d.boxes()!r}")
        d.click_at(*centre(next(b for b in question["buttons"] if b["label"] == "No")))
        check_equal(d.box()["title"], "Save Recipe Export", "the save dialog is back after No")
        d.key("Escape")
        d.no_box()
        with open(old) as f:
            check_equal(f.read(), "the old export\n", "the old file after No")
        check_equal(sorted(os.listdir(os.path.dirname(old))), ["old.txt"], "no temporary file beside it")

        _export_to(d, os.path.join(locked, "recipes.txt"))
        told = d.answer("OK")
        check(told["text"].startswith("Error EX002"), f"the read-only folder is told: {told['text']!r}")
        d.no_box()
        check_equal(sorted(os.listdir(locked)), ["keep.txt"], "nothing made in the read-only folder")

        odd = os.path.join(d.home, "exports", "Tom's #1 recipes; 50% & more.txt")
        _export_to(d, odd)
        check_equal(d.answer("OK")["text"], "Recipe export complete.", "export to an odd name")
        with open(odd) as f:
            check_equal(f.read(), "Apple Pie\t\tBake it.\n", "the exported file")
        d.quit()


def test_a_picture_named_txt_dropped_from_outside_is_told_once_and_makes_nothing(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    picture = d.write_file("Photo.txt", d.make_jpeg(40, 30))
    good = d.write_file("Soup.txt", "Boil it.")
    d.start()
    d.drag_file_from_outside(picture, centre(d.control("recipeList")))
    check_equal(d.answer("OK")["text"], "Error IM002: Could not read the file 'Photo.txt': it holds no text.",
                "the picture is refused")
    d.no_box()
    check_equal(d.recipes(), ["Apple Pie"], "nothing made of the picture")
    d.drag_file_from_outside(good, centre(d.control("recipeList")))
    d.no_box()
    check_equal(d.recipes("recipeName, recipeText"), [("Apple Pie", "Bake it."), ("Soup.txt", "Boil it.")],
                "a text file dropped next is imported")
    d.quit()


def test_keys_and_clicks_made_while_an_export_runs_arrive_when_it_ends(d):
    filler = "a line of a long recipe\r" * 400
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Bread", "text": "Knead."}] +
                     [{"name": f"Stew {n:05}", "text": filler} for n in range(4000)])
    target = os.path.join(d.home, "exports", "recipes.txt")
    os.makedirs(os.path.dirname(target))
    d.start()
    d.click_row("Apple Pie")
    d.click("RecipeText")
    d.key("ctrl+End")
    bread = centre(d.row("Bread"))
    d.menu("File", "Export recipes...")
    check_equal(d.box()["title"], "Save Recipe Export", "the save dialog")
    d.key("ctrl+a")
    d.type(target)
    d.xdotool("key", "Return")  # no waiting for idle: the export is to be caught running
    d._wait(lambda: any(n.startswith(".recipes.txt.tmp") for n in os.listdir(os.path.dirname(target))), HANG,
            "the export to start writing")
    with d.stopped():
        check(not os.path.exists(target), "the export is still running")
        d.xdotool("type", " Cool it.")
        d.click_at(*bread, idle=False)
    d._wait(lambda: [b["text"] for b in d.boxes()] == ["Recipe export complete."], HANG, "the export's end")
    d.answer("OK")
    check_equal(d.control("recipeName")["text"], "Bread", "the recipe clicked during the export is shown")
    check_equal(d.recipes("recipeText")[0], "Bake it. Cool it.", "the keys typed during the export")
    d.quit()
