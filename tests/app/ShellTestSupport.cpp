#include "tests/app/ShellTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>

void buildDatabase(const std::string& path, const std::vector<std::string>& statements) {
    runStatements(path, std::vector<BoundStatement>(statements.begin(), statements.end()), true);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }
