"""The edit in progress on a real display: every path that replaces or changes the shown recipe stores
the user's edit first, into the recipe it belongs to, and says so when it cannot."""
import glob
import os
import re
import sqlite3

from desktop import centre, check, check_equal, nothing_written_in, recipes_create_statement


def run_sql(d, *statements):
    """Changes the database file before the start, as another program or an older version would."""
    con = sqlite3.connect(d.database_path)
    for statement in statements:
        con.execute(statement)
    con.commit()
    con.close()


def stored(d, name, column):
    return dict(d.recipes(f"recipeName, {column}")).get(name)


def three_recipes(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Bread", "text": "Knead."},
                      {"name": "Cake", "text": "Mix."}])


def test_failed_new_recipe_renames_no_other_recipe(d):
    three_recipes(d)
    run_sql(d, "create trigger noNewRecipes before insert on recipes begin select raise(abort, 'full'); end")
    d.start()
    d.click("recipeName")  # where the focus is after any New Recipe
    d.click("AddRecipe")
    box = d.box()
    check_equal(box["text"], "Error NR002 creating new recipe record.", "the box")
    d.answer("OK")
    d.no_box()
    d.click_row("Bread")
    d.quit()
    check_equal(d.recipes(), ["Apple Pie", "Bread", "Cake"], "recipes after the failed New Recipe")


def test_next_and_previous_recipe_store_the_edit_first(d):
    three_recipes(d)
    d.start()
    d.click_row("Apple Pie")
    d.click("recipeKeywords")
    d.type("dessert")
    d.key("ctrl+bracketright")  # Next Recipe, the keywords field keeps the focus
    check_equal(d.control("recipeName")["text"], "Bread", "shown after Next Recipe")
    check_equal(stored(d, "Apple Pie", "recipeKeywords"), "dessert", "keywords stored by Next Recipe")

    d.click("RecipeText")
    d.key("ctrl+End")
    d.type(" Rest.")
    d.menu("Recipe", "Previous Recipe")
    check_equal(d.control("recipeName")["text"], "Apple Pie", "shown after Previous Recipe")
    check_equal(stored(d, "Bread", "recipeText"), "Knead. Rest.", "text stored by Previous Recipe")

    d.click("recipeName")
    d.key("ctrl+a")
    d.type("Apple Tart")
    d.key("ctrl+bracketleft")
    check_equal(d.recipes(), ["Apple Tart", "Bread", "Cake"], "name stored by Previous Recipe")
    d.quit()


def test_search_scope_and_cancel_store_the_edit_first(d):
    three_recipes(d)
    d.start()
    d.click("Searchfield")
    d.type("a")
    d.click_row("Bread")
    d.click("recipeKeywords")
    d.type("daily")
    d.click("CancelWidget")
    check_equal(stored(d, "Bread", "recipeKeywords"), "daily", "keywords stored by the cancel button")

    d.click_row("Cake")
    d.click("RecipeText")
    d.key("ctrl+End")
    d.type(" Bake.")
    d.click("BgCanvas", dx=12)  # the magnifying glass: the scope menu
    popup = d.probe()["popup"]
    check(popup is not None, "the scope menu is open")
    d.click_at(*centre(next(i for i in popup["items"] if i["text"] == "Recipe Keywords")))
    check_equal(stored(d, "Cake", "recipeText"), "Mix. Bake.", "text stored by choosing a scope")
    check_equal(d.focus(), "Searchfield", "the keyboard after a scope is chosen")
    d.type("X")  # under the old program: into the first recipe's text, shown by the scope's search
    d.key("Tab")
    d.quit()
    check_equal(d.recipes("recipeName, recipeText"), [("Apple Pie", "Bake it."), ("Bread", "Knead."),
                                                     ("Cake", "Mix. Bake.")], "nothing typed changed a recipe")


