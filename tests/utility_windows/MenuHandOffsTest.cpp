// Kitchen mode reached by its shortcut while the user is in the recipe text:
// Command-K must open it rather than reach the text field, whose own
// Command-K deletes to the end of the line (and that loss would be saved).
#include "framework/ui/ImplicitWindows.h"
#include "tests/utility_windows/MainWindowSupport.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"

namespace {

struct MenuHandOffs : MainWindowFixture {
    KitchenModeWindow* kitchen() {
        return static_cast<KitchenModeWindow*>(ImplicitWindows::find(typeid(KitchenModeWindow)));
    }
};

TEST_F(MenuHandOffs, CommandKInTheTextOpensKitchenModeWithTheStyledTextAndLeavesTheTextAlone) {
    startWithRecipe("Whisk the eggs.\rFold in the flour.");
    ui.setFocus(text());
    text().SelStart = 0;
    text().SelLength = 5;
    text().SelBold = true;
    text().SelLength = 0;
    ui.key(text(), "k", UiDriver::Command);
    ASSERT_NE(kitchen(), nullptr);
    EXPECT_TRUE(kitchen()->isShown());
    EXPECT_EQ(kitchen()->bigRecipeText->Text(), "Whisk the eggs.\rFold in the flour.");
    EXPECT_EQ(kitchen()->bigRecipeText->TextSize(), 30);
    kitchen()->bigRecipeText->SelStart = 1;
    kitchen()->bigRecipeText->SelLength = 2;
    EXPECT_TRUE(kitchen()->bigRecipeText->SelBold()) << "the styles come along";
    EXPECT_EQ(text().Text(), "Whisk the eggs.\rFold in the flour.");
}

}  // namespace
