// Where the help's entry page is found, and the pages themselves: every
// link between them leads to a page that exists and has a title.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "framework/files/FolderItem.h"
#include "framework/ui/Application.h"
#include "tests/support/TestFiles.h"
#include "utility_windows/help/HelpPages.h"

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    writeBytes(path, text);
}

// A folder of its own, and the current folder put back afterwards.
class HelpPageSearch : public ::testing::Test {
protected:
    fs::path root = fs::temp_directory_path() / ("help-pages-" + std::to_string(::getpid()));
    fs::path previous = fs::current_path();

    HelpPageSearch() { fs::create_directories(root / "elsewhere"); }
    ~HelpPageSearch() override {
        fs::current_path(previous);
        fs::remove_all(root);
    }
    std::shared_ptr<FolderItem> executable() { return FolderItem::fromPath((root / "pkg/bin/larderwise").string()); }
};

}  // namespace

TEST_F(HelpPageSearch, ThePackagesResourcesFolderComesFirst) {
    writeFile(root / "pkg/Resources/Larderwise Help/index.html", "<html></html>");
    writeFile(root / "elsewhere/Larderwise Help/index.html", "<html></html>");
    fs::current_path(root / "elsewhere");
    auto page = helpIndexPage(executable());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->AbsolutePath(), (root / "pkg/Resources/Larderwise Help/index.html").string());
}

TEST_F(HelpPageSearch, InstalledTheResourcesAreTheProgramsShareFolder) {
    writeFile(root / "pkg/share/larderwise/Larderwise Help/index.html", "<html></html>");
    writeFile(root / "pkg/Resources/Larderwise Help/index.html", "<html></html>");
    auto page = helpIndexPage(executable());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->AbsolutePath(), (root / "pkg/share/larderwise/Larderwise Help/index.html").string());
}

TEST_F(HelpPageSearch, ThenTheSamePathFromTheCurrentFolder) {
    writeFile(root / "elsewhere/Larderwise Help/index.html", "<html></html>");
    fs::current_path(root / "elsewhere");
    auto page = helpIndexPage(executable());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->AbsolutePath(), (root / "elsewhere/Larderwise Help/index.html").string());
    ASSERT_TRUE(helpIndexPage(nullptr));  // no executable to start from
}

TEST_F(HelpPageSearch, NothingWhenNeitherPlaceHoldsThePage) {
    fs::create_directories(root / "pkg/Resources/Larderwise Help/index.html");  // a folder is no page
    fs::current_path(root / "elsewhere");
    EXPECT_FALSE(helpIndexPage(executable()));
    EXPECT_FALSE(helpIndexPage(nullptr));
}

TEST(HelpPages, EveryLinkLeadsToAPageWithATitleAndEveryPageIsReachable) {
    const fs::path folder = fs::path(Application::ExecutableFile()->Parent()->Parent()->AbsolutePath()) /
                            "Resources" / "Larderwise Help";
    ASSERT_TRUE(fs::exists(folder / "index.html"));
    const std::regex link("href=\"([^\"#:]+)\"");
    const std::regex title("<title>([^<]+)</title>");
    std::set<std::string> reached{"index.html"};
    std::vector<std::string> waiting{"index.html"};
    while (!waiting.empty()) {
        const std::string name = waiting.back();
        waiting.pop_back();
        const std::string html = readBytes(folder / name);
        EXPECT_TRUE(std::regex_search(html, title)) << name << " has no title";
        for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            ASSERT_TRUE(fs::exists(folder / target)) << name << " links to missing " << target;
            if (reached.insert(target).second) waiting.push_back(target);
        }
    }
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_TRUE(reached.count(entry.path().filename().string())) << entry.path() << " is not linked";
}
