"""The Edit menu and the X clipboard on a real display: what another program puts on the clipboard
pastes into each editor as it should, what Larderwise copies reaches other programs, and every edit
made this way is stored."""
import re

from desktop import check, check_equal


def two_recipes(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it well.", "keywords": "dessert"},
                      {"name": "Bread", "text": "Knead."}])


def stored(d, column, name):
    return dict(d.recipes(f"recipeName, {column}")).get(name)


def test_lines_pasted_into_a_one_line_editor_become_one_line(d):
    two_recipes(d)
    d.start()
    d.put_on_clipboard("Rye\r\nBread\n\n")  # a few lines copied from a web page
    d.click_row("Bread", count=2)  # renames the recipe in its list cell
    d.menu("Edit", "Paste")
    check_equal(d.control("recipeList")["text"], "Rye Bread", "the cell after Edit > Paste")
    d.key("ctrl+a", "ctrl+v")
    check_equal(d.control("recipeList")["text"], "Rye Bread", "the cell after Ctrl+V")
    d.key("Return")
    d.click("recipeKeywords")
    check_equal(d.recipes(), ["Apple Pie", "Rye Bread"], "names after the cell's paste")
    check("closeEditor" not in d.stderr(), f"the cell's editor closed cleanly: {d.stderr()!r}")

    d.put_on_clipboard("it\nwell\n")
    d.click("Searchfield", window="Larderwise")
    d.key("ctrl+v")
    check_equal(d.control("Searchfield")["text"], "it well", "the search field after Ctrl+V")
    d.row("Apple Pie")
    d.quit()


ACCENTS = "Crème brûlée — 50 € 🍰"


def test_accents_and_emoji_typed_into_each_field_are_stored_and_copied_out_exactly(d):
    two_recipes(d)
    d.add_to_keyboard(ACCENTS)  # as on a French keyboard with an emoji key
    d.start()
    d.click_row("Apple Pie")
    for field in ("recipeName", "recipeKeywords", "RecipeText"):
        d.click(field)
        d.key("ctrl+a")
        d.type(ACCENTS)
    d.click("recipeName")
    check_equal(d.recipes("recipeName, recipeKeywords, recipeText")[0], (ACCENTS, ACCENTS, ACCENTS), "stored")

    d.click("RecipeText")
    d.key("ctrl+a")
    d.menu("Edit", "Copy")
    check_equal(d.clipboard_as("text/plain").decode("utf-8"), ACCENTS, "plain text another program reads")
    rtf = d.clipboard_as("text/rtf").decode("ascii")
    check(r"Cr\u232?me br\u251?l\u233?e \u8212? 50 \u8364? \u-10180?\u-8336?" in rtf, f"RTF another program reads: {rtf!r}")

    d.put_on_clipboard(rtf, "text/rtf")  # the same RTF, as a word processor would copy it
    d.click_row("Bread")
    d.click("RecipeText")
    d.key("ctrl+End", "Return", "ctrl+v")
    d.click("recipeName")
    check_equal(stored(d, "recipeText", "Bread"), "Knead.\r" + ACCENTS, "pasted RTF stored")
    d.quit()


def test_what_is_copied_outlives_the_program_where_a_clipboard_manager_runs(d):
    two_recipes(d)
    d.start_clipboard_manager()
    d.start()
    d.click_row("Apple Pie")
    d.click("RecipeText")
    d.key("ctrl+a", "ctrl+b")
    d.menu("Edit", "Copy")
    d.click_close_button()
    check_equal(d.wait_exit(), 0, "exit code after the title bar's close button")
    check_equal(d.clipboard_as("text/plain"), b"Bake it well.", "plain text after the program ended")
    rtf = d.clipboard_as("text/rtf") or b""
    check(rb"\b\cf1 Bake it well." in rtf, f"RTF after the program ended: {rtf!r}")


