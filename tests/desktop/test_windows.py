"""What the window manager shows: window and box titles, and where the help window opens."""
import os
import subprocess

from desktop import check, check_equal


def active_window_name(d):
    """The title of the active X window as the window manager shows it."""
    result = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], env=d.env, capture_output=True,
                            timeout=10)
    return result.stdout.decode("utf-8", "replace").strip()


def test_boxes_and_windows_without_a_title_show_larderwise(d):
    d.build_database([])
    d.start()
    check_equal(active_window_name(d), "Larderwise", "the main window's title")
    d.key("ctrl+p")  # no recipe to print: a box without a title of its own
    check_equal(d.box()["text"], "No recipe selected to print.", "the box")
    check_equal(active_window_name(d), "Larderwise", "the box's title")
    d.answer("OK")
    d.menu("File", "About Larderwise...")
    d.wait_idle()
    check_equal(active_window_name(d), "Larderwise", "the about window's title")
    d.key("ctrl+w")
    d.quit()


def test_help_window_stays_on_a_screen_smaller_than_it(d):
    d.screen = "700x600x24"
    d.build_database(["Apple Pie"])
    d.start()
    d.key("ctrl+question")
    help_window = d.front_window()
    check(help_window is not None and help_window.title != "Larderwise", "the help window is in front")
    frame = help_window.data["frame"]
    check(frame["x"] >= 0, f"the help window's left edge is on screen: {frame}")
    check(frame["x"] + frame["w"] <= 700, f"the help window's right edge is on screen: {frame}")
    check(frame["y"] >= 0 and frame["y"] + frame["h"] <= 600, f"the help window's bottom edge is on screen: {frame}")
    d.quit()


def test_a_file_dialog_leaves_no_settings_file_but_larderwise_prefs(d):
    d.build_database(["Apple Pie"])
    d.start()
    d.menu("File", "Export recipes...")
    d.box()  # the save dialog
    d.key("Escape")
    d.no_box()
    d.quit()
    check_equal(sorted(os.listdir(d.env["XDG_CONFIG_HOME"])), ["Larderwise Prefs"], "the configuration folder")


def test_the_search_field_shows_its_scope_again_after_its_cancel_button(d):
    d.build_database(["Apple Pie", "Bread"])
    d.start()
    d.click("Searchfield")
    d.type("pie")
    d.click("RecipeText")  # the focus leaves the field with text in it
    check(not d.control("Placeholder")["visible"], "no placeholder over typed text")
    d.click("CancelWidget")
    check_equal(d.control("Searchfield")["text"], "", "the field after its cancel button")
    check(d.control("Placeholder")["visible"], "the empty field shows its scope")
    d.quit()


def test_the_splitter_grip_repaints_when_the_window_becomes_inactive_and_active(d):
    d.build_database(["Apple Pie"])
    d.start()

    def grip_pixels(label):
        bar = d.control("SmartSplitter1")
        path = d.screenshot(label)
        crop = subprocess.run(["convert", path, "-crop", f"{bar['w']}x{bar['h']}+{bar['x']}+{bar['y']}", "txt:-"],
                              capture_output=True, timeout=20)
        return crop.stdout

    active = grip_pixels("active")
    d.key("ctrl+question")  # the help window comes to the front, clear of the bar
    d.wait_idle()
    help_frame = d.front_window().data["frame"]
    bar = d.control("SmartSplitter1")
    check(help_frame["x"] > bar["x"] + bar["w"], f"the help window leaves the bar in view: {help_frame} {bar}")
    check(not d.window("Larderwise").active, "the main window is inactive")
    inactive = grip_pixels("inactive")
    check(inactive != active, "the grip is drawn differently in the inactive window")
    d.click_row("Apple Pie")  # back to the main window
    check(d.window("Larderwise").active, "the main window is active again")
    check_equal(grip_pixels("active-again") == active, True, "the grip as it was before")
    d.quit()


def test_the_palette_opens_beside_the_main_window_where_the_user_dragged_it(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    before = d.window("Larderwise").data["frame"]
    # The title bar is openbox's: dragged with the real pointer, the program learns of it only
    # from the window manager.
    grip = (before["x"] + 60, before["y"] + 8)
    d.drag(grip, (grip[0] + 150, grip[1] + 90), steps=10)
    d.wait_idle()
    moved = d.window("Larderwise").data["frame"]
    check(moved["x"] >= before["x"] + 100, f"the window moved right: {before} -> {moved}")
    d.click("RecipeText")
    d.key("ctrl+t")
    palette = d.window("Font").data["frame"]
    check(palette["x"] >= moved["x"] + moved["w"],
          f"the palette opens beside the moved window, not over it: {palette} {moved}")
    d.quit()