def test_rename_in_a_list_cell_is_stored_by_another_row_plus_and_close(d):
    three_recipes(d)
    d.start()
    d.click_row("Apple Pie", count=2)
    d.key("ctrl+a")
    d.type("Apple Crumble")
    d.click_row("Cake")
    check_equal(d.recipes(), ["Apple Crumble", "Bread", "Cake"], "rename stored by a click on another row")

    d.click_row("Bread", count=2)
    d.key("ctrl+a")
    d.type("Brown Bread")
    d.click("AddRecipe")
    check_equal(d.recipes()[:3], ["Apple Crumble", "Brown Bread", "Cake"], "rename stored by +")

    d.click_row("Cake", count=2)
    d.key("ctrl+a")
    d.type("Carrot Cake")
    d.key("ctrl+w")  # File > Close ends the program
    check_equal(d.wait_exit(), 0, "exit code")
    check_equal(d.recipes()[:3], ["Apple Crumble", "Brown Bread", "Carrot Cake"], "rename stored by closing")


def list_rows(d):
    return [r["text"] for r in d.control("recipeList")["rows"]]


def test_a_list_cell_left_by_a_click_shows_the_stored_name_in_its_place(d):
    d.build_database(["Apple Pie", "Carrot Soup", "Dumplings"])
    d.start()
    d.click_row("Carrot Soup", count=2)
    d.key("ctrl+a", "BackSpace")
    d.click_row("Apple Pie")
    check_equal(d.recipes(), ["Apple Pie", "Carrot Soup", "Dumplings"], "an emptied name writes nothing")
    check_equal(list_rows(d), ["Apple Pie", "Carrot Soup", "Dumplings"], "the stored name shows again at once")

    d.click_row("Carrot Soup", count=2)
    d.key("ctrl+a")
    d.type("Zucchini Soup")
    d.click_row("Apple Pie")
    check_equal(d.recipes(), ["Apple Pie", "Zucchini Soup", "Dumplings"], "the rename stored")
    check_equal(list_rows(d), ["Apple Pie", "Dumplings", "Zucchini Soup"], "the renamed row in its place by name")
    check_equal(d.control("recipeName")["text"], "Apple Pie", "the recipe clicked is shown")
    check(d.row("Apple Pie")["selected"], "and selected")
    d.quit()


def test_a_click_acts_on_the_recipe_under_the_pointer_when_the_button_went_down(d):
    # Each rename below is stored by the press on another row, before that press reaches the list,
    # and moves the renamed recipe down: the rows below it move up under the pointer.
    d.build_database([{"name": name, "text": name} for name in ("Apple Pie", "Bread", "Cake", "Mom's Pie",
                                                                  "Zucchini Bread")])
    d.start()

    def rename_shown_recipe(name):
        d.click("recipeName")
        d.key("ctrl+a")
        d.type(name)

    d.click_row("Apple Pie")
    rename_shown_recipe("Zzz Pie")
    d.click_row("Mom's Pie")
    check_equal(d.control("recipeName")["text"], "Mom's Pie", "the recipe clicked is shown")
    check_equal(d.control("RecipeText")["text"], "Mom's Pie", "with its text")
    d.key("BackSpace")
    check_equal(d.box()["text"], "Delete the recipe 'Mom's Pie'?", "Backspace asks about the recipe clicked")
    d.answer("Cancel")

    rename_shown_recipe("Zzzz Pie")
    d.click_row("Zucchini Bread", count=2)  # the double click opens the cell of the recipe clicked
    d.key("ctrl+a")
    d.type("Courgette Bread")
    d.key("Return")  # the name field has the focus and stores the rename when it loses it

    d.click_row("Bread", count=2)  # a rename in the cell is stored by the click on another row too
    d.key("ctrl+a")
    d.type("Zz Bread")
    d.click_row("Cake")
    check_equal(d.control("recipeName")["text"], "Cake", "the recipe clicked after a rename in its cell")
    check_equal(sorted(d.recipes()), ["Cake", "Courgette Bread", "Zz Bread", "Zzz Pie", "Zzzz Pie"], "the renames")
    d.quit()


