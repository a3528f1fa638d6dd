// The main window as it is built: window properties, the fourteen controls
// with their design values, and the binding of their events to the window's
// handlers.
#include "app/MenuBar1.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "controls/splitter/SmartSplitter.h"
#include "framework/ui/ControlPlacement.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/text/Strings.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StaticText.h"
#include "recipe_window/Main.h"

namespace {

void styleSplitter(SmartSplitter& s, int32_t maxLimit, int32_t minLimit) {
    s.MaxLimit = maxLimit;
    s.MinLimit = minLimit;
    s.MaxLimitOffset = 0;
    s.MinLimitOffset = 0;
    s.StopAtMinOffset = true;
    s.StopAtMaxOffset = true;
    s.StayProportional = false;
    s.handleLarge = false;
    s.handleDimple = false;
    s.doNotAttachEmbeddedControls = false;
    s.showWarningsDialogs = false;
    s.DisableLiveDrag = false;
    s.AcceptFocus = false;
    s.UseFocusRing = true;
    s.EraseBackground = true;
}

void styleBevelButton(BevelButton& b, const std::string& caption, const std::string& help) {
    b.Caption = caption;
    b.Bold = true;
    b.TextFont = std::string("SmallSystem");
    b.TextSize = 0;
    b.CaptionAlign = 3;
    b.CaptionPlacement = 1;
    b.CaptionDelta = 0;
    b.BevelCode = 3;
    b.ButtonType = 0;
    b.HasMenu = 0;
    b.Value = false;
    b.IconAlign = 1;
    b.IconDX = 0;
    b.IconDY = 0;
    b.AcceptFocus = false;
    b.HelpTag = help;
}

// The name, keywords and text fields share everything but font, scrolling
// and tabs: multi-line, bordered, black on white, plain until told otherwise.
void styleTextField(EditField& f, const std::string& font, double size, bool bold, const std::string& help) {
    f.MultiLine = true;
    f.Text = std::string();
    f.TextFont = font;
    f.TextSize = size;
    f.Bold = bold;
    f.TextColor = 0x000000;
    f.Border = true;
    f.ScrollbarVertical = false;
    f.ScrollbarHorizontal = false;
    f.AcceptTabs = false;
    f.ReadOnly = false;
    f.Password = false;
    f.LimitText = 0;
    f.Alignment = 0;
    f.UseFocusRing = true;
    f.HelpTag = help;
}

void styleLabel(StaticText& t, const std::string& text, int32_t align, const std::string& help = std::string()) {
    t.Text = text;
    t.TextAlign = align;
    t.TextColor = 0x000000;
    t.TextFont = std::string("SmallSystem");
    t.TextSize = 0;
    t.Multiline = false;
    t.HelpTag = help;
}

}  // namespace

MainWindow& Main() { return implicitInstance<MainWindow>(); }

MainWindow::MainWindow() {
    MenuBar = MenuBar1();
    Width = 750;
    Height = 445;
    MinWidth = 640;
    MinHeight = 200;
    MaxWidth = 3000;
    MaxHeight = 2000;
    Frame = static_cast<int32_t>(DocumentFrame);
    Placement = 0;
    Title = std::string("Larderwise");
    // Opened at its usual place, the window's right edge and close button
    // would lie beyond a screen narrower than 860 pixels. Its size is the
    // open event's to fit: only the position is kept on screen.
    keepFrameOnScreen(true, false);
    // Shown by the application once the database is open, not when built.
    Visible = false;
    // FullScreen stays False: assigning it restores the size from before full screen.
    MenuBarVisible = true;
    CloseButton = true;
    Resizeable = true;
    LiveResize = true;
    Composite = true;
    HasBackColor = false;
    BackColor = 0xFFFFFF;
    MacProcId = 0;
    CreateControls();
    bindControlEvents();
    AddMenuHandlers();
}

