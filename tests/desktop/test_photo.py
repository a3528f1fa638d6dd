"""The recipe photo under the real mouse: clicks, double clicks, drags and drops."""
import sqlite3
import subprocess

from desktop import centre, check, check_equal


def photo_recipes(d):
    photo = d.make_jpeg(200, 150)
    d.build_database([{"name": "Apple Pie", "text": "Bake it.", "photo": photo}, {"name": "Bread", "text": "Knead."}])
    return photo


def stored_photo(d, name="Apple Pie"):
    return dict(d.recipes("recipeName, recipePhoto"))[name]


def photo_window_open(d):
    return any(w.title == "Apple Pie" for w in d.windows())


def test_photo_double_click_opens_the_photo_window(d):
    photo = photo_recipes(d)
    d.start()
    d.double_click("recipePhoto")
    window = d.window("Apple Pie")
    check_equal((window.data["w"], window.data["h"]), (200, 150), "photo window's client size")
    check(window.active, "the photo window is in front")
    d.quit()
    check(stored_photo(d) == photo, "a double click leaves the stored photo byte-identical")


def test_photo_dropped_on_itself_is_not_stored_again(d):
    photo = photo_recipes(d)
    d.start()
    x, y = centre(d.control("recipePhoto"))
    d.drag((x, y), (x + 30, y + 20))
    d.no_box()
    check(stored_photo(d) == photo, "the stored photo is byte-identical while the program runs")
    d.quit()
    check(stored_photo(d) == photo, "the stored photo is byte-identical after quitting")


def test_first_click_on_the_photo_is_not_a_double_click(d):
    photo_recipes(d)
    d.start()
    # At the corner: the photo's last click starts out at (0, 0), so only the time could tell a
    # first click there from the second of a double click.
    d.click("recipePhoto", dx=1, dy=1)
    d.wait_idle(ticks=10)
    check(not photo_window_open(d), "one click opened the photo window")
    d.double_click("recipePhoto", dx=1, dy=1)
    d.window("Apple Pie")
    d.quit()


def test_failed_photo_clear_shows_one_box(d):
    photo_recipes(d)
    d.start()
    lock = sqlite3.connect(d.database_path, isolation_level=None, timeout=1)
    lock.execute("begin immediate")  # another program writes: reads work, the program's writes fail
    d.click("recipePhoto", button=3)
    d.wait_idle()
    popup = d.probe()["popup"]
    check(popup is not None, "the photo's contextual menu is open")
    d.click_at(*centre(next(i for i in popup["items"] if i["text"] == "Clear Recipe Picture")))
    box = d.box()  # fails if two boxes are stacked
    check(box["text"].startswith("Error 501"), f"the box names the failed clear: {box['text']!r}")
    lock.execute("rollback")
    lock.close()
    d.answer("OK")
    d.no_box()
    d.quit()
    check(stored_photo(d) is None, "the clear kept and saved once the database was free")


def test_photo_file_dropped_from_outside_on_an_inactive_window_is_stored(d):
    before = photo_recipes(d)
    dropped = d.write_file("Pictures/green.jpg", d.make_jpeg(120, 90, "green-yellow"))
    d.start()
    d.drag_file_from_outside(dropped, centre(d.control("recipePhoto")))
    check(not d.active_at_drop["Larderwise"], "the drop came while the main window was inactive")
    stored = stored_photo(d)
    check(stored is not None and stored[:2] == b"\xff\xd8" and stored != before,
          "the dropped file is stored as the JPEG photo while the program runs")
    d.quit()
    check(stored_photo(d) == stored, "the dropped photo is kept after quitting")
    check_equal(stored_photo(d, "Bread"), None, "the other recipe has no photo")


def pixel(path, x, y):
    """The (red, green, blue) of one pixel of a screenshot, 0-255."""
    at = "p{" + str(x) + "," + str(y) + "}"
    spec = " ".join("%[fx:int(255*" + at + "." + channel + ")]" for channel in "rgb")
    out = subprocess.run(["/usr/bin/convert", path, "-format", spec, "info:"],
                         check=True, capture_output=True, text=True).stdout
    return tuple(int(v) for v in out.split())


def test_a_twelve_megapixel_photo_shows_in_the_photo_area(d):
    photo = d.make_jpeg(4000, 3000)  # red at the top, blue at the bottom
    d.build_database([{"name": "Apple Pie", "text": "Bake it.", "photo": photo}, {"name": "Bread", "text": "Knead."}])
    d.start()
    area = d.control("recipePhoto")
    shot = d.screenshot("photo-shown")
    # Drawn 4:3 across the area's width, centred: its top red, its bottom blue.
    drawn_height = area["w"] * 3 // 4
    top = area["y"] + (area["h"] - drawn_height) // 2
    x = area["x"] + area["w"] // 2
    red, green, blue = pixel(shot, x, top + 3)
    check(red > 200 and blue < 60, f"the photo's top is red, not {red, green, blue}")
    red, green, blue = pixel(shot, x, top + drawn_height - 4)
    check(blue > 200 and red < 60, f"the photo's bottom is blue, not {red, green, blue}")
    d.click_row("Bread")
    d.click_row("Apple Pie")
    # A press on the photo prepares no drag until the pointer moves, so the double click is quick.
    d.double_click("recipePhoto")
    d.window("Apple Pie")
    d.quit()
    check(stored_photo(d) == photo, "showing the photo leaves it byte-identical")
