"""Drags under the real mouse: a press on a control that can drag something out is a click until
the pointer moves the drag distance, and never keeps the pointer afterwards."""
from desktop import check, check_equal


def test_a_click_on_the_photo_leaves_the_pointer_free_for_the_next_click(d):
    photo = d.make_jpeg(120, 90)
    d.build_database([{"name": "Apple Pie", "text": "Bake it.", "photo": photo}, {"name": "Bread", "text": "Knead."}])
    d.start()
    d.click("recipePhoto")
    d.click_row("Bread")
    check_equal(d.control("recipeName")["text"], "Bread", "the click on the list reached the list")
    d.click_row("Apple Pie")
    check_equal(d.control("recipeName")["text"], "Apple Pie", "and so did the next one")
    d.quit()
    check_equal(d.recipes("recipeName, recipeText"), [("Apple Pie", "Bake it."), ("Bread", "Knead.")],
                "names and texts unchanged")
    check(dict(d.recipes("recipeName, recipePhoto"))["Apple Pie"] == photo, "the click stored no photo")
