#pragma once
// The recipe database file and its backups.
#include <memory>
#include <string>

#include "framework/files/FileType.h"

namespace DatabaseFileTypes {

extern std::unique_ptr<FileType> pREALSQLDatabase;

void _Initialize();
void _Release();

// Every type of the set joined as a filter: "REALSQLDatabase;".
std::string All();

}  // namespace DatabaseFileTypes
