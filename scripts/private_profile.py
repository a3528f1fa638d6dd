"""A private profile for running the real program from a script: its own home, XDG folders and
runtime folder inside a scratch folder, no session bus, offscreen, and an empty recipe database
of the current layout (the create statement taken from app/RecipesTable.h)."""
import os
import sqlite3

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def private_profile(scratch):
    """Answers (environment, data folder, database path); the database holds an empty table."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ASAN_OPTIONS="detect_leaks=0")
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    for name in ("HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        env[name] = os.path.join(scratch, name)
        os.makedirs(env[name], mode=0o700, exist_ok=True)
    folder = os.path.join(env["XDG_DATA_HOME"], "Larderwise")
    os.makedirs(folder)
    database = os.path.join(folder, "recipeDB.rsd")
    with open(os.path.join(ROOT, "app", "RecipesTable.h")) as f:
        create = f.read().split('"')[1::2]
    con = sqlite3.connect(database)
    con.execute("".join(create[:2]))
    con.commit()
    con.close()
    return env, folder, database
