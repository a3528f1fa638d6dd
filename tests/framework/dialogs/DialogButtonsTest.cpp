#include <gtest/gtest.h>

#include "framework/dialogs/DialogButtons.h"

namespace {

std::vector<std::string> captions(const DialogButtons& buttons) {
    std::vector<std::string> texts;
    for (const DialogButton& button : buttons.buttons) texts.push_back(button.caption);
    return texts;
}

TEST(DialogButtons, MsgBoxSetsDefaultsAndEscape) {
    DialogButtons yesNoCancel = msgBoxButtons(3 + 256);
    EXPECT_EQ(captions(yesNoCancel), (std::vector<std::string>{"Yes", "No", "Cancel"}));
    EXPECT_EQ(yesNoCancel.defaultButton()->caption, "No");
    EXPECT_EQ(yesNoCancel.escapeAnswer, MsgBoxAnswer::Cancel);

    DialogButtons yesNo = msgBoxButtons(4 + 512);  // no third button: the first stays default
    EXPECT_EQ(yesNo.defaultButton()->caption, "Yes");
    EXPECT_EQ(yesNo.escapeAnswer, MsgBoxAnswer::No);

    DialogButtons plain = msgBoxButtons(0);
    EXPECT_EQ(captions(plain), (std::vector<std::string>{"OK"}));
    EXPECT_EQ(plain.escapeAnswer, MsgBoxAnswer::OK);
    EXPECT_TRUE(plain.escapeIsButton);
}

TEST(DialogButtons, MessageDialogShowsOnlyVisibleButtonsAndPrefersTheSafeDefault) {
    MessageDialogRequest request;
    request.action = {"&Quit", true, true};
    request.cancel = {"Cancel", true, true};
    request.alternateAction = {"Don't Save", false, true};
    DialogButtons buttons = messageDialogButtons(request);
    EXPECT_EQ(captions(buttons), (std::vector<std::string>{"&Quit", "Cancel"}));
    EXPECT_EQ(buttons.defaultButton()->caption, "Cancel");
    EXPECT_EQ(buttons.escapeAnswer, static_cast<int32_t>(MessageDialogChoice::Cancel));
}

TEST(DialogButtons, MessageDialogWithNoVisibleButtonStillShowsTheAction) {
    MessageDialogRequest request;
    request.action = {"OK", false, false};
    DialogButtons buttons = messageDialogButtons(request);
    EXPECT_EQ(captions(buttons), (std::vector<std::string>{"OK"}));
    EXPECT_EQ(buttons.escapeAnswer, static_cast<int32_t>(MessageDialogChoice::Action));
    EXPECT_FALSE(buttons.escapeIsButton);
}

}  // namespace
