"""Styling the recipe text from the keyboard and through the real colour dialog: what the text
shows (the probe's runs of one size and colour in the selection) and what is stored."""
from desktop import centre, check, check_equal

RED_AND_BLUE = (r"{\rtf1\ansi{\fonttbl{\f0\fnil Helvetica;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}"
                r"\pard\f0\fs24\cf1 Red \cf2 Blue\par}")


def runs(d):
    return [(r["size"], r["color"]) for r in d.control("RecipeText")["selectionRuns"]]


def select_the_whole_text(d):
    d.click("RecipeText")
    d.key("ctrl+a")
    text = d.control("RecipeText")
    check(text["text"].startswith("Red Blue"), f"the text shown: {text['text']!r}")
    check_equal(text["selectionLength"], len(text["text"]), "all of it selected")


def test_cancelled_colour_dialog_keeps_every_colour_and_a_chosen_one_is_stored(d):
    d.build_database([{"name": "Jam", "text": "Red Blue", "rtf": RED_AND_BLUE}])
    d.start()
    d.click_row("Jam")
    select_the_whole_text(d)
    check_equal(runs(d), [(12, "#ff0000"), (12, "#0000ff")], "the two colours shown")

    d.key("ctrl+shift+c")
    d.answer("Cancel")
    check_equal(d.focus(), "RecipeText", "focus back in the text")
    check_equal(d.control("RecipeText")["selectionLength"], len(d.control("RecipeText")["text"]), "selection kept")
    check_equal(runs(d), [(12, "#ff0000"), (12, "#0000ff")], "colours after Cancel")

    d.key("ctrl+shift+c")
    html = next(e for e in d.box()["edits"] if e["text"].startswith("#"))  # the dialog's HTML field
    d.click_at(*centre(html), count=3)
    d.type("#00aa00")
    d.answer("OK")
    check_equal(runs(d), [(12, "#00aa00")], "colour chosen")
    d.click("recipeName")
    rtf = d.recipes("recipeRtfText")[0]
    check(r"\colortbl;\red0\green170\blue0;" in rtf and r"\cf1 Red Blue" in rtf, f"stored: {rtf!r}")
    d.quit()


def test_bigger_answers_ctrl_equals_and_ctrl_plus_and_the_size_is_stored(d):
    d.build_database([{"name": "Jam", "text": "Red Blue", "rtf": RED_AND_BLUE}])
    d.start()
    d.click_row("Jam")
    select_the_whole_text(d)
    d.key("ctrl+equal")
    check_equal(runs(d), [(13, "#ff0000"), (13, "#0000ff")], "after Ctrl+=")
    d.key("ctrl+plus")
    check_equal(runs(d), [(14, "#ff0000"), (14, "#0000ff")], "after Ctrl++")
    d.click("recipeName")
    rtf = d.recipes("recipeRtfText")[0]
    check(r"\fs28\cf1 Red \cf2 Blue" in rtf, f"stored: {rtf!r}")
    d.quit()
