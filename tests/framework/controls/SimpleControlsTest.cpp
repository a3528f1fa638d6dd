// The smaller controls: labels show text literally, pop-up menus raise
// Change only for real changes, containers find children by name and move
// them, tab pages map window coordinates, and class tests tell them apart.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextStream>

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/ContainerControl.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/HTMLViewer.h"
#include "framework/ui/controls/Line.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/MinimalControls.h"
#include "framework/ui/controls/PopupMenu.h"
#include "framework/ui/controls/PushButton.h"
#include "framework/ui/controls/Separator.h"
#include "framework/ui/controls/Slider.h"
#include "framework/ui/controls/StaticText.h"
#include "framework/ui/controls/TabPanel.h"
#include "framework/ui/controls/TextEditorAdapter.h"
#include "tests/framework/controls/ControlTestSupport.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

namespace {

struct Built : ::testing::Test {
    TestWindow window;
    void SetUp() override { window.finishBuilding(); }
};

// A container that names its own children, like the search field.
class SearchBox : public ContainerControl {
protected:
    void CreateControls() override {
        auto* field = add<EditField>("Searchfield");
        field->Left = 28;
        field->Top = 4;
        field->Width = 200;
        auto* placeholder = add<StaticText>("Placeholder");
        placeholder->Left = 30;
        placeholder->Top = 5;
    }
};

}  // namespace

TEST_F(Built, StaticTextShowsMarkupLiterallyAndBreaksAtCr) {
    auto* label = window.add<StaticText>("label");
    label->Text = "<b>x</b>\rline two";
    auto* q = static_cast<QLabel*>(label->widget());
    EXPECT_EQ(q->textFormat(), Qt::PlainText);
    EXPECT_EQ(q->text(), QString("<b>x</b>\nline two"));
    label->TextAlign = 2;
    EXPECT_TRUE(q->alignment() & Qt::AlignRight);
    label->TextAlign = 1;
    EXPECT_TRUE(q->alignment() & Qt::AlignHCenter);
}

TEST_F(Built, PopupMenuRaisesChangeOnlyForRealChanges) {
    auto* popup = window.add<PopupMenu>("textSize");
    popup->InitialValue = "18\r20\r24\r28\r30";
    EXPECT_EQ(popup->ListIndex(), -1) << "adding items chooses none";
    popup->ListIndex = 4;  // design value, before any handler is bound
    int changes = 0;
    popup->Change = [&] { ++changes; };
    EXPECT_EQ(popup->Text(), "30");
    popup->ListIndex = 4;
    EXPECT_EQ(changes, 0);
    static_cast<QComboBox*>(popup->widget())->setCurrentIndex(1);  // the user picks 20
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(popup->Text(), "20");
    popup->ListIndex = 0;
    EXPECT_EQ(changes, 2);
    popup->AddRow("36");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(popup->List(9), "");
}

TEST_F(Built, ContainerChildrenByNameInContainerCoordinatesMoveWithIt) {
    auto* box = window.add<SearchBox>("RecipeSearchCntl");
    box->Width = 292;
    box->Height = 38;
    box->Left = 451;
    box->Top = 13;
    auto* field = box->child<EditField>("searchfield");
    EXPECT_EQ(field->Left(), 451 + 28);
    EXPECT_EQ(field->Top(), 13 + 4);
    EXPECT_EQ(field->Parent(), box);
    EXPECT_THROW(box->child<EditField>("Placeholder"), NilObjectException) << "wrong class";
    EXPECT_THROW(box->child("missing"), NilObjectException);
    EXPECT_EQ(window.control<EditField>("Searchfield"), field);
    // Creation order is stacking order: the placeholder lies over the field.
    QWidget* host = box->widget();
    EXPECT_LT(host->children().indexOf(field->widget()),
              host->children().indexOf(box->child("Placeholder")->widget()));

    std::string opens;
    for (RectControl* c : std::vector<RectControl*>{box, field, box->child("Placeholder")})
        c->Open = [&opens, c] { opens += c->Name() + " "; };
    window.Show();
    EXPECT_EQ(opens, "Searchfield Placeholder RecipeSearchCntl ") << "children open before their container";
}

TEST_F(Built, TabPanelPagesMapWindowCoordinates) {
    auto* tabs = window.add<TabPanel>("TabPanel1");
    place(*tabs, 20, 10, 440, 280);
    tabs->Append("Unit Conversions");
    tabs->Append("Equivalency");
    auto* sheet = window.add<EditField>("EditField1", tabs);
    sheet->TabPanelIndex = 1;
    sheet->Left = 52;
    sheet->Top = 52;
    auto* amount = window.add<EditField>("monto", tabs);
    amount->Left = 172;
    amount->Top = 313 - 60;
    window.Show();
    QPoint origin = tabs->childOrigin(*sheet);
    EXPECT_EQ(sheet->widget()->pos(), QPoint(52 - origin.x(), 52 - origin.y()));
    EXPECT_NE(sheet->widget()->parentWidget(), amount->widget()->parentWidget());
    EXPECT_EQ(sheet->widget()->parentWidget(), tabs->childHost(*sheet));
    EXPECT_EQ(sheet->Left(), 52) << "window coordinates are kept";

    int changes = 0;
    tabs->Change = [&] { ++changes; };
    tabs->Value = 1;
    tabs->Value = 1;
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tabs->Value(), 1);
}

