"""The utility windows as a user meets them: kitchen mode, the unit converter, speech without a sound
device, and the photo, help and about windows closed by the window manager's close button."""
import subprocess

from desktop import check, check_equal


def titles(d):
    return sorted(w.title for w in d.windows())


def close_by_title_bar(d, title):
    """Clicks the close button at the right end of the window manager's title bar."""
    frame = d.window(title).data["frame"]
    d.click_at(frame["x"] + frame["w"] - 10, frame["y"] + 9)


def screen_size(d):
    width, height, _depth = (int(n) for n in d.screen.split("x"))
    return width, height


def column_starts(d, field, window):
    """Where the second column starts on each of the field's first two lines of text: the first ink
    after the widest gap of the line, read from a screenshot."""
    c = d.control(field, window)
    path = d.screenshot("columns")
    dump = subprocess.run(["convert", path, "-crop", f"{c['w'] - 24}x{c['h'] - 8}+{c['x'] + 4}+{c['y'] + 4}",
                           "-colorspace", "Gray", "-threshold", "50%", "txt:-"], capture_output=True, text=True,
                          timeout=30).stdout
    ink = {}
    for line in dump.splitlines()[1:]:
        where, _, colour = line.partition(":")
        if "#000000" in colour or "black" in colour:
            x, y = (int(n) for n in where.split(","))
            ink.setdefault(y, set()).add(x)
    lines, current = [], set()
    for y in range(c["h"]):
        if y in ink:
            current |= ink[y]
        elif current:
            lines.append(sorted(current))
            current = set()
    starts = []
    for xs in lines[:2]:
        gaps = [(b - a, b) for a, b in zip(xs, xs[1:])]
        starts.append(max(gaps)[1] if gaps else None)
    return starts


def test_kitchen_mode_fills_the_screen_with_its_frame_and_the_whole_text_field_shows(d):
    steps = "\r".join(f"Step {i}" for i in range(80))
    d.build_database([{"name": "Long Stew", "text": "Oil\t1 cup\rButter\t2 tbsp\r" + steps}])
    d.start()
    d.menu("Recipe", "Kitchen mode")  # the text at size 30
    kitchen = d.window("Kitchen Mode")
    # Full screen keeps the menus in reach of the mouse.
    check_equal([m["title"] for m in kitchen.data["menus"]], ["File", "Edit", "Format", "Recipe", "Help"],
                "the kitchen window's menu bar")
    check(d.menu_items("File", "Kitchen Mode")["Quit"], "the File menu opens from the kitchen window")
    first, second = column_starts(d, "bigRecipeText", "Kitchen Mode")
    check(first is not None and second is not None and abs(first - second) <= 3,
          f"the amounts after the tabs line up at size 30: {first} {second}")
    width, height = screen_size(d)
    frame = kitchen.data["frame"]
    check(frame["x"] >= 0 and frame["y"] >= 0, f"the frame starts on screen: {frame}")
    check(frame["x"] + frame["w"] <= width and frame["y"] + frame["h"] <= height, f"the frame ends on screen: {frame}")
    check(frame["w"] >= width - 2 and frame["h"] >= height - 2, f"the frame fills the screen: {frame}")
    text = kitchen.control("bigRecipeText")
    client_bottom = kitchen.data["y"] + kitchen.data["h"]
    check_equal(client_bottom - (text["y"] + text["h"]), 20, "the text field's margin to the window's bottom")
    check(text["y"] + text["h"] <= height, f"the text field's bottom edge is on screen: {text}")
    d.quit()


def converter_line(d):
    return d.control("amtCvt", "Units Reference")["text"]


