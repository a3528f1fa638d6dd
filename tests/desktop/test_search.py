"""The live search on the real program: keys coming faster than a search takes, and keys typed while
the edit in progress cannot be stored."""
from desktop import check, check_equal


def test_word_typed_faster_than_a_search_lists_its_matches(d):
    # Enough long recipes that a search takes longer than the 15 ms between two typed keys: the
    # keys wait in the window system's queue while a search runs, and only the last of them is
    # searched for. The list must end on the whole word all the same.
    filler = "stir gently and season " * 100
    recipes = [{"name": f"Recipe {i}", "text": filler + ("sea salt" if i % 1000 == 0 else "")}
               for i in range(20000)]
    d.build_database(recipes)
    d.start()
    d.click("Searchfield")
    d.type("salt")
    check_equal(d.control("Searchfield")["text"], "salt", "the search field")
    check_equal(d.control("recipeList")["rowCount"], 20, "rows listed for the whole word")
    d.key("BackSpace")
    check_equal(d.control("recipeList")["rowCount"], 20, "rows listed for \"sal\"")
    d.type("ad")
    check_equal(d.control("recipeList")["rowCount"], 0, "rows listed for \"salad\"")
    d.quit()


def test_search_typed_while_an_edit_cannot_be_stored_runs_once_it_is(d):
    d.build_database(["Apple Pie", "Bread", "Cake"])
    d.start()
    reader = d.another_program_reading()
    d.click("recipeKeywords")
    d.type("x")
    d.click("Searchfield")
    box = d.box()
    check(box["text"].startswith("Error 302: Could not save the recipe's keywords."), f"the box: {box['text']!r}")
    d.answer("OK")
    d.type("ca")
    d.no_box()  # each key tried the save again; the user knows of this edit already
    check_equal(d.control("Searchfield")["text"], "ca", "the search field")
    check_equal(d.control("recipeList")["rowCount"], 3, "rows while the edit is not stored")
    reader.execute("rollback")
    reader.close()
    d.click("recipeKeywords")
    d.click("recipeName")  # leaving the keywords stores them, and the owed search runs
    check_equal(d.control("recipeList")["rowCount"], 1, "rows for \"ca\" once the save went through")
    check_equal(d.recipes("recipeKeywords"), ["x", "", ""], "the keywords")
    d.quit()
