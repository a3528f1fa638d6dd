"""Modal boxes on a real desktop: a box takes the activation and gives it back, the focused
editor saves as the box opens, and keeps the focus and the caret afterwards."""
from desktop import check, check_equal


def test_file_dialog_over_an_edit_saves_it_and_gives_the_focus_back(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.click("RecipeText")
    d.key("ctrl+End")
    d.type(" Cool first.")
    d.menu("File", "Export recipes...")
    d.box()  # the save dialog is up
    check(not d.window("Larderwise").active, "the main window is inactive under the dialog")
    check_equal(d.recipes("recipeText"), ["Bake it. Cool first."], "the edit was saved as the dialog opened")
    d.key("Escape")
    d.no_box()
    main = d.window("Larderwise")
    check(main.active, "the main window is active again")
    check_equal(main.focus, "RecipeText", "the text has the focus again")
    d.type(" Serve.")  # the caret is where it was
    d.quit()
    check_equal(d.recipes("recipeText"), ["Bake it. Cool first. Serve."], "recipes after quitting")
