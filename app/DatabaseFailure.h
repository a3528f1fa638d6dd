#pragma once
// How opening the database ends on a fatal failure: the message (if any),
// a rollback where the failed step had changed something, and a request to
// quit with code 0. The caller then returns without another step.
#include <string>

class REALSQLDatabase;

enum class Rollback { No, Yes };

void quitAfterDatabaseFailure(REALSQLDatabase& db, const std::string& message, Rollback rollback);

// The same with the engine's reason for the failure after the message, and
// a rollback. Answers false, for callers that answer false on a failure.
bool quitWithEngineReason(REALSQLDatabase& db, const std::string& message);
