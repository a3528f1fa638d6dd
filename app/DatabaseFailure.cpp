#include "app/DatabaseFailure.h"

#include "app/DatabaseMessages.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/ui/Application.h"

void quitAfterDatabaseFailure(REALSQLDatabase& db, const std::string& message, Rollback rollback) {
    if (!message.empty()) MsgBox(message);
    if (rollback == Rollback::Yes) db.Rollback();
    Quit(0);
}

bool quitWithEngineReason(REALSQLDatabase& db, const std::string& message) {
    quitAfterDatabaseFailure(db, DatabaseMessages::withReason(message, db.ErrorMessage()), Rollback::Yes);
    return false;
}
