#pragma once
// The messages of opening, upgrading and converting the recipe database,
// exactly as users have always seen them (the wording of the old releases
// is kept, oddities included: "recipes.rsd" in the cancel button, the
// Mac-style folder path, "application folder" in -1).
#include <string>

#include "app/EndOfLine.h"

namespace DatabaseMessages {

inline std::string missingFileQuestion() {
    return "Database recipeDB.rsd not found." + EndOfLine() + EndOfLine() +
           "If you moved it, move it back to the user's Library:Application Support:" + "Larderwise" +
           ": folder, otherwise create a new database.";
}
inline const char* const kCreateButton = "Create a new database";
inline const char* const kQuitMoveBackButton = "Quit. I will move 'recipes.rsd' back.";
inline const char* const kCreated = "Database and table recipes created";

inline const char* const kFolderMissing =
    "Error -3 Couldn't create Larderwise folder in the user's Application Support folder";
inline std::string notCreated() {
    return "Database Error -1" + EndOfLine() + EndOfLine() +
           "The database could not be created. Make sure you have write access to the application folder.";
}
inline std::string notConnected(const std::string& engineText) {
    return "Error DB001: Couldn't connect to the database. " + engineText;
}

inline const char* const kAddingRating =
    "This is an old version of the recipe database. Adding new recipe rating field to the database.";
inline const char* const kAddingRtf =
    "This is an old version of the recipe database. Adding new recipe RTF text field to the database.";
inline std::string columnNotAdded(const std::string& code, const std::string& column, const std::string& engineText) {
    return "Error " + code + ": Table recipes could not be altered to add " + column + " column. " + engineText +
           EndOfLine() + EndOfLine() + " Please report this error to the developer.";
}

inline const char* const kDB003 =
    "Error DB003: Temporary table recipes2 could not be created. Please report this error to the developer. "
    "Database not modified.";
inline const char* const kDB004 =
    "Error DB004: Recipes could not be copied to the temporary table. Please report this error to the developer. "
    "Database not modified.";
inline const char* const kDB005 =
    "Error DB005: Old table recipes could not be dropped. Please report this error to the developer. Database not "
    "modified.";
inline const char* const kDB006 =
    "Error DB006: Temporary recipes2 table could not be renamed. Please report this error to the developer. "
    "Database not modified.";
inline const char* const kDB007 = "Error DB007: Couldn't convert recipeText field to styled text.";
inline const char* const kDB008 =
    "Error DB008: Could not select recipeRtfText or RecipeText. Please report this error to the developer. "
    "Database not modified.";
inline const char* const kDB009 =
    "Error DB009: Could not vacuum the database. Please report this error to the developer. Database not modified.";
// A commit of the start failed (a full disk, say): nothing of the upgrade
// was kept, and no vacuum may be blamed for it.
inline const char* const kDB010 =
    "Error DB010: Could not commit the changes to the database. Please report this error to the developer. "
    "Database not modified.";

// A message of the table above followed by the engine's own reason, so the
// report to the developer says what actually failed.
inline std::string withReason(const std::string& message, const std::string& engineText) {
    return message + EndOfLine() + EndOfLine() + engineText;
}

inline const char* const kConversionQuestion =
    "The recipe text field appears to be the old style plain text field. Do you wish to back it up before "
    "converting? ";
inline const char* const kConversionExplanation =
    "Styled text databases should NOT be reconverted. If you proceed without a backup, the database could be "
    "ruined.";

}  // namespace DatabaseMessages
