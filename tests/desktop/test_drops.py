"""Files dragged from another program (a file manager) onto the main window."""
from desktop import centre, check, check_equal


def test_text_files_dropped_from_outside_become_recipes_an_empty_one_too(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    dropped = d.write_file("Pie.txt", "Pie crust\rMix and bake.")
    d.start()
    d.drag_file_from_outside(dropped, centre(d.control("recipeList")))
    check(not d.active_at_drop["Larderwise"], "the drop came while the main window was inactive")
    d.no_box()
    rows = d.recipes("recipeName, recipeText")
    # A plain text file's recipe is named by the whole file name.
    check_equal(rows, [("Apple Pie", "Bake it."), ("Pie.txt", "Pie crust\rMix and bake.")],
                "recipes while the program runs")
    # An empty file is an empty recipe named after it, without a word.
    d.drag_file_from_outside(d.write_file("Empty.txt", ""), centre(d.control("recipeList")))
    d.no_box()
    check_equal(d.control("recipeName")["text"], "Empty.txt", "the empty file's recipe is shown")
    rows = d.recipes("recipeName, recipeText")
    check_equal(rows[2], ("Empty.txt", ""), "the empty file's recipe")
    d.quit()
    check_equal(d.recipes("recipeName, recipeText"), rows, "recipes after quitting")



def test_with_no_recipe_shown_a_file_dropped_on_the_text_becomes_a_recipe(d):
    # The text field takes no drop while no recipe is shown (its text could not be stored), so the
    # file reaches the window, which imports it as it imports any file dropped on it.
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    dropped = d.write_file("Pie.txt", "Pie crust")
    d.start()
    d.click("Searchfield")
    d.type("zzz")  # finds nothing: no recipe is shown
    d.drag_file_from_outside(dropped, centre(d.control("RecipeText")))
    d.no_box()
    rows = d.recipes("recipeName, recipeText")
    check_equal(len(rows), 2, f"recipes after the drop: {rows}")
    check_equal(rows[1][1], "Pie crust", "the dropped file's text is stored in a recipe of its own")
    check_equal(d.control("RecipeText")["text"], "Pie crust", "the new recipe is shown")
    check(d.control("RecipeText")["enabled"], "its editors take input")
    d.quit()


def test_files_dropped_on_the_name_or_the_keywords_become_recipes_and_the_fields_keep_their_text(d):
    # Neither field takes files: each file reaches the window, which imports it as it imports any file
    # dropped on it; the imported recipe is shown with the focus in its text.
    d.build_database([{"name": "Apple Pie", "text": "Bake it.", "keywords": "sweet"}])
    rtf = d.write_file("Crust.rtf", r"{\rtf1\ansi{\fonttbl{\f0\fnil Helvetica;}}\f0\fs24 Pie crust\par}")
    txt = d.write_file("Soup.txt", "Leek soup\rSimmer.")
    d.start()
    d.drag_file_from_outside(rtf, centre(d.control("recipeName")))
    d.no_box()
    check_equal(d.control("recipeName")["text"], "Crust", "the imported recipe is shown")
    d.drag_file_from_outside(txt, centre(d.control("recipeKeywords")))
    d.no_box()
    check_equal(d.control("recipeName")["text"], "Soup.txt", "the second imported recipe is shown")
    check_equal(d.control("recipeKeywords")["text"], "", "its keywords")
    rows = d.recipes("recipeName, recipeKeywords, recipeText")
    check_equal(rows, [("Apple Pie", "sweet", "Bake it."), ("Crust", None, "Pie crust\r"),
                       ("Soup.txt", None, "Leek soup\rSimmer.")], "recipes after the drops")

    frame = d.window("Larderwise").data["frame"]
    d.click_at(frame["x"] + frame["w"] // 3, frame["y"] + 9)  # the title bar: activates, moves no focus
    check_equal(d.focus(), "RecipeText", "the focus is in the imported text")
    d.type("Hot ")
    check_equal(d.control("recipeName")["text"], "Soup.txt", "typing leaves the imported name")
    d.quit()
    rows[2] = ("Soup.txt", None, "Hot Leek soup\rSimmer.")
    check_equal(d.recipes("recipeName, recipeKeywords, recipeText"), rows, "recipes after quitting")


def test_a_file_dropped_while_the_window_stores_a_large_edit_is_not_lost(d):
    # Switching to the file manager stores the edit of a 20 MB recipe, which holds the window for
    # seconds. The drag crosses the recipe text towards the list meanwhile, and the desktop hands its
    # moves and its drop over once the window is free. The file must end up somewhere: as a recipe
    # of its own when the drop lands on the list, or as text at the drop point when the window last
    # saw the pointer over the recipe text (it takes text files there).
    line = "2 cups of flour, sifted twice, then folded into the butter\r"
    text = line * (20 * 1024 * 1024 // len(line))
    d.build_database([{"name": "Big Book", "text": text}])
    dropped = d.write_file("Pie.txt", "Pie crust")
    d.start()
    d.click("RecipeText")
    d.key("ctrl+Home")
    d.type("A")
    d.drag_file_from_outside(dropped, centre(d.control("recipeList")))
    d.no_box()
    d.quit()
    rows = d.recipes("recipeName, recipeText")
    check_equal(rows[0][0], "Big Book", "the large recipe keeps its name")
    stored = rows[0][1]
    if len(rows) == 2:
        check_equal(rows[1], ("Pie.txt", "Pie crust"), "the dropped file became a recipe")
        check(stored == "A" + text, "the edit was stored and nothing else changed the large recipe")
    else:
        check_equal(len(rows), 1, "one recipe besides the large one at most")
        check(stored.count("Pie crust") == 1 and stored.replace("Pie crust", "", 1) == "A" + text,
              "the dropped file's text went once into the large recipe, beside the stored edit")
