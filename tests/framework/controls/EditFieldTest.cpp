// EditField text rules: TextChange for every real change (user or code) and
// never for style or the same text; SelChange only for the user's changes;
// CR between paragraphs; positions in characters.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextEdit>
#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/FieldTextEdit.h"
#include "framework/ui/controls/TextEditorAdapter.h"
#include "framework/ui/controls/TextPositions.h"
#include "tests/framework/controls/ControlTestSupport.h"
#include "tests/support/DropEvents.h"
#include "tests/support/UiDriver.h"

namespace {

struct FieldFixture : ::testing::TestWithParam<bool> {
    TestWindow window;
    EditField* field = nullptr;
    std::vector<std::string> textChanges;
    int selChanges = 0;

    void SetUp() override {
        window.finishBuilding();
        field = window.add<EditField>("field");
        field->MultiLine = GetParam();
        field->Width = 200;
        field->Height = 60;
        field->TextChange = [this] { textChanges.push_back(field->Text()); };
        field->SelChange = [this] { ++selChanges; };
    }
    QWidget* editor() { return field->adapter().widget(); }
};

}  // namespace

TEST_P(FieldFixture, TextChangeForRealChangesByUserOrCodeOnly) {
    field->Text = "flour";
    field->Text = "flour";
    EXPECT_EQ(textChanges, (std::vector<std::string>{"flour"})) << "the same text raises nothing";

    field->Bold = true;
    field->TextSize = 18;
    field->Alignment = 2;
    field->TextColor = 0xFF0000;
    EXPECT_EQ(textChanges.size(), 1u) << "style changes raise nothing";

    field->SelStart = 5;
    typeText(editor(), "s");
    EXPECT_EQ(textChanges.back(), "flours");
    field->SelText = "!";
    EXPECT_EQ(textChanges.back(), "flours!");
    field->Text = "";
    EXPECT_EQ(textChanges.back(), "");
    EXPECT_EQ(textChanges.size(), 4u);
}

TEST_P(FieldFixture, SelChangeOnlyForTheUsersChanges) {
    field->Text = "sugar";
    field->SelStart = 1;
    field->SelLength = 3;
    EXPECT_EQ(selChanges, 0) << "code moves the selection silently";
    EXPECT_EQ(field->SelText(), "uga");

    int nested = 0;
    field->TextChange = [&] {
        ++nested;
        field->SelStart = characterCount(field->Text());  // what the amount field does
    };
    field->SelStart = 5;
    typeText(editor(), "s");
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(field->SelStart(), 6);
    EXPECT_EQ(selChanges, 1) << "typing moved the caret once";

    sendKey(editor(), Qt::Key_Left);
    EXPECT_EQ(selChanges, 2);
    EXPECT_EQ(field->SelStart(), 5);
}

TEST_P(FieldFixture, PositionsCountCharactersNotUtf16Units) {
    field->Text = "a\U0001F370bc";
    field->SelStart = 2;
    field->SelLength = 2;
    EXPECT_EQ(field->SelText(), "bc");
    field->SelStart = 0;
    field->SelLength = 2;
    EXPECT_EQ(field->SelText(), "a\U0001F370");
    field->SelStart = 99;
    EXPECT_EQ(field->SelStart(), 4) << "clamped to the end";
    EXPECT_EQ(field->SelLength(), 0);
}

TEST_P(FieldFixture, ReadOnlyAndEditMenuSupport) {
    field->Text = "butter";
    field->SelStart = 0;
    field->SelLength = 3;
    EXPECT_TRUE(field->canStandardEdit("EditCopy"));
    EXPECT_TRUE(field->canStandardEdit("EditCut"));
    field->ReadOnly = true;
    EXPECT_FALSE(field->canStandardEdit("EditCut"));
    EXPECT_TRUE(field->canStandardEdit("EditCopy"));
    field->ReadOnly = false;
    EXPECT_TRUE(field->doStandardEdit("EditClear"));
    EXPECT_EQ(field->Text(), "ter");
    EXPECT_EQ(textChanges.back(), "ter");
}