def test_cut_clear_and_undo_through_the_edit_menu_are_stored(d):
    two_recipes(d)
    d.start()
    d.click_row("Apple Pie")
    d.click("recipeName")
    d.key("End", "shift+ctrl+Left")
    d.menu("Edit", "Cut")
    check_equal(d.clipboard(), "Pie", "what Cut put on the clipboard")
    d.click("recipeKeywords")  # the name loses the focus
    check_equal(d.recipes(), ["Apple ", "Bread"], "the name after Cut and the focus leaving it")

    d.key("ctrl+a")
    d.menu("Edit", "Clear")
    d.key("Tab")
    check_equal(stored(d, "recipeKeywords", "Apple "), "", "keywords after Clear")

    d.click("RecipeText")
    d.key("ctrl+End")
    d.type(" Cool it.")
    d.click("recipeKeywords")
    check_equal(stored(d, "recipeText", "Apple "), "Bake it well. Cool it.", "text stored")
    d.click("RecipeText")
    d.key("ctrl+z")  # the user takes back the typing that was already stored
    d.click_row("Bread")
    check_equal(stored(d, "recipeText", "Apple "), "Bake it well.", "text after Undo")
    d.quit()


def test_format_menu_clicks_style_the_selection_and_are_stored(d):
    d.build_database([{"name": "Soup", "text": "One two three\rSecond line"}])
    d.start()
    d.click_row("Soup")
    d.click("RecipeText")
    d.key("ctrl+Home", "shift+ctrl+Right")  # "One "
    d.submenu("Format", "Font", "Bold")
    d.submenu("Format", "Font", "Italic")
    check_equal(d.focus(), "RecipeText", "focus after the menu")
    d.key("ctrl+Right", "shift+ctrl+Right")  # "three"
    d.submenu("Format", "Font", "Underline")
    d.submenu("Format", "Text", "Center")
    d.key("ctrl+End")
    d.submenu("Format", "Text", "Align Right")
    d.click("recipeName")
    rtf = d.recipes("recipeRtfText")[0]
    check(r"\pard\qc\f0\fs24\b\i\cf1 One \b0\i0 two \ul three\ulnone\par" in rtf and r"\pard\qr Second line}" in rtf,
          f"stored: {rtf!r}")

    d.click("RecipeText")
    d.key("ctrl+a")
    d.submenu("Format", "Font", "Plain Text")
    d.key("ctrl+End")
    d.click_close_button()  # the window's close box while the text is being edited
    check_equal(d.wait_exit(), 0, "exit code")
    rtf = d.recipes("recipeRtfText")[0]
    check(r"\pard\qc\f0\fs24\cf1 One two three\par" in rtf and not re.search(r"\\(b|i|ul)(?![a-z])", rtf),
          f"stored at the close: {rtf!r}")


def test_text_dragged_into_the_keywords_is_stored_from_both_fields(d):
    two_recipes(d)
    d.start()
    d.click_row("Apple Pie")
    d.click("RecipeText")
    d.key("ctrl+Home", "ctrl+Right", "shift+ctrl+Right")  # "it "
    text, keywords = d.control("RecipeText"), d.control("recipeKeywords")
    start = (text["x"] + 45, text["y"] + 10)  # inside the selection
    d.drag(start, (keywords["x"] + keywords["w"] - 10, keywords["y"] + 12), steps=10, hover=0.2)
    check_equal(d.control("recipeKeywords")["text"], "dessertit ", "keywords after the drop")
    check_equal(d.control("RecipeText")["text"], "Bake well.", "text after the drag")
    d.click_row("Bread")  # neither field had the focus when the drop changed the keywords
    check_equal(d.recipes("recipeName, recipeKeywords, recipeText")[0], ("Apple Pie", "dessertit ", "Bake well."),
                "stored")
    d.quit()


