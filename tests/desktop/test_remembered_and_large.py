"""Preferences the program finds at its start, and a large recipe file on the real display."""
import sqlite3
import time

from desktop import check, check_equal, rtf_of

LARGE = 100000


def fill_large_database(d, count=LARGE):
    # Built with one recursive statement: inserting row by row from Python would take longer
    # than the scenario itself. Every hundredth recipe mentions saffron.
    d.build_database([])
    con = sqlite3.connect(d.database_path)
    con.execute(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
        "insert into recipes (recipeName, recipeText, recipeRtfText, recipeKeywords, recipeRating, recipePhoto) "
        "select printf('Recipe %06d', i), "
        "case when i % 100 = 0 then 'Add saffron and stir.' else 'Stir gently and season.' end, "
        "case when i % 100 = 0 then ? else ? end, '', i % 6, null from n",
        (count, rtf_of("Add saffron and stir."), rtf_of("Stir gently and season.")))
    con.commit()
    con.close()


def timed(d, action):
    """Runs the action and notes how long it took, for whoever reads the log: how fast is measured in
    bench/, never asserted here."""
    began = time.monotonic()
    action()
    return time.monotonic() - began


def selected_rows(d):
    return [r["text"] for r in d.control("recipeList")["rows"] if r["selected"]]


def test_large_file_starts_searches_scrolls_and_sorts(d):
    fill_large_database(d)
    d.note(f"start with {LARGE} recipes: {timed(d, d.start):.2f} s")
    check_equal(d.control("recipeList")["rowCount"], LARGE, "rows listed at the start")

    d.click("Searchfield")
    d.note(f"typing a word: {timed(d, lambda: d.type('saffron')):.2f} s")
    check_equal(d.control("recipeList")["rowCount"], LARGE // 100, "rows listed for the word")

    d.key("ctrl+a", "BackSpace")
    check_equal(d.control("recipeList")["rowCount"], LARGE, "rows listed after clearing the field")

    d.click_row("Recipe 000001")
    d.note(f"End key: {timed(d, lambda: d.key('End')):.2f} s")
    check_equal(selected_rows(d), ["Recipe 100000"], "selected in view after End")
    check_equal(d.control("recipeName")["text"], "Recipe 100000", "the recipe shown after End")
    d.note(f"Home and two Page Downs: {timed(d, lambda: d.key('Home', 'Next', 'Next')):.2f} s")
    page = len(d.control("recipeList")["rows"])
    shown = d.control("recipeName")["text"]
    check(shown > f"Recipe {page:06d}" and shown < f"Recipe {3 * page:06d}", f"two pages down: {shown}")
    check_equal(selected_rows(d), [shown], "selected in view after two pages")

    top = d.control("recipeList")["rows"][0]["row"]
    d.note(f"five turns of the wheel: {timed(d, lambda: d.click('recipeList', dy=60, button=5, count=5)):.2f} s")
    check(d.control("recipeList")["rows"][0]["row"] > top + 5, "the wheel scrolls the list")

    # The first click on the heading sorts in the order the list has already; the second turns it.
    sorted_ = timed(d, lambda: d.click("recipeList", dy=8))
    time.sleep(0.6)  # not a double click
    sorted_ += timed(d, lambda: d.click("recipeList", dy=8))
    d.note(f"two clicks on the heading: {sorted_:.2f} s")
    d.screenshot("sorted")
    names = [r["text"] for r in d.control("recipeList")["rows"]]
    check_equal(names, sorted(names, reverse=True), "rows in view after sorting the other way")
    check_equal(selected_rows(d), [shown], "the recipe selected before sorting, in view")
    check_equal(d.control("recipeName")["text"], shown, "the recipe shown after sorting")
    d.quit()


def frame_on_screen(d, title):
    width, height, _depth = (int(n) for n in d.screen.split("x"))
    frame = d.window(title).data["frame"]
    return frame["x"] >= 0 and frame["y"] >= 0 and frame["x"] + frame["w"] <= width and \
        frame["y"] + frame["h"] <= height, frame


def test_font_palette_beside_the_window_stays_on_a_small_screen(d):
    # The palette opens to the right of the main window; on a screen with no room there it must
    # still show whole, its title bar within reach.
    d.screen = "800x600x24"
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    on_screen, frame = frame_on_screen(d, "Larderwise")
    check(on_screen, f"the main window on screen: {frame}")
    d.click("RecipeText")
    d.key("ctrl+t")
    d.wait_idle(ticks=20)  # the window manager's frame arrives after the window shows
    d.screenshot("palette")
    on_screen, frame = frame_on_screen(d, "Font")
    check(on_screen, f"the font palette on screen: {frame}")
    d.quit()


def test_damaged_preferences_file_is_replaced_at_quit_without_a_word(d):
    # Empty, cut short, or not a preferences file at all: the program starts as with none and
    # writes a whole one when it quits.
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    for damaged in (b"", b"BPre", b"BPrefs\x01\x00\x00" + b"\xff" * 40, b"\x00" * 5000):
        with open(d.prefs_path, "wb") as f:
            f.write(damaged)
        d.start()
        d.no_box()
        check_equal([r["text"] for r in d.control("recipeList")["rows"]], ["Apple Pie"], "the list")
        d.quit()
        with open(d.prefs_path, "rb") as f:
            written = f.read()
        check(written.startswith(b"BPrefs") and len(written) > 9, f"the file after {damaged[:12]!r}: {written[:12]!r}")
