#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "framework/dialogs/BoxText.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/dialogs/QtMessageBoxes.h"
#include "framework/dialogs/QtUiService.h"
#include "tests/framework/dialogs/ModalAnswer.h"

namespace {

QLabel* labelNamed(QMessageBox& box, const char* name) {
    return box.findChild<QLabel*>(name);
}

QStringList captions(const BuiltMessageBox& built) {
    QStringList texts;
    for (const auto& [button, answer] : built.answers) texts << button->text();
    return texts;
}

TEST(QtMessageBoxes, MarkupInTheTextIsShownLiterally) {
    MessageDialogRequest request;
    request.message = "Delete <b>x</b>?";
    request.explanation = "The recipe <i>Soup</i> & its photo go.";
    request.action = {"&Delete Recipe", true, false};
    BuiltMessageBox built = buildMessageDialog(request, nullptr);

    QLabel* text = labelNamed(*built.box, "qt_msgbox_label");
    QLabel* explanation = labelNamed(*built.box, "qt_msgbox_informativelabel");
    ASSERT_NE(text, nullptr);
    ASSERT_NE(explanation, nullptr);
    EXPECT_EQ(text->textFormat(), Qt::PlainText);
    EXPECT_EQ(explanation->textFormat(), Qt::PlainText);
    EXPECT_EQ(text->text(), "Delete <b>x</b>?");
    EXPECT_EQ(explanation->text(), "The recipe <i>Soup</i> & its photo go.");
}

TEST(QtMessageBoxes, CarriageReturnsBecomeLineBreaks) {
    BuiltMessageBox built = buildMsgBox(MsgBoxRequest{"Database recipeDB.rsd not found.\r\rIf you moved it\r\nmove it back", 0, ""}, nullptr);
    EXPECT_EQ(built.box->text(), "Database recipeDB.rsd not found.\n\nIf you moved it\nmove it back");
}

TEST(QtMessageBoxes, QuestionDialogShowsItsCaptionsAndCancelDefault) {
    MessageDialog dialog;
    dialog.Message = "Delete the recipe?";
    dialog.ActionButton.Caption = "&Delete Recipe";
    dialog.CancelButton.Visible = true;
    dialog.CancelButton.Default = true;  // the action button keeps Default = True as well
    BuiltMessageBox built = buildMessageDialog(dialog.request(), nullptr);
    EXPECT_EQ(captions(built), (QStringList{"&Delete Recipe", "Cancel"}));
    ASSERT_NE(built.box->defaultButton(), nullptr);
    EXPECT_EQ(built.box->defaultButton()->text(), "Cancel");
    EXPECT_EQ(built.box->escapeButton()->text(), "Cancel");
}

TEST(QtMessageBoxes, RealServiceAnswersTheButtonPressed) {
    QtUiService service;
    answerNextModal<QMessageBox>([](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            if (button->text() == "No") button->click();
    });
    EXPECT_EQ(service.MsgBox(MsgBoxRequest{"Save?", 4, "Larderwise"}), 7);

    MessageDialogRequest request;
    request.message = "Restore?";
    request.action = {"Restore", true, true};
    request.cancel = {"Abort", true, false};
    answerNextModal<QMessageBox>([](QMessageBox& box) { box.defaultButton()->click(); });
    EXPECT_EQ(service.showMessageDialog(request), MessageDialogChoice::Action);

    answerNextModal<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(service.showMessageDialog(request), MessageDialogChoice::Cancel);
}

// A failed save quotes its statement, which holds the whole recipe: the box
// must come up at once and fit the screen, its message first, the rest in
// the details. It comes up at once because it lays out only a bounded part
// of the text, which is what is checked.
TEST(QtMessageBoxes, AHugeTextIsQuotedByItsStartAndKeptWholeInTheDetails) {
    const std::string head = "Error 301 occurred while updating the recipe.\rdisk I/O error\r\r";
    const std::string statement = "update recipes set recipeText = '" + std::string(20 * 1024 * 1024, 'x') + "'";
    QtUiService service;
    QSize shownSize;
    QString shownText;
    QString details;
    answerNextModal<QMessageBox>([&](QMessageBox& box) {
        shownSize = box.size();
        shownText = box.text();
        details = box.detailedText();
        box.accept();
    });
    service.MsgBox(MsgBoxRequest{head + statement, 0, ""});

    EXPECT_TRUE(shownText.startsWith("Error 301 occurred while updating the recipe.\ndisk I/O error\n\nupdate"));
    EXPECT_LE(shownText.size(), 420);
    EXPECT_TRUE(details.startsWith("Error 301 occurred while updating the recipe.\ndisk I/O error\n\nupdate"));
    EXPECT_TRUE(details.endsWith(QString("x\u2026\n(%1 more characters)")
                                     .arg(head.size() + statement.size() - kBoxDetailsCharacters)));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(shownSize.width(), screen.width());
    EXPECT_LE(shownSize.height(), screen.height());
}

TEST(QtMessageBoxes, AShortMessageHasNoDetailsAndALongWordIsBrokenToFit) {
    BuiltMessageBox plain = buildMsgBox(MsgBoxRequest{"Error 300 occurred while updating the recipe.", 0, ""}, nullptr);
    EXPECT_TRUE(plain.box->detailedText().isEmpty());
    BuiltMessageBox word = buildMsgBox(MsgBoxRequest{std::string(250, 'y'), 0, ""}, nullptr);
    EXPECT_EQ(word.box->text(), QString(100, 'y') + "\n" + QString(100, 'y') + "\n" + QString(50, 'y'));
}

}  // namespace
