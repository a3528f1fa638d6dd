// The search control as the user and the recipe window drive it: typing,
// Return, the scope menu, the cancel widget and the placeholder.
#include <gtest/gtest.h>

#include "framework/runtime/Services.h"
#include "tests/controls/search/SearchTestWindow.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

namespace {
using Searches = std::vector<std::pair<std::string, std::string>>;

class SearchControlTest : public testing::Test {
protected:
    void SetUp() override {
        w.finishBuilding();
        w.runOpenEvents();
        w.search->SetSearchMenu(kScopes, 1);
    }
    // A click on the magnifying glass (pill coordinates; from x 28 on, the
    // placeholder and the field lie over the middle rows of the pill).
    void clickGlass(int32_t x = 12) { ui.click(w.pill(), x, 11); }
    const UiCall& lastPopUp() {
        static const UiCall none(UiCallKind::PopUp);
        const auto& calls = ui.dialogs().calls();
        EXPECT_FALSE(calls.empty()) << "no pop-up menu was shown";
        return calls.empty() ? none : calls.back();
    }

    UiDriver ui;
    SearchWindow w;
};
}  // namespace

TEST_F(SearchControlTest, SetSearchMenuPicksAScopeOrNone) {
    EXPECT_EQ(w.search->SearchWhere.get(), "Everywhere");
    EXPECT_EQ(w.search->CheckedSearchMenuitem.get(), 1);
    EXPECT_EQ(w.search->SearchMenuItems.get(), kScopes);
    EXPECT_EQ(w.placeholder().Text.get(), "Everywhere");
    EXPECT_EQ(w.placeholder().TextColor.get(), DisabledTextColor());
    EXPECT_TRUE(w.placeholder().Visible.get());

    w.search->SetSearchMenu(kScopes, 5);
    EXPECT_EQ(w.search->SearchWhere.get(), "Recipe Text");
    w.search->SetSearchMenu(kScopes, 2);  // the separator
    EXPECT_EQ(w.search->CheckedSearchMenuitem.get(), 0);
    EXPECT_EQ(w.search->SearchWhere.get(), "Recipe Text");
    EXPECT_EQ(w.placeholder().Text.get(), "Recipe Text");

    for (int32_t outside : {0, 7, -1}) {
        w.search->SetSearchMenu(kScopes, 5);
        w.search->SetSearchMenu(kScopes, outside);
        EXPECT_EQ(w.search->CheckedSearchMenuitem.get(), 0) << outside;
        EXPECT_EQ(w.placeholder().Text.get(), "") << outside;
        EXPECT_EQ(w.search->SearchWhere.get(), "Recipe Text") << "the scope stays";
    }
    // An empty list has no fields at all, so even n = 1 is outside it.
    w.search->SetSearchMenu("", 1);
    EXPECT_EQ(w.search->CheckedSearchMenuitem.get(), 0);
    EXPECT_EQ(w.search->SearchWhere.get(), "Recipe Text");
    EXPECT_TRUE(w.searches.empty()) << "setting the menu searches nothing";
}

TEST_F(SearchControlTest, TypingSearchesLiveAndReturnSearchesAgainButEnterDoesNot) {
    ui.type(w.field(), "ab");
    EXPECT_EQ(w.searches, (Searches{{"a", "Everywhere"}, {"ab", "Everywhere"}}));
    EXPECT_FALSE(w.placeholder().Visible.get()) << "a key hides the placeholder";
    EXPECT_TRUE(w.cancel().Visible.get());
    ui.key(w.field(), "\r");
    ui.key(w.field(), "\x03");  // keypad Enter
    EXPECT_EQ(w.searches.size(), 3u);
    EXPECT_EQ(w.searches.back(), (std::pair<std::string, std::string>{"ab", "Everywhere"}));
    EXPECT_EQ(w.field().Text.get(), "ab");
    EXPECT_FALSE(w.search->Searchfield_KeyDown("x")) << "keys always go on to the field";
}

