"""The live search on the real program, with keys coming faster than a search takes."""
from desktop import check_equal


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