def test_delete_names_and_deletes_the_recipe_the_user_was_on(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Cherry Pie", "text": "Pit them."}])
    d.start()
    d.click("Searchfield")
    d.type("Pie")
    d.click_row("Cherry Pie")
    d.click("recipeName")
    d.key("ctrl+a")
    d.type("Mom's Tart")  # no longer matches the search
    d.click("deleteSelectedRecipe")
    box = d.box()
    check_equal(box["text"], "Delete the recipe 'Mom's Tart'?", "the question")
    d.answer("Delete Recipe")
    d.no_box()
    check_equal(d.recipes(), ["Apple Pie"], "recipes after the delete")
    d.quit()


def test_text_styled_from_the_font_palette_is_stored_at_quit(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.click("RecipeText")
    d.key("ctrl+a")
    d.key("ctrl+t")  # Show Fonts
    d.window("Font")
    d.click_row("36", control="SizeList", window="Font")
    check(d.window("Font").active, "the palette is in front")
    d.quit()
    check("\\fs72" in stored(d, "Apple Pie", "recipeRtfText"), "the text is stored at 36 points")


def test_the_font_palette_styles_only_what_the_user_selected_in_the_recipe_shown(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Bread", "text": "Knead the dough."}])
    d.start()
    d.click_row("Apple Pie")
    d.click("RecipeText", dx=5, dy=5)
    d.key("ctrl+Home", "ctrl+shift+Right")  # "Bake"
    d.key("ctrl+t")
    d.window("Font")
    d.click_row("Bread")  # nothing is selected in its text
    d.click_row("DejaVu Serif", control="FontList", window="Font")
    d.click_row("48", control="SizeList", window="Font")
    d.click_row("Apple Pie")  # would store what the palette did to Bread
    d.click_row("Bread")
    bread = stored(d, "Bread", "recipeRtfText")
    check("\\fs96" not in bread and "DejaVu Serif" not in bread, f"Bread is left as it was: {bread!r}")
    check("\\fs96" not in stored(d, "Apple Pie", "recipeRtfText"), "and so is the recipe shown before")

    # A family alone keeps the size the text is shown at, also for text that has no size of its own.
    d.click("RecipeText", dx=5, dy=5)
    d.key("ctrl+Home", "ctrl+shift+Right")  # "Knead"
    check_equal(d.control("fontSize", "Font")["text"], "13", "the size the palette shows")
    d.click_row("DejaVu Sans Mono", control="FontList", window="Font")
    d.click("recipeName")
    bread = stored(d, "Bread", "recipeRtfText")
    check(re.search(r"\\fs26(\\cf1)? Knead", bread) and "DejaVu Sans Mono" in bread,
          f"Knead in the new family at 13: {bread!r}")
    d.quit()


def test_name_refused_twice_returns_to_the_name_selected(d):
    os.makedirs(os.path.dirname(d.database_path), exist_ok=True)
    run_sql(d, "create table recipes (recipeName varChar UNIQUE, recipeText varChar, recipeRtfText varChar, "
               "recipeKeywords varChar, recipeRating integer, recipePhoto Blob)",
            "insert into recipes (recipeName) values ('Apple'), ('Apple copy'), ('Bread')")
    d.start()
    d.click_row("Bread")
    d.click("recipeName")
    d.key("ctrl+a")
    d.type("Apple")
    d.click_row("Apple")  # another recipe: the refused name's recipe must stay, with the focus
    check(d.box()["text"].startswith("Recipe names in certain old databases must be unique!"), "the copy notice")
    d.answer("OK")
    check_equal(d.box()["text"], "Error 300 occurred while updating the recipe.", "the second refusal")
    d.answer("OK")
    d.no_box()
    check_equal(d.focus(), "recipeName", "focus after the refusal")
    name = d.control("recipeName")
    check_equal(name["text"], "Apple copy", "the name kept")
    check_equal((name["selectionStart"], name["selectionLength"]), (0, len("Apple copy")), "the whole name selected")
    check_equal(sorted(d.recipes()), ["Apple", "Apple copy", "Bread"], "nothing stored yet")
    d.key("ctrl+q")  # quitting tries the name again, as leaving the field would
    check(d.box()["text"].endswith("Saving as 'Apple copy copy'."), "the notice at quit")
    d.answer("OK")
    check_equal(d.wait_exit(), 0, "exit code")
    check_equal(sorted(d.recipes()), ["Apple", "Apple copy", "Apple copy copy"], "stored names")


def test_failed_commit_is_said_kept_and_stored_once_the_database_is_free(d):
    three_recipes(d)
    d.start()
    reader = sqlite3.connect(d.database_path, isolation_level=None, timeout=1)
    reader.execute("begin")
    reader.execute("select count(*) from recipes").fetchall()  # another program reading: commits fail
    d.click_row("Bread")
    d.click("recipeName")
    d.key("ctrl+a")
    d.type("Rye Bread")
    d.key("Tab")
    box = d.box()
    check(box["text"].startswith("Error 302: Could not save the recipe's name.") and "locked" in box["text"],
          f"the box says what failed and why: {box['text']!r}")
    d.answer("OK")
    d.no_box()
    check_equal(d.control("recipeName")["text"], "Rye Bread", "the name stays in the field")
    reader.execute("rollback")
    reader.close()
    d.click_row("Cake")
    check_equal(d.recipes(), ["Apple Pie", "Rye Bread", "Cake"], "stored by the next save")
    d.quit()


def test_after_a_failed_store_every_command_says_why_each_time_and_a_dropped_file_is_named(d):
    three_recipes(d)
    d.start()
    reader = d.name_edit_that_cannot_be_stored("Bread", " X")
    commands = [("Ctrl+N", lambda: d.key("ctrl+n")), ("Ctrl+N again", lambda: d.key("ctrl+n")),
                ("+", lambda: d.click("AddRecipe")), ("Delete Recipe...", lambda: d.menu("Edit", "Delete Recipe...")),
                ("-", lambda: d.click("deleteSelectedRecipe")), ("Next Recipe", lambda: d.key("ctrl+bracketright")),
                ("Previous Recipe", lambda: d.menu("Recipe", "Previous Recipe")), ("a row", lambda: d.click_row("Cake"))]
    for what, command in commands:
        command()
        check(d.answer("OK")["text"].startswith("Error 302: Could not save the recipe's name."), f"{what} says why")
        d.no_box()
        check_equal(d.control("recipeName")["text"], "Bread X", f"the edit kept after {what}")
    d.drag_file_from_outside(d.write_file("Pasta.txt", "Boil."), centre(d.control("recipeList")))
    told = [d.answer("OK")["text"] for _ in range(2)]
    check("Error IM005: The file 'Pasta.txt' was not imported." in told[1], f"the file named: {told}")
    reader.execute("rollback")
    reader.close()
    d.quit()
    check_equal(d.recipes(), ["Apple Pie", "Bread X", "Cake"], "the edit stored, nothing imported unsaid")


def test_a_database_replaced_under_an_edit_is_kept_with_it_before_any_engine_error(d):
    three_recipes(d)
    d.start()
    d.click_row("Bread")
    d.click("RecipeText")
    d.key("ctrl+End")
    d.type(" Rest.")
    folder = os.path.dirname(d.database_path)
    other = os.path.join(folder, "synced.rsd")
    con = sqlite3.connect(other)
    con.execute("create table recipes (recipeName text)")
    con.commit()
    con.close()
    os.replace(other, d.database_path)  # another program renames its file over the database
    d.click_row("Cake")
    box = d.answer("OK")
    check(box["text"].startswith("Another program replaced the recipe database"), f"the first box: {box['text']!r}")
    check_equal(d.wait_exit(), 0, "exit code")
    kept = [f for f in os.listdir(folder) if f.startswith("recipeDB kept ")]
    check_equal(len(kept), 1, f"one kept copy: {os.listdir(folder)}")
    con = sqlite3.connect(os.path.join(folder, kept[0]))
    texts = dict(con.execute("select recipeName, recipeText from recipes").fetchall())
    con.close()
    check_equal(texts["Bread"], "Knead. Rest.", "the edit in the kept copy")


def test_with_no_recipe_shown_the_editors_take_no_typing_until_one_is_shown(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it.", "keywords": "sweet"}])
    d.start()
    d.click("Searchfield")
    d.type("zzz")  # finds nothing: no recipe is shown
    d.click("RecipeText")
    d.type("Knead")
    d.click("recipeKeywords")
    d.type("daily")
    check_equal(d.control("RecipeText")["text"], "", "the text field took no typing")
    check_equal(d.control("recipeKeywords")["text"], "", "the keywords took no typing")
    check_equal(d.control("Searchfield")["text"], "zzzKneaddaily", "the typing stayed where the user sees it")
    check_equal(d.focus(), "Searchfield", "the focus stayed in the search field")

    d.key("ctrl+a", "BackSpace")  # Apple Pie is shown again and its editors take typing
    check_equal(d.control("recipeName")["text"], "Apple Pie", "the recipe shown")
    d.click("recipeKeywords")
    d.key("End")
    d.type(" daily")
    d.key("Tab")
    check_equal(d.focus(), "RecipeText", "Tab goes on from the keywords to the text")
    d.key("ctrl+End")
    d.type(" Knead.")
    d.key("shift+Tab")
    check_equal(d.recipes("recipeKeywords, recipeText"), [("sweet daily", "Bake it. Knead.")], "stored")
    d.quit()



def test_an_edit_on_a_replaced_database_is_kept_where_a_folder_takes_it_else_left_on_screen(d):
    d.env["TMPDIR"] = os.path.join(d.scratch, "tmp")
    os.makedirs(d.env["TMPDIR"])
    folders = [os.path.dirname(d.database_path), d.env["XDG_DATA_HOME"], d.env["TMPDIR"]]
    d.build_database(["Apple Pie"])
    for name, writable in (("Zebra Cake", folders[1:]), ("Yam Cake", [])):
        d.start()
        d.click("recipeName")
        d.key("End")
        d.type(" with cream")
        other = sqlite3.connect(d.database_path + ".new")  # another program's file renamed over the database
        other.execute(recipes_create_statement(d.source_dir))
        other.execute("insert into recipes (recipeName) values (?)", (name,))
        other.commit()
        other.close()
        os.replace(d.database_path + ".new", d.database_path)
        with nothing_written_in(*[f for f in folders if f not in writable]):
            d.key("ctrl+q") if writable else d.click_close_button()
            told = d.answer("OK")["text"]
            if writable:
                check_equal(d.wait_exit(), 0, "exit code")
                kept_told = told
                continue
            check("fields read-only" in told and d.program.poll() is None, f"the window stays: {told!r}")
            d.click("recipeName")
            d.type("x")
            check_equal(d.control("recipeName")["text"], "Zebra Cake with cream", "the edit on screen to copy")
            d.key("Tab")
            d.no_box()  # no store tried again
            d.quit()
    kept = glob.glob(os.path.join(d.scratch, "**", "recipeDB kept *.rsd"), recursive=True)
    check(len(kept) == 1 and os.path.dirname(kept[0]) == folders[1], f"one copy, in the data home: {kept}")
    check(kept[0] in kept_told, f"the first box names the copy: {kept_told!r}")
    check_equal(sqlite3.connect(kept[0]).execute("select recipeName from recipes").fetchall(),
                [("Apple Pie with cream",)], "the kept copy")
    check_equal(d.recipes(), ["Yam Cake"], "the other program's database untouched")
