#pragma once
// The preference store: one dictionary held in memory, loaded from the file
// "Larderwise Prefs" in the Preferences folder on first use and written back
// whole, enciphered, when the application quits. Changes reach the file
// only at the next Save.
//
// A damaged file (too short, wrong magic, old version, a body that is not a
// dictionary) loads as an empty store, and the next Save replaces it. Save
// replaces the file atomically: on any failure it raises and the old file
// stays exactly as it was.
#include <memory>

#include "framework/data/Variant.h"
#include "prefs/AppVersionCode.h"
#include "prefs/PrefsFileFormat.h"

class FolderItem;

namespace BPrefs {

// The stored value; raises KeyNotFoundException when the key is not stored.
Variant Value(const Variant& key);
// Stores the pair in memory.
void SetValue(const Variant& key, const Variant& value);
bool HasKey(const Variant& key);
// Removes the key when it is stored; otherwise does nothing.
void Remove(const Variant& key);

// Stores "app_vers" = AppVersionCode() and writes the whole store to the
// file. Raises when the store holds a value that cannot be stored or the
// file cannot be written; the old file is then untouched.
void Save();

// Loads the store if it is not loaded yet.
void InitPrefs();

// The file "Larderwise Prefs" in the Preferences folder (it need not exist).
// Raises NilObjectException when the Preferences folder cannot be found.
std::shared_ptr<FolderItem> PrefsFile();

// Forgets the store without saving, as the end of the process does; the
// next operation loads it from the file again.
void Unload();

}  // namespace BPrefs