// A press or key the field declines goes on to the editor; however many of
// the editor's inner widgets it passes through, the field hears it once.
TEST_P(FieldFixture, ADeclinedPressOrKeyIsRaisedOncePerRealEvent) {
    UiDriver ui;
    window.Show();
    int downs = 0;
    std::string keys;
    field->MouseDown = [&](int32_t, int32_t) {
        ++downs;
        return false;
    };
    field->KeyDown = [&](std::string key) {
        keys += key;
        return false;
    };
    ui.click(*field, 20, 10);
    EXPECT_EQ(downs, 1);
    ui.click(*field, 20, 10, UiDriver::None, true);
    EXPECT_EQ(downs, 2) << "contextual click";
    ui.type(*field, "ab");
    EXPECT_EQ(keys, "ab");
    EXPECT_EQ(field->Text(), "ab");
}

TEST_P(FieldFixture, BackColorIsWhatTheFieldShowsBehindItsText) {
    field->Border = false;
    field->BackColor = 0x00FF00;
    const QImage shown = editor()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(0, 255, 0));
}

INSTANTIATE_TEST_SUITE_P(SingleAndMultiLine, FieldFixture, ::testing::Values(false, true));

TEST(EditFieldMultiLine, ParagraphsAreCrAndNoBreakSpacesSurvive) {
    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("recipeText");
    field->MultiLine = true;
    field->Text = "Mix\r\nbake\nserve\rat 180\u00a0\u00b0C";
    EXPECT_EQ(field->Text(), "Mix\rbake\rserve\rat 180\u00a0\u00b0C");
    field->SelStart = 4;
    field->SelLength = 5;
    EXPECT_EQ(field->SelText(), "bake\r");
    EXPECT_EQ(field->textEdit()->document()->blockCount(), 4);
}

TEST(EditFieldMultiLine, SwitchingToMultiLineKeepsTextAndSettings) {
    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("name");
    field->Text = "Soup";
    field->ReadOnly = true;
    field->MultiLine = true;
    ASSERT_NE(field->textEdit(), nullptr);
    EXPECT_EQ(field->Text(), "Soup");
    EXPECT_TRUE(field->textEdit()->isReadOnly());
    field->MultiLine = false;
    EXPECT_EQ(field->textEdit(), nullptr);
    EXPECT_EQ(field->Text(), "Soup");

    field->MultiLine = true;
    field->ReadOnly = false;
    window.Show();
    std::string keys;
    field->KeyDown = [&](std::string k) {
        keys += k;
        return false;
    };
    UiDriver ui;
    ui.type(*field, "!");
    EXPECT_EQ(keys, "!") << "the new editor's keys reach the field";
    EXPECT_EQ(field->Text(), "!Soup");
}

TEST(EditFieldMultiLine, LimitTextStopsTypingAndPastingBeyondIt) {
    TestWindow window;
    window.finishBuilding();
    for (bool multi : {false, true}) {
        auto* field = window.add<EditField>(multi ? "multi" : "single");
        field->MultiLine = multi;
        field->LimitText = 3;
        typeText(field->adapter().widget(), "abcd");
        EXPECT_EQ(field->Text(), "abc") << (multi ? "multi-line" : "single-line");
    }
}

TEST(EditFieldKeys, KeyDownSeesTheKeyFirstAndTrueConsumesIt) {
    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("monto");
    window.Show();
    field->SetFocus();
    std::string seen;
    field->KeyDown = [&](std::string key) {
        seen += key;
        return key == "-";  // refuse minus signs
    };
    typeText(field->adapter().widget(), "1-2");
    EXPECT_EQ(seen, "1-2");
    EXPECT_EQ(field->Text(), "12");
}

TEST(EditFieldMultiLine, ScrollPositionCountsLaidOutLines) {
    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("bigRecipeText");
    field->MultiLine = true;
    field->ScrollbarVertical = true;
    field->Width = 200;
    field->Height = 60;
    std::string text;
    for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r";
    field->Text = text;
    window.Show();
    EXPECT_EQ(field->ScrollPosition(), 0);
    field->ScrollPosition = 10;
    EXPECT_EQ(field->ScrollPosition(), 10);
    field->ScrollPosition = field->ScrollPosition - 10;
    EXPECT_EQ(field->ScrollPosition(), 0);
}

