"""Keys and menus as the user meets them: the list's Delete key, kitchen mode's Shift+arrows,
the menus offered with the help window in front, the font palette, the Format menu."""
import re

from desktop import HANG, centre, check, check_equal


def test_forward_delete_in_the_list_asks_to_delete_the_recipe(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Bread", "text": "Knead."}])
    d.start()
    d.click_row("Bread")
    d.key("Delete")
    check_equal(d.box()["text"], "Delete the recipe 'Bread'?", "the question")
    d.answer("Delete Recipe")
    check_equal(d.recipes(), ["Apple Pie"], "recipes after the delete")
    d.quit()


def test_kitchen_mode_shift_arrows_extend_the_selection(d):
    d.build_database([{"name": "Long Stew", "text": "\r".join(f"Step {i}" for i in range(80))}])
    d.start()
    d.key("ctrl+k")
    check_equal(d.front_window().title, "Kitchen Mode", "front window")
    d.key("ctrl+Home")
    d.key("shift+Down", "shift+Down")
    text = d.control("bigRecipeText", "Kitchen Mode")
    check(text["selectionLength"] > 0, f"Shift+Down selects: {text['selectionLength']}")
    check_equal(text["topLine"], 0, "no jump with Shift")
    d.quit()


def test_delete_recipe_is_not_offered_with_the_help_window_in_front(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    check(d.menu_items("Edit")["Delete Recipe..."], "offered in the main window")
    d.key("ctrl+question")
    title = d.front_window().title
    check(title != "Larderwise", "the help window is in front")
    items = d.menu_items("Edit", title)
    check(not items["Delete Recipe..."], f"not offered in the help window: {items}")
    check(items["Select All"], f"Select All offered for the page: {items}")
    d.quit()


def test_a_click_into_the_palette_size_field_lets_a_new_size_replace_the_old(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.click("RecipeText")
    d.key("ctrl+a")
    d.key("ctrl+t")
    palette = d.window("Font")
    shown = palette.control("fontSize")["text"]
    check(shown != "", "the palette shows the selection's size")
    d.click("fontSize", "Font", dx=palette.control("fontSize")["w"] - 6)  # near the end of the text
    d.type("36")
    check_equal(d.control("fontSize", "Font")["text"], "36", "the size field after typing 36")
    # A size with a fraction: the field shows what is typed, the text gets the whole size below it.
    d.key("ctrl+a")
    d.type("12.5")
    check_equal(d.control("fontSize", "Font")["text"], "12.5", "the size field after typing 12.5")
    d.quit()
    rtf = d.recipes("recipeRtfText")[0]
    check_equal(re.findall(r"\\fs(\d+)", rtf), ["24"], f"the one size stored, in half points: {rtf!r}")


def test_show_fonts_twice_opens_and_closes_the_palette(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.click("RecipeText")
    d.key("ctrl+t")
    d.window("Font")
    d.key("ctrl+t")
    check("Font" not in [w.title for w in d.windows()], "the second Ctrl+T closes the palette")
    # Once more, with the palette made the active window by a click on it.
    d.click("RecipeText")
    d.key("ctrl+t")
    d.click("FontList", "Font")
    check_equal(d.front_window().title, "Font", "the palette is active")
    d.key("ctrl+t")
    check("Font" not in [w.title for w in d.windows()], "Ctrl+T from the active palette closes it")
    d.quit()


def test_the_palette_leaves_the_keys_with_the_recipe_and_the_main_windows_commands_work_in_front_of_it(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Bread", "text": "Knead."}])
    d.start()
    d.click_row("Apple Pie")
    d.click("RecipeText")
    d.key("ctrl+End")
    d.key("ctrl+t")
    d.window("Font")
    check_equal(d.front_window().title, "Larderwise", "the main window stays active as the palette shows")
    d.type(" Nimbus")  # a family's name, typed for the recipe
    check_equal(d.control("RecipeText")["text"], "Bake it. Nimbus", "the word typed is the recipe's")
    check_equal(d.control("RecipeText")["caret"], 15, "the caret after the word")

    def from_the_palette(keys, window):
        d.click("FontList", "Font")  # the user clicks into the palette: now it takes the keys
        check_equal(d.front_window().title, "Font", "the palette is active after a click into it")
        d.key(keys)
        check_equal(d.front_window().title, window, f"the front window after {keys} from the palette")

    from_the_palette("ctrl+k", "Kitchen Mode")
    d.key("ctrl+w")
    check_equal(d.front_window().title, "Larderwise", "closing kitchen mode activates the main window")
    check("Font" in [w.title for w in d.windows()], "the palette is back beside it")
    from_the_palette("ctrl+shift+u", "Units Reference")
    d.key("ctrl+w")
    from_the_palette("ctrl+n", "Larderwise")
    check_equal(d.focus(), "recipeName", "the new recipe's name has the focus")
    d.type("Crumble")
    d.key("Tab")
    check("Crumble" in d.recipes(), f"the new recipe is named: {d.recipes()}")
    from_the_palette("ctrl+w", "Larderwise")  # Close is the palette's own
    check("Font" not in [w.title for w in d.windows()], "Ctrl+W in the palette closes the palette")
    d.quit()
    stored = {name: (text, rtf) for name, text, rtf in d.recipes("recipeName, recipeText, recipeRtfText")}
    check_equal(stored["Apple Pie"][0], "Bake it. Nimbus", "the stored text")
    check("Nimbus Mono" not in stored["Apple Pie"][1], f"the palette's list restyled nothing: {stored['Apple Pie'][1]!r}")


def test_the_format_menu_follows_the_focus_and_opens_on_the_first_click(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()

    def format_title():
        return next(m for m in d.window("Larderwise").data["menus"] if m["title"] == "Format")

    d.click("recipeName")
    check(not format_title()["enabled"], "the Format menu is grey outside the recipe text")
    d.click("RecipeText")
    check(format_title()["enabled"], "the Format menu is enabled once the recipe text has the focus")
    items = d.menu_items("Format")  # one click on the title opens it
    check(len(items) > 0, f"the Format menu opened: {items}")
    d.click("recipeKeywords")
    check(not format_title()["enabled"], "grey again after leaving the recipe text")
    d.quit()


def test_the_list_keeps_the_order_its_heading_shows_after_a_search(d):
    def names():
        return [row["text"] for row in d.control("recipeList")["rows"]]

    d.build_database(["Apple Tart", "Cake", "bread"])
    d.start()
    d.click("recipeList", dy=5)  # the heading: ascending, letter case aside
    check_equal(names(), ["Apple Tart", "bread", "Cake"], "rows after one click")
    d.click("recipeList", dy=5)  # descending
    check_equal(names(), ["Cake", "bread", "Apple Tart"], "rows after two clicks")
    d.click("Searchfield")
    d.type("a")  # every name has an "a": the list is read again
    check_equal(names(), ["Cake", "bread", "Apple Tart"], "rows after the search")
    d.quit()



def test_keys_typed_after_the_menu_bar_lets_go_reach_the_control_that_had_the_focus(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}, {"name": "Bread", "text": "Knead."}])
    d.start()

    def let_the_menu_bar_go(window="Larderwise", alt=None, escapes=2):
        """Opens the Edit menu (by its title, or by Alt and a letter), then presses Escape until the
        menu bar lets go: the first closes the menu, the second leaves the bar."""
        if alt:
            d.key(alt)
            d._wait(lambda: d.probe()["popup"] is not None, HANG, f"{alt} to open a menu")
        else:
            d.menu_items("Edit", window)  # closes the menu with one Escape
            escapes -= 1
        d.key(*["Escape"] * escapes)

    def check_focus(name, window="Larderwise"):
        check_equal(d.focus(window), name, f"the focus in {window!r}")
        check(d.control(name, window)["hasQtFocus"], f"{name!r} has the window system's focus")

    def format_enabled():
        return next(m for m in d.window("Larderwise").data["menus"] if m["title"] == "Format")["enabled"]

    d.click_row("Apple Pie")
    d.click("RecipeText", dx=5, dy=5)
    d.key("ctrl+End")
    let_the_menu_bar_go()
    check_focus("RecipeText")
    check(format_enabled(), "the Format menu follows the text")
    d.type("X")
    check_equal(d.control("RecipeText")["text"], "Bake it.X", "a key typed after the menu")
    d.key("ctrl+a")
    let_the_menu_bar_go(alt="alt+f", escapes=3)  # a third Escape reaches the text and does no harm
    d.key("ctrl+b")
    d.click("recipeName")
    check("\\b" in d.recipes("recipeRtfText")[0], f"Ctrl+B made the text bold: {d.recipes('recipeRtfText')[0]!r}")

    d.key("End")
    let_the_menu_bar_go(alt="alt+e", escapes=3)
    check_focus("recipeName")
    d.type(" Tart")
    d.key("Tab")
    check_equal(sorted(d.recipes()), ["Apple Pie Tart", "Bread"], "the name typed after the menu")

    d.click_row("Apple Pie Tart")
    let_the_menu_bar_go()
    check_focus("recipeList")
    d.key("Down")
    check_equal(d.control("recipeName")["text"], "Bread", "Down after the menu moves down the list")

    d.click("RecipeText")
    d.key("ctrl+shift+u")
    let_the_menu_bar_go("Units Reference")
    check_focus("monto", "Units Reference")
    d.key("ctrl+a")
    d.type("3")
    check_equal(d.control("monto", "Units Reference")["text"], "3", "the amount typed after the menu")

    d.key("ctrl+question")
    help_title = d.front_window().title
    check(help_title not in ("Larderwise", "Units Reference"), "the help window is in front")
    let_the_menu_bar_go(help_title)
    check_focus("helpViewer", help_title)
    d.quit()