def test_a_photo_copied_in_a_file_manager_never_pastes_its_bytes_as_text(d):
    two_recipes(d)
    photo = d.write_file("cake.jpg", d.make_jpeg(40, 30))
    notes = d.write_file("notes.txt", "Serve warm.\n")
    d.start()
    d.click_row("Apple Pie")
    d.put_on_clipboard(f"file://{photo}\r\n", "text/uri-list")  # Copy on a photo in a file manager
    for field in ("recipeName", "RecipeText"):
        d.click(field)
        check_equal(d.menu_items("Edit")["Paste"], False, f"Paste offered in {field} for a photo file")
        d.key("ctrl+End", "ctrl+v")
    d.click("recipeKeywords")
    check_equal(d.recipes("recipeName, recipeText")[0], ("Apple Pie", "Bake it well."), "stored after Ctrl+V")

    d.put_on_clipboard(f"file://{notes}\r\n", "text/uri-list")
    d.click("RecipeText")
    d.key("ctrl+End", "Return")
    d.menu("Edit", "Paste")
    d.click("recipeKeywords")
    check_equal(stored(d, "recipeText", "Apple Pie"), "Bake it well.\rServe warm.\r", "a text file's text pasted")
    d.quit()


def test_alt_f4_while_typing_keywords_stores_them(d):
    two_recipes(d)
    d.start()
    d.click_row("Apple Pie")
    d.click("recipeKeywords")
    d.key("End")
    d.type(", autumn")
    d.xdotool("key", "alt+F4")  # openbox closes the active window
    check_equal(d.wait_exit(), 0, "exit code after Alt+F4")
    check_equal(stored(d, "recipeKeywords", "Apple Pie"), "dessert, autumn", "keywords stored")


def test_a_rename_in_its_list_cell_is_stored_when_the_close_button_ends_it(d):
    two_recipes(d)
    d.start()
    d.click_row("Bread", count=2)
    d.key("End")
    d.type(" Loaf")
    check_equal(d.control("recipeList")["text"], "Bread Loaf", "the cell being edited")
    d.click_close_button()
    check_equal(d.wait_exit(), 0, "exit code after the close button")
    check_equal(d.recipes(), ["Apple Pie", "Bread Loaf"], "names stored")


def test_text_dragged_to_where_nothing_takes_it_stays_where_it_was(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it well now."}])
    d.start()
    d.click_row("Apple Pie")
    d.click("RecipeText")
    d.key("ctrl+Home", "ctrl+Right", "shift+ctrl+Right")  # "it "
    text, search = d.control("RecipeText"), d.control("Searchfield")
    d.drag((text["x"] + 45, text["y"] + 10), (text["x"] - 100, search["y"]), steps=10, hover=0.2)  # the bare window
    check_equal(d.control("RecipeText")["text"], "Bake it well now.", "the text after the refused drop")
    d.click("RecipeText", dy=150)  # below the text: puts the caret at its end
    check_equal(d.control("RecipeText")["text"], "Bake it well now.", "the text after the next click")
    d.quit()  # no drag holds the keyboard either


def test_every_return_typed_is_a_paragraph_break_in_a_new_and_a_loaded_text(d):
    two_recipes(d)
    d.start()
    d.click("AddRecipe")
    d.key("Tab", "Tab")
    check_equal(d.focus(), "RecipeText", "the focus two Tabs after the name")
    d.type("Ingredients")
    d.key("Return", "Return")
    d.type("flour")
    check_equal(d.control("RecipeText")["text"].replace("\r", "\n"), "Ingredients\n\nflour", "the new text on screen")
    d.key("shift+Tab")
    new = [row for row in d.recipes("recipeName, recipeText, recipeRtfText") if "flour" in (row[1] or "")]
    check_equal(len(new), 1, "the new recipe stored")
    check_equal(new[0][1].replace("\r", "\n"), "Ingredients\n\nflour", "the new text stored")
    check_equal(len(re.findall(r"\\par\b", new[0][2])), 2, f"paragraph breaks in the stored RTF {new[0][2]!r}")

    d.click_row("Bread")
    d.click("RecipeText")
    d.key("ctrl+End", "Return", "Return")
    d.type("Bake.")
    check_equal(d.control("RecipeText")["text"].replace("\r", "\n"), "Knead.\n\nBake.", "the loaded text on screen")
    d.click("recipeKeywords")
    check_equal(stored(d, "recipeText", "Bread").replace("\r", "\n"), "Knead.\n\nBake.", "the loaded text stored")
    d.quit()