TEST(EditFieldKeys, TabIsTextOnlyWhenTheFieldAcceptsTabs) {
    TestWindow window;
    window.finishBuilding();
    auto* text = window.add<EditField>("RecipeText");
    text->MultiLine = true;
    auto* name = window.add<EditField>("recipeName");
    name->MultiLine = true;
    window.Show();
    UiDriver ui;
    text->AcceptTabs = true;
    ui.type(*text, "a\tb");
    EXPECT_EQ(text->Text(), "a\tb");
    ui.type(*name, "a\tb");
    EXPECT_EQ(name->Text(), "ab");
}

TEST(EditFieldMultiLine, APastedOrDroppedTextFileInsertsItsTextNotItsName) {
    QTemporaryDir dir;
    QFile file(dir.filePath("soup.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Leek\r\nPotato\xe9");  // not UTF-8: read as Windows-1252
    file.close();

    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("RecipeText");
    field->MultiLine = true;
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(file.fileName())});
    data->setText(file.fileName());
    QApplication::clipboard()->setMimeData(data);
    ASSERT_TRUE(field->doStandardEdit("EditPaste"));
    EXPECT_EQ(field->Text(), "Leek\rPotato\u00e9");
}

TEST(EditFieldGeometry, SmallFieldsKeepTheirDesignSize) {
    TestWindow window;
    window.finishBuilding();
    auto* multi = window.add<EditField>("recipeKeywords");
    multi->MultiLine = true;
    multi->Width = 40;
    multi->Height = 16;
    auto* single = window.add<EditField>("fontSize");
    single->Width = 20;
    single->Height = 12;
    window.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(multi->widget()->size(), QSize(40, 16));
    EXPECT_EQ(multi->adapter().widget()->size(), QSize(40, 16));
    EXPECT_EQ(single->widget()->size(), QSize(20, 12));
    EXPECT_EQ(single->adapter().widget()->size(), QSize(20, 12));
}

// A one-line field never takes a line break from outside: what is pasted or
// dropped loses the breaks at its ends and each run inside becomes one space,
// in one step the user can undo. A multi-line field keeps its lines.
TEST(EditFieldSingleLine, PastedAndDroppedLinesBecomeOneLine) {
    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("field");
    field->Text = "Soup: ";
    field->SelStart = 6;
    QApplication::clipboard()->setText("Leek\r\n\r\nPotato\u2029and cream\n");
    ASSERT_TRUE(field->doStandardEdit("EditPaste"));
    EXPECT_EQ(field->Text(), "Soup: Leek Potato and cream");
    auto* line = qobject_cast<QLineEdit*>(field->adapter().widget());
    line->undo();
    EXPECT_EQ(field->Text(), "Soup: ");

    QMimeData dropped;
    dropped.setText("\nBread\nand butter");
    EXPECT_TRUE(sendDropEvents(line, QPoint(line->width() - 2, line->height() / 2), dropped));
    EXPECT_EQ(field->Text(), "Soup: Bread and butter");

    auto* multi = window.add<EditField>("multi");
    multi->MultiLine = true;
    ASSERT_TRUE(multi->doStandardEdit("EditPaste"));
    EXPECT_EQ(multi->Text(), "Leek\r\rPotato\rand cream\r");
}

// A file copied in a file manager pastes its text only when it is a text
// file: a photo's bytes never become the recipe's text, and Paste is not
// offered for it. A link to elsewhere pastes as the text it comes with.
TEST(EditFieldMultiLine, OnlyTextFilesPasteTheirContents) {
    QTemporaryDir dir;
    QFile photo(dir.filePath("cake.jpg"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.write(QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01", 12));
    photo.close();

    TestWindow window;
    window.finishBuilding();
    auto* field = window.add<EditField>("RecipeText");
    field->MultiLine = true;
    field->Text = "Bake.";
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(photo.fileName())});
    data->setText(photo.fileName());
    QApplication::clipboard()->setMimeData(data);
    EXPECT_FALSE(field->canStandardEdit("EditPaste"));
    EXPECT_FALSE(field->doStandardEdit("EditPaste"));
    EXPECT_EQ(field->Text(), "Bake.");

    auto* link = new QMimeData;
    link->setUrls({QUrl("https://example.org/cake")});
    link->setText("https://example.org/cake");
    QApplication::clipboard()->setMimeData(link);
    field->SelStart = 5;
    ASSERT_TRUE(field->doStandardEdit("EditPaste"));
    EXPECT_EQ(field->Text(), "Bake.https://example.org/cake");
}