def test_converter_typed_amounts_and_a_click_below_the_rows(d):
    d.build_database([{"name": "Apple Pie", "text": "1/2 cup milk\r350 F oven"}])
    d.start()
    d.click("RecipeText", dx=5, dy=5)
    d.key("ctrl+Home", "shift+End")  # the first line: "1/2 cup milk"
    d.key("ctrl+shift+u")
    converter = d.window("Units Reference")
    check_equal(converter.focus, "monto", "the amount field has the focus")
    check_equal(converter_line(d), "1/2 lb. = 0.23 kg", "the selection's amount converted")
    d.click_row("Cups (C)", "UnitsTable", "Units Reference")
    check_equal(converter_line(d), "1/2 C = 0.12 L", "after choosing cups")
    d.click("monto", "Units Reference")
    d.key("ctrl+a")
    d.type("2x-")  # a letter and a minus are refused, the field keeps the 2
    check_equal(d.control("monto", "Units Reference")["text"], "2", "the amount after 2, x and -")
    check_equal(converter_line(d), "2 C = 0.47 L", "after typing 2")
    d.click_row("Pounds (lb.)", "UnitsTable", "Units Reference")
    d.click("monto", "Units Reference")
    d.key("ctrl+a")
    d.type("1" + "0" * 24)  # more than a double holds: no invented digits in the result
    check_equal(converter_line(d), "1" + "0" * 24 + " lb. = 453,592,370,000,000,000,000,000.00 kg", "a huge amount")
    d.click_row("Cups (C)", "UnitsTable", "Units Reference")
    d.click("monto", "Units Reference")
    d.key("ctrl+a")
    d.type("2")
    table = d.control("UnitsTable", "Units Reference")
    d.click("UnitsTable", "Units Reference", dy=table["h"] - 4)  # below the last row: no unit pair
    check_equal(converter_line(d), "", "no line without a unit pair")
    d.click("monto", "Units Reference")
    d.type("5")
    amount = d.control("monto", "Units Reference")["text"]
    check(amount in ("25", "52"), f"the amount after typing 5: {amount!r}")
    check_equal(converter_line(d), "", "no line for an amount without a unit pair")
    d.click_row("Degrees Fahrenheit (°F)", "UnitsTable", "Units Reference")
    expected = {"25": "25 °F = -4 °C", "52": "52 °F = 11 °C"}[amount]
    check_equal(converter_line(d), expected, "the amount as it now stands")
    d.quit()