// Keys that came in while a search ran wait in the window system's queue:
// only the last of them is searched for. When the waiting keys change no
// text (an arrow), the search left over runs once they are handled.
TEST_F(SearchControlTest, KeysTypedDuringASearchAreSearchedForOnce) {
    int keysBehind = 0;  // keys still waiting while the current one is handled
    services().keysWaiting = [&] { return keysBehind > 0; };
    ui.type(w.field(), "s");
    keysBehind = 3;  // "alt" came while "s" was searched for
    for (const char* key : {"a", "l", "t"}) {
        --keysBehind;
        ui.type(w.field(), key);
    }
    EXPECT_EQ(w.searches, (Searches{{"s", "Everywhere"}, {"salt", "Everywhere"}}));

    keysBehind = 3;  // " p" and an arrow key
    for (const char* key : {" ", "p"}) {
        --keysBehind;
        ui.type(w.field(), key);
    }
    --keysBehind;
    ui.key(w.field(), "\x1C");  // Left: the field's text stays
    EXPECT_EQ(w.searches.size(), 2u);
    ui.settle();
    EXPECT_EQ(w.searches, (Searches{{"s", "Everywhere"}, {"salt", "Everywhere"}, {"salt p", "Everywhere"}}));
    ui.settle();
    EXPECT_EQ(w.searches.size(), 3u) << "searched once";
}

TEST_F(SearchControlTest, TypeReturnChooseAScopeThenCancel) {
    ui.click(w.pill(), 100, 10);  // on the placeholder: it hides and the field takes the focus
    ui.type(w.field(), "ham");
    ui.key(w.field(), "\r");
    ui.dialogs().expectPopUp("Recipe Name");
    clickGlass();
    ui.click(w.cancel(), 7, 7);
    EXPECT_EQ(w.searches, (Searches{{"h", "Everywhere"},
                                    {"ha", "Everywhere"},
                                    {"ham", "Everywhere"},
                                    {"ham", "Everywhere"},
                                    {"ham", "Recipe Name"},
                                    {"", "Recipe Name"},
                                    {"", "Recipe Name"}}));
    EXPECT_TRUE(w.placeholder().Visible.get());
    EXPECT_EQ(w.placeholder().Text.get(), "Recipe Name");
    EXPECT_FALSE(w.cancel().Visible.get());
    EXPECT_EQ(w.Focus(), nullptr);
}

TEST_F(SearchControlTest, AScopeChosenWhileAnotherFieldHasTheFocusGivesTheSearchFieldTheKeyboard) {
    ui.type(*w.recipeName, "Bread");
    ui.dialogs().expectPopUp("Recipe Name");
    clickGlass();
    EXPECT_EQ(w.searches, (Searches{{"", "Recipe Name"}}));
    EXPECT_EQ(w.Focus(), &w.field()) << "the next keys search, under the scope just chosen";
    EXPECT_TRUE(w.placeholder().Visible.get());
    ui.type(w.field(), "x");
    EXPECT_EQ(std::string(w.recipeName->Text), "Bread");
}

TEST_F(SearchControlTest, WithoutLiveSearchOnlyReturnSearches) {
    w.search->LiveSearch = false;
    ui.type(w.field(), "ab ");
    EXPECT_TRUE(w.searches.empty());
    ui.key(w.field(), "\r");
    EXPECT_EQ(w.searches, (Searches{{"ab ", "Everywhere"}})) << "the whole text, untrimmed";
}

