"""Files dragged from another program (a file manager) onto the main window."""
from desktop import centre, check, check_equal


def test_text_file_dropped_from_outside_becomes_a_recipe(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    dropped = d.write_file("Pie.txt", "Pie crust\rMix and bake.")
    d.start()
    d.drag_file_from_outside(dropped, centre(d.control("recipeList")))
    check(not d.window("Larderwise").active, "the drop came while the main window was inactive")
    d.no_box()
    rows = d.recipes("recipeName, recipeText")
    # A plain text file's recipe is named by the whole file name.
    check_equal(rows, [("Apple Pie", "Bake it."), ("Pie.txt", "Pie crust\rMix and bake.")],
                "recipes while the program runs")
    d.quit()
    check_equal(d.recipes("recipeName, recipeText"), rows, "recipes after quitting")
