"""The utility windows as a user meets them: kitchen mode, the unit converter, speech without a sound
device, and the photo, help and about windows closed by the window manager's close button."""
from desktop import check, check_equal


def screen_size(d):
    width, height, _depth = (int(n) for n in d.screen.split("x"))
    return width, height


def test_kitchen_mode_fills_the_screen_with_its_frame_and_the_whole_text_field_shows(d):
    d.build_database([{"name": "Long Stew", "text": "\r".join(f"Step {i}" for i in range(80))}])
    d.start()
    d.key("ctrl+k")
    kitchen = d.window("Kitchen Mode")
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
