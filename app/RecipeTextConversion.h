#pragma once
// Brings the recipe text of every row into the current layout (plain text
// in recipeText, the same text as RTF in recipeRtfText), after offering a
// backup, behind the Converting progress window.
//
// The first row decides which way the database is laid out (T: its
// recipeText holds RTF; R: its recipeRtfText does), but each row is only
// changed in the way it needs: a row whose recipeRtfText already holds RTF
// is never rewritten, RTF is moved out of recipeText only where recipeText
// really is RTF, and a plain row gets its RTF built from its plain text. On
// a database laid out one way throughout this is exactly the old rule; on a
// mixed one no row loses text or formatting.
class MessageDialog;
class REALSQLDatabase;

// Answers false when the application is quitting (the user chose "&Quit",
// or the select, a row update or the commit failed: message, rollback,
// quit). The backup that "&Yes" makes is the file as last committed: work
// still pending from this start (a rebuilt table) is not in it.
bool convertRecipeText(REALSQLDatabase& db, MessageDialog& dialog, bool rtfInRecipeText, bool rtfInRtfColumn);
