"""Backing up and restoring the database through the File menu, its boxes and the file dialog."""
import glob
import os
import sqlite3

from desktop import check, check_equal


def test_backup_waits_for_another_program_then_restores_through_the_dialogs(d):
    d.build_database([{"name": "Apple Pie", "rating": 3}, {"name": "Bread", "rating": 1}])
    d.start()
    folder = os.path.dirname(d.database_path)

    # Another program in the middle of writing: a copy now would hold its half-done change.
    other = sqlite3.connect(d.database_path, isolation_level=None, timeout=1)
    other.execute("begin exclusive")
    other.execute("update recipes set recipeName = 'Half written'")
    d.menu("File", "Backup database")
    refused = d.answer("OK")
    check(refused["text"].startswith("Error -1002") and "database is locked" in refused["text"],
          f"the box says the database was busy: {refused['text']!r}")
    check_equal(glob.glob(os.path.join(folder, "recipeDB backup*")), [], "backups made while it wrote")
    other.execute("rollback")
    other.close()

    d.menu("File", "Backup database")
    made = d.answer("OK")
    check(made["text"].startswith("File backed up as: "), f"backup box: {made['text']!r}")
    backup_name = made["text"].split("\n")[-1]
    check(os.path.exists(os.path.join(folder, backup_name)), f"{backup_name!r} is in the data folder")

    d.click_row("Bread")
    d.click("recipeRating", dx=d.control("recipeRating")["w"] - 3)  # the fifth star
    check_equal(d.recipes("recipeName, recipeRating"), [("Apple Pie", 3), ("Bread", 5)], "rating saved")

    d.menu("File", "Restore backup...")
    d.answer("Restore")
    check_equal(d.box()["title"], "Select a recipeDB backup file to restore:", "the file dialog")
    d.type(backup_name)
    d.key("Return")
    check_equal(d.answer("OK")["text"], "Database restored from backup.", "restore box")
    check_equal(d.recipes("recipeName, recipeRating"), [("Apple Pie", 3), ("Bread", 1)], "restored recipes")
    check_equal([r["text"] for r in d.control("recipeList")["rows"]], ["Apple Pie", "Bread"], "list after restore")
    d.quit()
    check_equal(d.recipes("recipeName, recipeRating"), [("Apple Pie", 3), ("Bread", 1)], "after quitting")


def test_export_backup_and_restore_chosen_while_the_edit_cannot_be_stored_say_so_each_time(d):
    d.build_database([{"name": "Apple Pie", "text": "Bake it."}])
    d.start()
    folder = os.path.dirname(d.database_path)
    d.click("recipeKeywords")
    d.type("sweet")
    reader = d.another_program_reading()
    for item in ("Export recipes...", "Export recipes...", "Backup database", "Restore backup...",
                 "Backup database"):
        d.menu("File", item)
        told = d.answer("OK")
        check(told["text"].startswith("Error 302: Could not save the recipe's keywords."),
              f"{item}: the box says why nothing happens: {told['text']!r}")
        d.no_box()  # no save dialog, no backup made, no restore offered
    check_equal(glob.glob(os.path.join(folder, "recipeDB backup*")), [], "backups without the edit")
    reader.execute("rollback")
    reader.close()
    d.quit()
    check_equal(d.recipes("recipeName, recipeKeywords"), [("Apple Pie", "sweet")], "the edit stored at quit")