TEST_F(SearchControlTest, ScopeMenuShowsTheScopesWithTheCurrentOneChecked) {
    ui.dialogs().expectPopUp(std::nullopt);
    EXPECT_TRUE(w.search->BgCanvas_MouseDown(29, 11)) << "dismissed or not";
    EXPECT_EQ(lastPopUp().captions, (std::vector<std::string>{"Everywhere", "-", "Recipe Name", "Recipe Keywords",
                                                              "Recipe Text", "Recipe Rating"}));
    EXPECT_EQ(lastPopUp().checked, (std::vector<bool>{true, false, false, false, false, false}));
    // One pill height below the pointer (the driver's pointer is at 100, 100).
    EXPECT_EQ(lastPopUp().x, 100);
    EXPECT_EQ(lastPopUp().y, 126);
    // Dismissed: nothing changes and nothing is raised.
    EXPECT_EQ(w.search->CheckedSearchMenuitem.get(), 1);
    EXPECT_EQ(w.search->SearchWhere.get(), "Everywhere");
    EXPECT_TRUE(w.searches.empty());
}

TEST_F(SearchControlTest, OnlyTheGlassOpensTheMenuAndOnlyWithItems) {
    EXPECT_FALSE(w.search->BgCanvas_MouseDown(30, 11));
    ui.click(w.pill(), 30, 23);  // below the field: a pop-up would fail the test, none is scripted
    w.search->SearchMenuItems = std::string();
    EXPECT_FALSE(w.search->BgCanvas_MouseDown(5, 11));
    EXPECT_TRUE(ui.dialogs().calls().empty());
}

TEST_F(SearchControlTest, ChoosingAScopeSearchesWithItAndMovesTheCheck) {
    ui.type(w.field(), "pie");
    w.searches.clear();
    ui.dialogs().expectPopUp("Recipe Text");
    clickGlass();
    EXPECT_EQ(w.search->CheckedSearchMenuitem.get(), 5);
    EXPECT_EQ(w.search->SearchWhere.get(), "Recipe Text");
    EXPECT_EQ(w.searches, (Searches{{"pie", "Recipe Text"}}));
    EXPECT_EQ(w.Focus(), &w.field()) << "with text in the field the focus stays";

    // The same scope again still searches; the check follows the scope.
    ui.dialogs().expectPopUp("Recipe Text");
    clickGlass();
    EXPECT_EQ(lastPopUp().checked, (std::vector<bool>{false, false, false, false, true, false}));
    EXPECT_EQ(w.searches.size(), 2u);

    // A search raised whatever LiveSearch says.
    w.search->LiveSearch = false;
    ui.dialogs().expectPopUp("Recipe Name");
    clickGlass();
    EXPECT_EQ(w.searches.back(), (std::pair<std::string, std::string>{"pie", "Recipe Name"}));
}

TEST_F(SearchControlTest, ChoosingAScopeWithAnEmptyFocusedFieldShowsItAsThePlaceholder) {
    ui.key(w.field(), "\x1C");  // any key hides the placeholder, an arrow too
    ASSERT_EQ(w.Focus(), &w.field());
    ASSERT_FALSE(w.placeholder().Visible.get());
    ui.dialogs().expectPopUp("Recipe Keywords");
    clickGlass();
    EXPECT_EQ(w.searches, (Searches{{"", "Recipe Keywords"}}));
    EXPECT_EQ(w.Focus(), &w.field());
    EXPECT_TRUE(w.placeholder().Visible.get());
    EXPECT_EQ(w.placeholder().Text.get(), "Recipe Keywords");
}

TEST_F(SearchControlTest, DuplicateScopesAreBothChecked) {
    w.search->SetSearchMenu("Name,Text,name", 1);
    ui.dialogs().expectPopUp(std::nullopt);
    clickGlass();
    EXPECT_EQ(lastPopUp().checked, (std::vector<bool>{true, false, true})) << "letter case aside";
}

