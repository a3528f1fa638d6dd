#pragma once
// How opening the database ends on a fatal failure: the message (if any),
// a rollback where the failed step had changed something, and a request to
// quit with code 0. The caller then returns without another step.
#include <string>

class REALSQLDatabase;

enum class Rollback { No, Yes };

void quitAfterDatabaseFailure(REALSQLDatabase& db, const std::string& message, Rollback rollback);