TEST_F(Built, SliderClampsAndReportsEachRealChange) {
    auto* slider = window.add<Slider>("FontSizeSlider");
    slider->Width = 12;
    slider->Height = 231;
    slider->Minimum = 6;
    slider->Maximum = 72;
    slider->Value = 11;
    int changes = 0;
    slider->ValueChanged = [&] { ++changes; };
    slider->Value = 15;
    slider->Value = 15;
    slider->Value = 500;
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(slider->Value(), 72);
    EXPECT_EQ(static_cast<QSlider*>(slider->widget())->orientation(), Qt::Vertical);
}

TEST_F(Built, ClassTestsTellControlsApart) {
    std::vector<RectControl*> all = {
        window.add<Canvas>("a"),    window.add<EditField>("b"), window.add<Listbox>("c"),
        window.add<StaticText>("d"), window.add<PopupMenu>("e"), window.add<Line>("f"),
        window.add<TabPanel>("g"),  window.add<GroupBox>("h"),  window.add<Rectangle>("i"),
        window.add<CheckBox>("j"),  window.add<RadioButton>("k"), window.add<Separator>("l"),
        window.add<Placard>("m"),   window.add<ImageWell>("n"), window.add<PushButton>("o"),
        window.add<BevelButton>("p")};
    int canvases = 0, fields = 0, checks = 0;
    for (RectControl* c : all) {
        canvases += dynamic_cast<Canvas*>(c) != nullptr;
        fields += dynamic_cast<EditField*>(c) != nullptr;
        checks += dynamic_cast<CheckBox*>(c) != nullptr;
    }
    EXPECT_EQ(canvases, 1);
    EXPECT_EQ(fields, 1);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(dynamic_cast<RadioButton*>(all[9]), nullptr);
    EXPECT_EQ(window.ControlCount(), 16);
}

TEST_F(Built, LineBoxFollowsItsEnds) {
    auto* line = window.add<Line>("Line1");
    line->X1 = 0;
    line->Y1 = 20;
    line->X2 = 217;
    line->Y2 = 20;
    EXPECT_EQ(line->Left(), 0);
    EXPECT_EQ(line->Top(), 20);
    EXPECT_EQ(line->Width(), 218);
    EXPECT_EQ(line->Height(), 1);
}

TEST_F(Built, HtmlViewerLoadsPagesAndReportsTheirTitles) {
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QString& html) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QTextStream(&f) << html;
    };
    write("index.html", "<html><head><title>Larderwise Help</title></head><body>"
                        "<a href='two.html'>next</a></body></html>");
    write("two.html", "<html><head><title></title></head><body>two</body></html>");
    auto* viewer = window.add<HTMLViewer>("helpViewer");
    std::vector<std::string> titles;
    viewer->TitleChanged = [&](std::string t) { titles.push_back(t); };
    EXPECT_TRUE(viewer->IsAvailable());
    viewer->LoadURL(QUrl::fromLocalFile(dir.filePath("index.html")).toString().toStdString());
    viewer->LoadURL(dir.filePath("two.html").toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"Larderwise Help", ""}));
    viewer->LoadURL(dir.filePath("index.html").toStdString());
    emit viewer->browser()->anchorClicked(QUrl("two.html"));  // the user follows the link
    EXPECT_EQ(viewer->browser()->source().fileName(), QString("two.html"));

    ScopedScriptedUi ui;
    emit viewer->browser()->anchorClicked(QUrl("https://example.org/"));
    EXPECT_EQ(ui->openedURLs(), (std::vector<std::string>{"https://example.org/"}));
    EXPECT_EQ(viewer->browser()->source().fileName(), QString("two.html")) << "web pages open on the desktop";
    EXPECT_TRUE(viewer->canStandardEdit("EditSelectAll"));
    EXPECT_FALSE(viewer->canStandardEdit("EditPaste"));
}

TEST_F(Built, DefaultButtonTakesAReturnNoControlTook) {
    auto* text = window.add<EditField>("bigRecipeText");
    text->MultiLine = true;
    text->ReadOnly = true;
    auto* read = window.add<PushButton>("readRecipe");
    read->Default = true;
    int pushes = 0;
    read->Action = [&] { ++pushes; };
    window.Show();
    text->SetFocus();
    sendKey(text->adapter().widget(), Qt::Key_Return, "\r");
    EXPECT_EQ(pushes, 1);
    read->Default = false;
    sendKey(text->adapter().widget(), Qt::Key_Return, "\r");
    EXPECT_EQ(pushes, 1);
}

TEST_F(Built, StaticTextPressAcceptedByMouseDownBringsMouseUp) {
    UiDriver ui;
    auto* link = window.add<StaticText>("webLink");
    link->Width = 120;
    link->Height = 18;
    link->Text = "www.example.org";
    window.Show();
    std::string journal;
    link->MouseDown = [&](int32_t, int32_t) {
        journal += "down ";
        return true;
    };
    link->MouseUp = [&](int32_t x, int32_t) { journal += "up " + std::to_string(x); };
    ui.press(*link, 10, 5);
    ui.release(*link, 300, 5);  // released far outside: still this label's
    EXPECT_EQ(journal, "down up 300");
}