def test_the_about_and_photo_windows_show_their_menus_and_kitchen_mode_greys_its_format_menu(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it.", "photo": d.make_jpeg(200, 150)}])
    d.start()

    def menu_titles(window):
        return {m["title"]: m["enabled"] for m in d.window(window).data["menus"]}

    offered = {"File": True, "Edit": False, "Format": False, "Recipe": False, "Help": True}  # no recipe, no editing
    d.menu("File", "About Larderwise...")
    d.wait_idle()
    check_equal(menu_titles(""), offered, "the about window's menu titles as it shows, before any menu opens")
    check(d.menu_items("File", "")["Quit"], "its File menu opens and offers Quit")
    d.key("Escape")  # the menu bar lets go of the keys
    close_by_title_bar(d, "")
    check_equal(titles(d), ["Larderwise"], "the about window closed")
    d.double_click("recipePhoto")
    d.wait_idle()
    check_equal(menu_titles("Apple Pie"), offered, "the photo window's menu titles as it shows")
    d.click("fsPicCanvas", "Apple Pie")
    check_equal(menu_titles("Apple Pie"), offered, "the photo window's menu titles after a click into it")
    close_by_title_bar(d, "Apple Pie")
    d.key("ctrl+k")
    check(not menu_titles("Kitchen Mode")["Format"], f"Format is grey in kitchen mode: {menu_titles('Kitchen Mode')}")
    check(menu_titles("Kitchen Mode")["File"], "File is not")
    d.quit()


NOT_HEARD = "The text cannot be read aloud: no sound output or speech voice was found on this computer."


def test_speech_without_a_sound_device_says_so_and_nothing_waits_for_it(d):
    # The display has no sound card: espeak speaks into nothing, and the user is told.
    long_text = " ".join(f"Step {i}: stir the pot slowly and add a pinch of salt." for i in range(400))
    d.build_database([{"name": "Apple Pie", "text": long_text}])
    d.start()
    d.click("RecipeText")
    d.key("ctrl+a")
    d.menu("Recipe", "Speak selection")
    check_equal(d.box()["text"], NOT_HEARD, "Speak selection's box")
    d.answer("OK")
    d.no_box()
    d.key("ctrl+k")
    d.click("readRecipe", "Kitchen Mode")
    check_equal(d.box()["text"], NOT_HEARD, "kitchen mode's Read")
    d.answer("OK")
    check(not d.control("shutUp", "Kitchen Mode")["visible"], "no Shut up button: nothing is being read")
    d.key("ctrl+r")  # the same by its key
    check_equal(d.box()["text"], NOT_HEARD, "kitchen mode's Command-R")
    d.answer("OK")
    d.quit()
    check_equal(d.recipes("recipeText"), [long_text], "the recipe is untouched")


def test_about_link_without_a_browser_says_so(d):
    d.build_database(["Apple Pie"])
    d.start()
    d.menu("File", "About Larderwise...")
    d.click("StaticText1", "")  # the link; the about window has no title of its own
    box = d.box()
    check_equal(box["text"], "The web page http://quillmere.example/ could not be opened: no web browser was found.",
                "the box")
    d.answer("OK")
    check_equal(titles(d), ["", "Larderwise"], "the about window stays open")
    d.quit()


MWM_DECOR_ALL, MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 0x1, 0x20, 0x40


def buttons_asked_for(d):
    """The minimise and maximise buttons the active window asks the window manager for, in its
    Motif hints (which openbox reads for the title bar as a whole only, drawing every button)."""
    wid = subprocess.run(["xdotool", "getactivewindow"], env=d.env, capture_output=True, text=True,
                         timeout=10).stdout.strip()
    hints = subprocess.run(["xprop", "-id", wid, "_MOTIF_WM_HINTS"], env=d.env, capture_output=True, text=True,
                           timeout=10).stdout
    check("=" in hints, f"the window has Motif hints: {hints!r}")
    decorations = int(hints.split("=")[1].split(",")[2], 16)
    if decorations & MWM_DECOR_ALL:
        return {"minimise", "maximise"}
    return {name for name, bit in (("minimise", MWM_DECOR_MINIMIZE), ("maximise", MWM_DECOR_MAXIMIZE))
            if decorations & bit}


def test_utility_windows_close_by_the_title_bar_and_by_their_keys_leaving_the_main_window(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake.", "photo": d.make_jpeg(200, 150)}])
    d.start()
    openers = {
        "Units Reference": lambda: d.key("ctrl+shift+u"),
        "Kitchen Mode": lambda: d.key("ctrl+k"),
        "Apple Pie": lambda: d.double_click("recipePhoto"),
        "Larderwise Help": lambda: d.key("ctrl+question"),
        "": lambda: d.menu("File", "About Larderwise..."),
    }
    buttons = {"Units Reference": {"minimise"}, "Kitchen Mode": set(), "": set()}
    for title, open_it in openers.items():
        open_it()
        d.window(title)
        if title in buttons:
            check_equal(buttons_asked_for(d), buttons[title], f"the buttons {title!r} asks for")
        close_by_title_bar(d, title)
        d.wait_idle()
        check_equal(titles(d), ["Larderwise"], f"after the close button of {title!r}")
        check(d.window("Larderwise").active, f"the main window is active after closing {title!r}")
        if title:  # the about window serves no menu command; the others close with Ctrl+W
            open_it()
            d.window(title)
            d.key("ctrl+w")
            d.wait_idle()
            check_equal(titles(d), ["Larderwise"], f"after Ctrl+W in {title!r}")
    d.click("RecipeText")
    d.key("ctrl+t")
    d.click("FontList", "Font")  # the palette becomes the active window
    check_equal(buttons_asked_for(d), {"minimise"}, "the buttons the font palette asks for")
    d.quit()
    check_equal(d.recipes(), ["Apple Pie"], "the recipes after quitting")


def test_quit_with_kitchen_mode_in_front_keeps_the_edit_made_before(d):
    # Kitchen mode has no menu bar of its own: Ctrl+Q still reaches the application.
    d.build_database([{"name": "Apple Pie", "text": "Bake."}])
    d.start()
    d.click("recipeName")
    d.key("End")
    d.type(" Deluxe")
    d.key("ctrl+k")
    check_equal(d.front_window().title, "Kitchen Mode", "the window in front")
    d.quit()
    check_equal(d.recipes(), ["Apple Pie Deluxe"], "the name typed before kitchen mode opened")


def test_a_photo_larger_than_the_screen_opens_a_window_whose_frame_stays_on_screen(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake.", "photo": d.make_jpeg(3000, 2000)}])
    d.start()
    d.double_click("recipePhoto")
    d.wait_idle(ticks=20)  # the window manager's frame arrives after the window shows
    window = d.window("Apple Pie")
    width, height = screen_size(d)
    frame = window.data["frame"]
    check(frame["x"] >= 0 and frame["y"] >= 0, f"the frame starts on screen: {frame}")
    check(frame["x"] + frame["w"] <= width and frame["y"] + frame["h"] <= height, f"the frame ends on screen: {frame}")
    close_by_title_bar(d, "Apple Pie")  # its close button can be reached
    d.wait_idle()
    check_equal(titles(d), ["Larderwise"], "after the close button")
    d.quit()