void MainWindow::CreateControls() {
    SmartSplitter1 = add<SmartSplitter>("SmartSplitter1");
    place(*SmartSplitter1, 159, 59, 12, 360, false, true, false, true);
    styleSplitter(*SmartSplitter1, 290, 10);

    AddRecipe = add<BevelButton>("AddRecipe");
    place(*AddRecipe, 10, 422, 18, 18, false, false, false, true);
    styleBevelButton(*AddRecipe, "+", "Add a new recipe");

    recipeName = add<EditField>("recipeName");
    place(*recipeName, 171, 59, 433, 48, true, true, true, false);
    styleTextField(*recipeName, "System", 18, true, "Name of Recipe");

    recipeKeywords = add<EditField>("recipeKeywords");
    place(*recipeKeywords, 236, 115, 368, 36, true, true, true, false);
    styleTextField(*recipeKeywords, "SmallSystem", 0, false,
                   "Cuisine, origin, courses and other keywords that describe the recipe to be used in searches.");

    RecipeText = add<EditField>("RecipeText");
    place(*RecipeText, 171, 189, 565, 230, true, true, true, true);
    styleTextField(*RecipeText, "System", 12, false, "Recipe Text");
    RecipeText->Styled = true;
    RecipeText->ScrollbarVertical = true;
    RecipeText->AcceptTabs = true;

    StaticText3 = add<StaticText>("StaticText3");
    place(*StaticText3, 170, 115, 61, 18, false, false, false, false);
    styleLabel(*StaticText3, "Keywords", 2);

    SmartSplitter2 = add<SmartSplitter>("SmartSplitter2");
    place(*SmartSplitter2, 605, 59, 12, 118, false, true, true, false);
    styleSplitter(*SmartSplitter2, 0, 250);

    recipeList = add<DoubleClickListbox>("recipeList");
    place(*recipeList, 9, 59, 150, 360, false, true, false, true);
    recipeList->ColumnCount = 2;
    // The second column holds each row's rowID out of sight.
    recipeList->ColumnWidths = std::string("100%");
    recipeList->HasHeading = true;
    recipeList->InitialValue = std::string("Recipes");
    recipeList->HeadingIndex = -1;
    recipeList->SelectionType = 0;
    recipeList->RequiresSelection = true;
    recipeList->ScrollBarVertical = true;
    recipeList->ScrollBarHorizontal = false;
    recipeList->DefaultRowHeight = 18;
    recipeList->GridLinesHorizontal = 0;
    recipeList->GridLinesVertical = 0;
    recipeList->ColumnsResizable = false;
    recipeList->TextFont = std::string("SmallSystem");
    recipeList->TextSize = 0;
    recipeList->UseFocusRing = true;
    // Written with CR line ends once; tooltips break lines at LF.
    recipeList->HelpTag = ReplaceAllB(
        "List of Recipes\rClick the recipe to show it.\rHit the delete key to delete recipe.\r"
        "Double click to edit recipe name.\rType beginning letters to select recipe in list.\r",
        "\r", "\n");

    deleteSelectedRecipe = add<BevelButton>("deleteSelectedRecipe");
    place(*deleteSelectedRecipe, 36, 422, 18, 18, false, false, false, true);
    styleBevelButton(*deleteSelectedRecipe, "-", "Delete selected recipe");

    recipeCount = add<StaticText>("recipeCount");
    place(*recipeCount, 403, 422, 100, 18, false, false, true, true);
    styleLabel(*recipeCount, "", 0, "Number of recipes currently displayed in the Recipe List");

    recipePhoto = add<DoubleClickCanvas>("recipePhoto");
    place(*recipePhoto, 618, 59, 118, 118, false, true, true, false);
    recipePhoto->AcceptFocus = true;
    recipePhoto->UseFocusRing = true;
    recipePhoto->EraseBackground = true;
    recipePhoto->HelpTag = std::string("Photo of the recipe");

    StaticText4 = add<StaticText>("StaticText4");
    place(*StaticText4, 171, 157, 61, 18, false, false, false, false);
    styleLabel(*StaticText4, "Rating", 2);

    recipeRating = add<RatingWidget>("recipeRating");
    place(*recipeRating, 236, 157, 93, 22, false, false, false, false);
    recipeRating->max = 5;
    recipeRating->AcceptFocus = false;
    recipeRating->UseFocusRing = true;
    recipeRating->EraseBackground = true;
    recipeRating->HelpTag = std::string(
        "Your 1 - 5 star rating of this recipe. Click on the maximum number of stars you wish to give it and the "
        "stars to the left will highlight. To not rate a recipe, click to the left of the first star.");

    searchControl = add<RecipeSearchCntl>("RecipeSearchCntl");
    place(*searchControl, 451, 13, 292, 38, false, false, true, false);
    searchControl->LiveSearch = true;
    searchControl->ShowMagnifyingGlass = true;
    searchControl->AcceptFocus = false;
    searchControl->UseFocusRing = false;
}