TEST_F(SearchControlTest, CancelEmptiesTheFieldSearchesTwiceAndShowsThePlaceholder) {
    ui.type(w.field(), "egg");
    w.searches.clear();
    ui.click(w.cancel(), 7, 7);
    EXPECT_EQ(w.field().Text.get(), "");
    EXPECT_FALSE(w.cancel().Visible.get());
    EXPECT_EQ(w.Focus(), nullptr);
    EXPECT_TRUE(w.placeholder().Visible.get());
    EXPECT_EQ(w.searches, (Searches{{"", "Everywhere"}, {"", "Everywhere"}}));

    w.search->LiveSearch = false;
    ui.type(w.field(), "egg");
    w.searches.clear();
    ui.click(w.cancel(), 7, 7);
    EXPECT_EQ(w.searches, (Searches{{"", "Everywhere"}}));
}

TEST_F(SearchControlTest, CancelAfterTheFocusMovedOnShowsThePlaceholderToo) {
    ui.type(w.field(), "egg");
    ui.setFocus(*w.recipeName);
    ASSERT_FALSE(w.placeholder().Visible.get());
    w.searches.clear();
    ui.click(w.cancel(), 7, 7);
    EXPECT_EQ(w.field().Text.get(), "");
    EXPECT_EQ(w.Focus(), nullptr) << "the other control lost the focus";
    EXPECT_TRUE(w.placeholder().Visible.get()) << "an empty field shows its scope";
    EXPECT_EQ(w.searches.size(), 2u);
}

TEST_F(SearchControlTest, TextSetByCodeSearchesButLeavesThePlaceholderAlone) {
    w.field().Text = std::string("x");
    EXPECT_TRUE(w.cancel().Visible.get());
    EXPECT_EQ(w.searches, (Searches{{"x", "Everywhere"}}));
    EXPECT_TRUE(w.placeholder().Visible.get());

    // "New recipe": empty text, then the scope, by code.
    w.field().Text = std::string();
    w.search->SearchWhere = std::string("Everywhere");
    EXPECT_FALSE(w.cancel().Visible.get());
    EXPECT_EQ(w.searches.size(), 2u);
    EXPECT_EQ(w.search->CheckedSearchMenuitem.get(), 1) << "setting the scope leaves the number alone";
}

TEST_F(SearchControlTest, ClickOnThePlaceholderFocusesTheFieldInsteadOfTheMenu) {
    // The placeholder lies over the field, starting at 28 on the pill.
    ui.click(w.pill(), 28, 5);
    EXPECT_FALSE(w.placeholder().Visible.get());
    EXPECT_EQ(w.Focus(), &w.field());
    EXPECT_TRUE(ui.dialogs().calls().empty());
    // Focus alone does not bring it back; losing it with an empty field does.
    ui.setFocus(*w.recipeName);
    EXPECT_TRUE(w.placeholder().Visible.get());
}

TEST_F(SearchControlTest, ClickInTheFieldHidesThePlaceholderAndLeavesTheClickToTheField) {
    w.field().Text = std::string("tart");
    ASSERT_TRUE(w.placeholder().Visible.get()) << "text set by code sits under the placeholder";
    EXPECT_FALSE(w.search->Searchfield_MouseDown(3, 3));
    EXPECT_FALSE(w.placeholder().Visible.get());
}

namespace {
// The recipe window embeds its own subclass of the control.
struct CountingSearchControl : SearchControl {
    int keys = 0;
    bool Searchfield_KeyDown(const std::string& key) override {
        ++keys;
        return SearchControl::Searchfield_KeyDown(key);
    }
};
}  // namespace

TEST(SearchControlSubclass, ChildEventsReachTheSubclassesOverrides) {
    UiDriver ui;
    Window w;
    auto* search = w.add<CountingSearchControl>("RecipeSearchCntl");
    w.finishBuilding();
    w.runOpenEvents();
    std::vector<std::string> texts;
    search->Search = [&](std::string text, std::string) { texts.push_back(text); };
    ui.type(*search->child<EditField>("Searchfield"), "ok");
    EXPECT_EQ(search->keys, 2);
    EXPECT_EQ(texts, (std::vector<std::string>{"o", "ok"}));
}
