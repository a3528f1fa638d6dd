#include "app/file_types/DatabaseFileTypes.h"

#include "app/file_types/RegisterFileType.h"

namespace DatabaseFileTypes {

std::unique_ptr<FileType> pREALSQLDatabase;

void _Initialize() {
    // "RBD" twice, as the type has always been declared; the dialog filter
    // built from it lists each pattern once.
    registerFileType(pREALSQLDatabase, "REALSQLDatabase", "rsd;RBD;RSD;RBD", "RSdb", "laWi");
}

void _Release() { pREALSQLDatabase.reset(); }

std::string All() {
    // Taking the string form also registers the type again if anything had
    // withdrawn it.
    return pREALSQLDatabase ? pREALSQLDatabase->toString() + ";" : std::string("REALSQLDatabase;");
}

}  // namespace DatabaseFileTypes
