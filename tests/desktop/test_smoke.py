"""Starting, editing, quitting and answering a box on the real program."""
import os

from desktop import check, check_equal


def test_new_recipe_name_typed_is_stored(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.click("AddRecipe")
    check_equal(d.focus(), "recipeName", "focus after New Recipe")
    d.key("ctrl+a")
    d.type("Lemon Tart")
    d.key("Tab")
    # The name is saved when the field loses the focus, while the program still runs.
    check("Lemon Tart" in d.recipes(), f"saved before quitting: {d.recipes()}")
    d.quit()
    check_equal(sorted(d.recipes()), ["Apple Pie", "Lemon Tart"], "recipes after quitting")


def test_missing_database_created_on_request(d):
    d.start(wait_for=None)
    question = d.box()
    check("recipeDB.rsd not found" in question["text"], f"question: {question['text']!r}")
    d.answer("Create a new database")
    check_equal(d.box()["text"], "Database and table recipes created", "message after creating")
    d.answer("OK")
    d.window("Larderwise")
    d.quit()
    check_equal(d.recipes(), [], "recipes in the new database")


def test_unusable_data_folder_reported_then_quits(d):
    # A file where the program's data folder belongs: the error box, then a clean exit.
    d.write_file(os.path.dirname(d.database_path), "not a folder")
    d.start(wait_for=None)
    box = d.box()
    check(box["text"].startswith("Error -3"), f"error box text: {box['text']!r}")
    d.key("Return")
    check_equal(d.wait_exit(), 0, "exit code")


def test_text_typed_into_a_chosen_recipe_is_saved_at_quit(d):
    # A current database whose first recipe mentions RTF in its text: no conversion question.
    d.build_database([{"name": "Apple Pie", "text": "Save the card as \\rtf1 or as text."},
                      {"name": "Bread", "text": "Knead."}])
    d.start()
    d.no_box()
    d.click_row("Bread")
    check_equal(d.control("recipeName")["text"], "Bread", "name shown after choosing Bread")
    d.click("RecipeText")
    d.key("ctrl+End")
    d.type(" Rest an hour.")
    d.quit()  # the text still has the focus: quitting saves it
    check_equal(d.recipes("recipeName, recipeText"),
                [("Apple Pie", "Save the card as \\rtf1 or as text."), ("Bread", "Knead. Rest an hour.")],
                "recipes after quitting")
