#include "tests/app/ShellTestSupport.h"

#include <filesystem>

void buildDatabase(const std::string& path, const std::vector<std::string>& statements) {
    runStatements(path, std::vector<BoundStatement>(statements.begin(), statements.end()), true);
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }
