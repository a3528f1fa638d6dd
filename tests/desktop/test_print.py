"""Printing the shown recipe to a PDF file through the real print dialog, and the real page-setup dialog.

The machine has no printers, so the print dialog offers Qt's "Print to File (PDF)"; the files it writes
are read back with pdftotext and pdfinfo."""
import os
import subprocess
import time

from desktop import HANG, check, check_equal

METHOD = "\r".join(f"Step {i} of the method." for i in range(1, 301))


def front_dialog(d):
    """The modal dialog in front (a question the print dialog asks stands on the print dialog)."""
    d.wait_idle()
    found = [b for b in d.boxes() if b["modal"]]
    check(len(found) == 1, f"expected one modal dialog, found {[b['title'] for b in d.boxes()]}")
    return found[0]


def press(d, label):
    """Clicks a button of the front dialog near its left end: a radio button takes a click on its circle
    or its label, not in the empty rest of its row."""
    box = front_dialog(d)
    button = next((b for b in box["buttons"] if b["label"] == label), None)
    check(button is not None, f"{box['title']!r} has no button {label!r}: {[b['label'] for b in box['buttons']]}")
    d.click_at(button["x"] + 8, button["y"] + button["h"] // 2)


def type_into(d, edit, text):
    d.click_at(edit["x"] + edit["w"] // 2, edit["y"] + edit["h"] // 2)
    d.key("ctrl+a")
    d.type(text)


def open_print_dialog_for(d, path, keys="ctrl+p"):
    """Opens the print dialog and types the output file; the dialog stays open."""
    d.key(keys)
    dialog = front_dialog(d)
    check_equal(dialog["title"], "Print", "the print dialog")
    type_into(d, dialog["edits"][0], path)


def finished_pdf(path, timeout=HANG):
    """The printed file once it is whole: the job hands control back between pages, so the program
    can look idle before its last page is drawn."""
    until = time.monotonic() + timeout
    while True:
        info = subprocess.run(["pdfinfo", path], capture_output=True, text=True)
        if info.returncode == 0 or time.monotonic() > until:
            check(info.returncode == 0, f"{path} is a whole PDF: {info.stderr.strip()}")
            return info.stdout
        time.sleep(0.2)


def pdf_text(path):
    finished_pdf(path)
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True, check=True).stdout


def pdf_pages(path):
    info = finished_pdf(path)
    fields = dict(line.split(":", 1) for line in info.splitlines() if ":" in line)
    return int(fields["Pages"]), fields["Page size"].strip()


def test_the_shown_recipe_prints_to_a_file_with_its_unsaved_edit_and_only_the_chosen_pages(d):
    d.build_database([{"name": "Apple Waffles", "text": METHOD, "rating": 3}, "Bread"])
    d.start()
    d.click_row("Apple Waffles")
    d.click("RecipeText")
    d.key("ctrl+Home")
    d.type("Sift the flour. ")  # still in the field when the print starts

    whole = os.path.join(d.home, "whole.pdf")
    open_print_dialog_for(d, whole)
    press(d, "Print")
    d.no_box()
    pages, size = pdf_pages(whole)
    check(pages >= 4, f"a 300-line method fills several pages, got {pages}")
    text = pdf_text(whole)
    # Words are printed letter by letter, not as ligatures, so the file's text can be searched.
    for words in ("Apple Waffles", "Recipe Rating: 3", "Sift the flour. Step 1 of the method.", "Step 300 of the method.",
                  "Recipe printed from Quillmere Larderwise", f"Page {pages}"):
        check(words in text, f"{words!r} is printed")
    check_equal(d.recipes("recipeText")[0].startswith("Sift the flour. Step 1"), True, "the edit is stored")

    part = os.path.join(d.home, "part.pdf")
    open_print_dialog_for(d, part)
    press(d, "Options >>")
    press(d, "Pages from")
    spins = front_dialog(d)["edits"]
    type_into(d, spins[1], "2")
    type_into(d, spins[2], "3")
    press(d, "Print")
    d.no_box()
    check_equal(pdf_pages(part)[0], 2, "pages in the file of pages 2 to 3")
    text = pdf_text(part)
    check("Page 2" in text and "Page 3" in text, "pages 2 and 3 are numbered so")
    check("Page 1" not in text and "Page 4" not in text, "no other page is in the file")
    check("Step 1 of the method." not in text and "Sift" not in text, "nothing of page 1 is in the file")
    check("Step 300 of the method." not in text, "nothing of the last page is in the file")
    d.quit()
    check(d.recipes("recipeText")[0].startswith("Sift the flour. Step 1"), "the edit is still stored after quitting")


def page_numbers(path):
    return [int(line.split("Page ")[-1]) for line in pdf_text(path).splitlines() if "Page " in line]


def test_the_dialogs_reverse_and_uncollated_copies_order_the_pages(d):
    d.build_database([{"name": "Apple Pie", "text": METHOD}])
    d.start()
    path = os.path.join(d.home, "reversed.pdf")
    open_print_dialog_for(d, path)
    press(d, "Options >>")
    type_into(d, front_dialog(d)["edits"][4], "2")  # copies
    press(d, "Collate")
    press(d, "Reverse")
    checked = {b["label"]: b.get("checked") for b in front_dialog(d)["buttons"]}
    check_equal((checked["Collate"], checked["Reverse"]), (False, True), "the boxes ticked")
    press(d, "Print")
    d.no_box()
    pages = pdf_pages(path)[0] // 2
    check(pages >= 4, f"the method fills several pages, got {pages}")
    expected = [n for n in range(pages, 0, -1) for _ in range(2)]
    check_equal(page_numbers(path), expected, "page numbers in the file's order")
    check("Step 300 of the method." in pdf_text(path).split("Page")[0], "the first sheet has the last page's text")
    d.quit()


def test_cancel_writes_nothing_and_with_no_recipe_found_the_print_says_so(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    path = os.path.join(d.home, "cancelled.pdf")
    open_print_dialog_for(d, path)
    press(d, "Cancel")
    d.no_box()
    check(not os.path.exists(path), "a cancelled print writes no file")

    d.click("Searchfield")
    d.type("Nothing like it")
    check_equal(d.control("recipeList")["rowCount"], 0, "rows found")
    d.key("ctrl+p")
    check_equal(d.answer("OK")["text"], "No recipe selected to print.", "the box instead of the print dialog")
    d.no_box()
    d.quit()


def test_a_print_to_a_full_disk_says_it_was_not_printed(d):
    d.build_database([{"name": "Apple Pie", "text": METHOD}])
    d.start()
    # /dev/full takes the file's opening and refuses every write with "No space left on device",
    # as a full disk does.
    open_print_dialog_for(d, "/dev/full")
    press(d, "Print")
    check_equal(front_dialog(d)["text"], "/dev/full already exists.\nDo you want to overwrite it?", "the question")
    press(d, "Yes")
    box = d.answer("OK")
    check_equal(box["text"].split("\n")[0], "The recipe could not be printed.", "the box after the print")
    check("No space left on device" in box["text"], f"the box says why: {box['text']!r}")
    d.no_box()
    d.quit()


def test_page_setup_is_kept_for_the_next_prints_and_shown_again_and_cancel_keeps_it(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.menu("File", "Page Setup...")
    press(d, "Landscape")
    check(next(b for b in front_dialog(d)["buttons"] if b["label"] == "Landscape")["checked"], "Landscape chosen")
    press(d, "OK")

    landscape = os.path.join(d.home, "landscape.pdf")
    open_print_dialog_for(d, landscape)
    press(d, "Print")
    check_equal(pdf_pages(landscape), (1, "842 x 595 pts (A4)"), "pages and paper of the print")

    # The dialog opens on the setup in force, so a change of margins alone keeps the orientation.
    d.menu("File", "Page Setup...")
    shown = {b["label"]: b.get("checked") for b in front_dialog(d)["buttons"]}
    check_equal((shown["Portrait"], shown["Landscape"]), (False, True), "orientation shown by the dialog")
    press(d, "Portrait")
    press(d, "Cancel")

    again = os.path.join(d.home, "again.pdf")
    open_print_dialog_for(d, again, keys="ctrl+p")
    press(d, "Print")
    check_equal(pdf_pages(again), (1, "842 x 595 pts (A4)"), "paper after the cancelled page setup")
    d.quit()

    # The help says the choice is kept until the program quits: a new start opens on the defaults.
    d.start()
    d.key("ctrl+shift+p")
    shown = {b["label"]: b.get("checked") for b in front_dialog(d)["buttons"]}
    check_equal((shown["Portrait"], shown["Landscape"]), (True, False), "orientation after a restart")
    press(d, "Cancel")
    d.quit()


def test_a_custom_paper_chosen_in_page_setup_is_the_paper_printed_on(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    d.key("ctrl+shift+p")
    size = front_dialog(d)["edits"][0]  # the paper's width, grey until the size is Custom
    d.click_at(size["x"] + 40, size["y"] - 20)  # the page-size list just above it
    d.type("Custom")
    d.key("Return")
    edits = front_dialog(d)["edits"]
    type_into(d, edits[0], "100")
    type_into(d, edits[1], "150")
    d.key("Tab")
    d.screenshot("custom-paper")
    check_equal([e["text"] for e in front_dialog(d)["edits"][:2]], ["100.00mm", "150.00mm"], "paper typed")
    press(d, "OK")

    path = os.path.join(d.home, "custom.pdf")
    open_print_dialog_for(d, path)
    press(d, "Print")
    check_equal(pdf_pages(path), (1, "283 x 425 pts"), "pages and paper of the print")
    d.quit()
