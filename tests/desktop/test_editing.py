"""The Edit menu and the X clipboard on a real display: what another program puts on the clipboard
pastes into each editor as it should, what Larderwise copies reaches other programs, and every edit
made this way is stored."""
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

    d.put_on_clipboard("it\nwell\n")
    d.click("Searchfield", window="Larderwise")
    d.key("ctrl+v")
    check_equal(d.control("Searchfield")["text"], "it well", "the search field after Ctrl+V")
    d.row("Apple Pie")
    d.quit()