void MainWindow::bindControlEvents() {
    SmartSplitter1->Open = [this] { SmartSplitter1_Open(); };
    AddRecipe->Action = [this] { AddRecipe_Action(); };
    recipeName->LostFocus = [this](FocusLoss why) { recipeName_LostFocus(why); };
    recipeName->TextChange = [this] { recipeName_TextChange(); };
    recipeName->EnableMenuItems = [this] { recipeName_EnableMenuItems(); };
    recipeKeywords->LostFocus = [this](FocusLoss why) { recipeKeywords_LostFocus(why); };
    recipeKeywords->GotFocus = [this] { recipeKeywords_GotFocus(); };
    recipeKeywords->EnableMenuItems = [this] { recipeKeywords_EnableMenuItems(); };
    RecipeText->LostFocus = [this](FocusLoss why) { RecipeText_LostFocus(why); };
    RecipeText->Open = [this] { RecipeText_Open(); };
    RecipeText->MouseMove = [this](int32_t x, int32_t y) { RecipeText_MouseMove(x, y); };
    RecipeText->MouseDown = [this](int32_t x, int32_t y) { return RecipeText_MouseDown(x, y); };
    RecipeText->DragOver = [this](int32_t x, int32_t y, std::shared_ptr<DragItem> obj, int32_t action) {
        return RecipeText_DragOver(x, y, std::move(obj), action);
    };
    RecipeText->SelChange = [this] { RecipeText_SelChange(); };
    RecipeText->EnableMenuItems = [this] { RecipeText_EnableMenuItems(); };
    SmartSplitter2->Paint = [this](::Graphics& g) { SmartSplitter2_Paint(g); };
    SmartSplitter2->Open = [this] { SmartSplitter2_Open(); };
    recipeList->KeyDown = [this](std::string key) { return recipeList_KeyDown(key); };
    recipeList->CellTextChange = [this](int32_t row, int32_t column) { recipeList_CellTextChange(row, column); };
    recipeList->CellDoubleClick = [this](int32_t row, int32_t column) { recipeList_CellDoubleClick(row, column); };
    recipeList->HeaderPressed = [this](int32_t column) { return recipeList_HeaderPressed(column); };
    recipeList->Open = [this] { recipeList_Open(); };
    recipeList->CellLostFocus = [this](int32_t row, int32_t column) { recipeList_CellLostFocus(row, column); };
    recipeList->LostFocus = [this](FocusLoss why) { recipeList_LostFocus(why); };
    recipeList->MouseEnter = [this] { recipeList_MouseEnter(); };
    recipeList->Change = [this] { recipeList_Change(); };
    recipeList->EnableMenuItems = [this] { recipeList_EnableMenuItems(); };
    deleteSelectedRecipe->Action = [this] { deleteSelectedRecipe_Action(); };
    recipePhoto->Open = [this] { recipePhoto_Open(); };
    recipePhoto->LostFocus = [this](FocusLoss why) { recipePhoto_LostFocus(why); };
    recipePhoto->DropObject = [this](std::shared_ptr<DragItem> obj, int32_t action) {
        recipePhoto_DropObject(std::move(obj), action);
    };
    recipePhoto->Paint = [this](::Graphics& g) { recipePhoto_Paint(g); };
    recipePhoto->MouseDown = [this](int32_t x, int32_t y) { return recipePhoto_MouseDown(x, y); };
    recipePhoto->DoubleClick = [this] { recipePhoto_DoubleClick(); };
    recipeRating->MouseUp = [this](int32_t x, int32_t y) { recipeRating_MouseUp(x, y); };
    recipeRating->EnableMenuItems = [this] { recipeRating_EnableMenuItems(); };
    searchControl->Search = [this](std::string text, std::string where) { RecipeSearchCntl_Search(text, where); };
}

EditField& MainWindow::Searchfield() const { return *searchControl->child<EditField>("Searchfield"); }

MenuItem* MainWindow::FormatMenu() const { return MenuBar.get() ? MenuBar.get()->FindItem("FormatMenu") : nullptr; }

MenuItem* MainWindow::RecipeKitchenmode() const {
    return MenuBar.get() ? MenuBar.get()->FindItem("RecipeKitchenmode") : nullptr;
}
