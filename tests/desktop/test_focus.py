"""The focus a window gets when it opens, as the window system gives it."""
from desktop import HANG, centre, check, check_equal


def test_kitchen_mode_arrows_jump_ten_lines_from_the_first_key(d):
    d.build_database([{"name": "Long Stew", "text": "\r".join(f"Step {i}" for i in range(80))}])
    d.start()
    d.key("ctrl+k")
    kitchen = d.front_window()
    check(kitchen is not None and kitchen.title == "Kitchen Mode", f"front window: {kitchen and kitchen.title}")
    check_equal(d.control("bigRecipeText", "Kitchen Mode")["topLine"], 0, "first line in view at open")
    d.key("Down")  # no click first: the text has the focus from the moment the window opens
    check_equal(d.control("bigRecipeText", "Kitchen Mode")["topLine"], 10, "first line in view after Down")
    d.key("Down")
    check_equal(d.control("bigRecipeText", "Kitchen Mode")["topLine"], 20, "first line in view after Down twice")
    d.key("Up")
    check_equal(d.control("bigRecipeText", "Kitchen Mode")["topLine"], 10, "first line in view after Up")
    d.quit()


def test_help_window_edit_menu_acts_on_the_page_from_the_start(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.key("ctrl+question")
    help_window = d.front_window()
    check(help_window is not None and help_window.title != "Larderwise", "the help window is in front")
    title = help_window.title
    d.menu("Edit", "Select All", title)
    page = d.control("helpViewer", title)
    check(page["selectionLength"] > 0 and page["selectionLength"] == len(page["text"]),
          f"Select All selects the page: {page['selectionLength']} of {len(page['text'])}")
    d.menu("Edit", "Copy", title)
    copied = d.clipboard()
    check(copied is not None and "Contents" in copied, f"the page is on the clipboard: {copied!r:.80}")
    d.quit()


def test_renaming_the_only_found_recipe_out_of_the_search_hands_the_focus_to_the_list(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Cake", "text": "Mix."}])
    d.start()
    d.click("Searchfield")
    d.type("Cake")
    d.click("recipeName")
    d.key("ctrl+a")
    d.type("Sponge")
    d.key("Tab")  # the name is stored and leaves the search: no recipe is shown
    check_equal(sorted(d.recipes()), ["Apple Pie", "Sponge"], "the name stored")
    check(not d.control("recipeKeywords")["enabled"], "the keywords closed with the other editors")
    check_equal(d.focus(), "recipeList", "the focus went on to a control that takes keys")
    check(d.control("recipeList")["hasQtFocus"], "and the window system agrees")
    d.quit()


def test_after_a_pop_up_choice_the_keys_go_where_they_went_before(d):
    d.build_database([{"name": "Long Stew", "text": "\r".join(f"Step {i}" for i in range(80))}])
    d.start()

    def choose(popup, window, item=None):
        """Opens the pop-up with a click and chooses `item` with the mouse, or the next item with
        Down and Return."""
        d.click(popup, window)
        if item:
            d.click_row(item, popup, window)
        else:
            d.key("Down", "Return")

    def chosen(popup, window):
        return [row["text"] for row in d.control(popup, window)["rows"] if row["selected"]]

    d.key("ctrl+k")
    def jumps_ten_lines(what):
        before = d.control("bigRecipeText", "Kitchen Mode")["topLine"]
        d.key("Down")
        check_equal(d.control("bigRecipeText", "Kitchen Mode")["topLine"], before + 10, f"Down after {what}")

    choose("textSize", "Kitchen Mode", "48")
    check_equal(d.focus("Kitchen Mode"), "bigRecipeText", "the focus after a size chosen with the mouse")
    jumps_ten_lines("the mouse's choice")
    choose("textSize", "Kitchen Mode")
    check_equal(chosen("textSize", "Kitchen Mode"), ["72"], "the size chosen with the keys")
    jumps_ten_lines("the keys' choice")
    d.key("ctrl+w")

    d.key("ctrl+shift+u")
    check_equal(d.focus("Units Reference"), "monto", "the amount has the focus")
    d.key("ctrl+a")
    d.type("2")
    choose("ConvertDir", "Units Reference", "Metric to US Customary")
    d.type("5")
    check_equal(d.control("monto", "Units Reference")["text"], "25", "a digit typed after the mouse's choice")
    choose("ConvertDir", "Units Reference")  # Down from the last item stays there
    check_equal(chosen("ConvertDir", "Units Reference"), ["Metric to US Customary"], "the direction")
    d.type("0")
    check_equal(d.control("monto", "Units Reference")["text"], "250", "a digit typed after the keys' choice")
    d.quit()


def test_a_marker_typed_after_a_pop_up_the_palette_or_kitchen_mode_lands_at_the_caret_and_is_stored(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Bread", "text": "Knead."}])
    d.start()
    d.click_row("Bread")

    def caret_at(control, back):
        d.click(control)
        d.key("ctrl+End", *["Left"] * back)

    def choose_from_pop_up(text):
        d._wait(lambda: d.probe()["popup"] is not None, HANG, "the pop-up menu to open")
        item = next(i for i in d.probe()["popup"]["items"] if i["text"] == text)
        d.click_at(*centre(item))

    def lands(control, text, caret, what):
        check_equal(d.focus(), control, f"the focus after {what}")
        field = d.control(control)
        check_equal((field["text"], field["caret"]), (text, caret), f"the marker typed after {what}, and the caret")
        check(d.row("Bread")["selected"], f"Bread is still the recipe shown after {what}")

    # A choice in the recipe text's own pop-up menu.
    caret_at("RecipeText", 2)  # Knea|d.
    d.click("RecipeText", dx=20, dy=40, button=3)
    choose_from_pop_up("Convert...")  # nothing selected to convert: nothing happens
    d.type("1")
    lands("RecipeText", "Knea1d.", 5, "a choice in the recipe text's pop-up")

    # The palette shown.
    caret_at("RecipeText", 2)  # Knea1|d.
    d.key("ctrl+t")
    d.window("Font")
    d.type("3")
    lands("RecipeText", "Knea13d.", 6, "the palette shown")

    # Kitchen mode opened and closed (it puts the palette away and brings it back).
    caret_at("recipeKeywords", 0)
    d.type("bake")
    d.key("Left", "Left")  # ba|ke
    d.key("ctrl+k")
    check_equal(d.front_window().title, "Kitchen Mode", "kitchen mode is in front")
    d.key("ctrl+w")
    d.type("4")
    lands("recipeKeywords", "ba4ke", 3, "kitchen mode closed")
    d.quit()
    check_equal(d.recipes("recipeName, recipeText, recipeKeywords"),
                [("Apple Pie", "Bake it.", ""), ("Bread", "Knea13d.", "ba4ke")], "what was stored")
