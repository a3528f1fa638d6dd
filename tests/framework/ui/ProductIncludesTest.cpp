// The product is written against the framework alone: no framework header
// that product code includes may bring Qt, SQLite or espeak-ng along, not
// even through other framework headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> includesOf(const fs::path& file, const std::regex& pattern) {
    std::vector<std::string> found;
    std::ifstream in(file);
    std::string line;
    std::smatch match;
    while (std::getline(in, line))
        if (std::regex_search(line, match, pattern)) found.push_back(match[1]);
    return found;
}

bool isForeign(const std::string& systemHeader) {
    return systemHeader.rfind("Q", 0) == 0 || systemHeader.rfind("qt", 0) == 0 || systemHeader == "sqlite3.h" ||
           systemHeader.rfind("espeak", 0) == 0;
}

// The first foreign header reached from a framework header, with the chain
// of framework headers that leads to it; empty when there is none.
std::string foreignChain(const std::string& header, std::set<std::string>& seen) {
    static const std::regex local(R"(^\s*#\s*include\s+"(framework/[^"]+)\")");
    static const std::regex system(R"(^\s*#\s*include\s+<([^>]+)>)");
    if (!seen.insert(header).second) return {};
    const fs::path file = sourceRoot() / header;
    for (const std::string& s : includesOf(file, system))
        if (isForeign(s)) return header + " -> <" + s + ">";
    for (const std::string& next : includesOf(file, local))
        if (std::string chain = foreignChain(next, seen); !chain.empty()) return header + " -> " + chain;
    return {};
}

}  // namespace

TEST(ProductIncludes, NoFrameworkHeaderTheProductUsesBringsQtSqliteOrSpeech) {
    static const std::regex local(R"(^\s*#\s*include\s+"(framework/[^"]+)\")");
    std::vector<std::string> faults;
    int filesRead = 0;
    for (const char* folder : {"app", "controls", "prefs", "recipe_window", "utility_windows"}) {
        for (const auto& entry : fs::recursive_directory_iterator(sourceRoot() / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            ++filesRead;
            for (const std::string& header : includesOf(entry.path(), local)) {
                std::set<std::string> seen;
                if (std::string chain = foreignChain(header, seen); !chain.empty())
                    faults.push_back(fs::relative(entry.path(), sourceRoot()).string() + ": " + chain);
            }
        }
    }
    EXPECT_GT(filesRead, 50) << "the product's sources were not found under " << sourceRoot();
    EXPECT_TRUE(faults.empty()) << [&] {
        std::string all;
        for (const auto& f : faults) all += f + "\n";
        return all;
    }();
}
