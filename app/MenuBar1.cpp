#include "app/MenuBar1.h"

namespace {

enum class ItemClass { Plain, Quit, About };

// One row of a menu's table: "Cmd" shortcuts as the framework spells them;
// an empty shortcut means none.
struct ItemRow {
    const char* name;
    const char* text;
    const char* shortcut;
    ItemClass kind = ItemClass::Plain;
    bool autoEnable = true;
};

std::shared_ptr<MenuItem> newItem(ItemClass kind) {
    switch (kind) {
        case ItemClass::Quit: return std::make_shared<QuitMenuItem>();
        case ItemClass::About: return std::make_shared<AppleMenuItem>();
        case ItemClass::Plain: break;
    }
    return std::make_shared<MenuItem>();
}

std::shared_ptr<MenuItem> makeItem(const ItemRow& row) {
    auto item = newItem(row.kind);
    item->Name = row.name;
    item->AutoEnable = row.autoEnable;
    item->Text = row.text;
    item->KeyboardShortcut = row.shortcut;
    return item;
}

// The menu's own item first, appended to the bar; then each row appended to
// the parent found again by name: the top-level menu, or one of its
// submenus when the row names one (the submenu head is appended before its
// items, so the lookup finds it).
struct PlacedRow {
    const char* submenu;  // nullptr = directly in the menu
    ItemRow row;
};

void buildMenu(MenuBar& bar, const char* menuName, const char* caption, std::initializer_list<PlacedRow> rows) {
    bar.Append(makeItem({menuName, caption, ""}));
    for (const PlacedRow& placed : rows) {
        std::shared_ptr<MenuItem> parent = bar.Child(menuName);
        if (placed.submenu) parent = parent->Child(placed.submenu);
        parent->Append(makeItem(placed.row));
    }
}

}  // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
}

void MenuBar1::Untitled0() {
    buildMenu(*this, "FileMenu", "&File",
              {
                  {nullptr, {"RecipeNewRecipe", "New Recipe", "Cmd+N"}},
                  {nullptr, {"FileClose", "Close", "Cmd+W"}},
                  {nullptr, {"UntitledSeparator2", "-", ""}},
                  {nullptr, {"FileBackupDatabase", "Backup database", ""}},
                  {nullptr, {"FileRestorefrombackup", "Restore backup...", ""}},
                  {nullptr, {"FileExportrecipes", "Export recipes...", ""}},
                  {nullptr, {"UntitledSeparator", "-", ""}},
                  {nullptr, {"FilePageSetup", "Page Setup...", "Cmd+Shift+P"}},
                  {nullptr, {"FileAppkFilePrint", "Print...", "Cmd+P"}},
                  {nullptr, {"FileQuit", "&Quit", "Cmd+Q", ItemClass::Quit}},
                  {nullptr, {"FileAboutLarderwise", "About Larderwise...", "", ItemClass::About}},
              });
}

void MenuBar1::Untitled1() {
    buildMenu(*this, "EditMenu", "&Edit",
              {
                  // Nothing in the program undoes; the text fields keep their own Ctrl+Z.
                  {nullptr, {"EditUndo", "&Undo", "Cmd+Z", ItemClass::Plain, false}},
                  {nullptr, {"UntitledMenu1", "-", ""}},
                  {nullptr, {"EditCut", "Cu&t", "Cmd+X"}},
                  {nullptr, {"EditCopy", "&Copy", "Cmd+C"}},
                  {nullptr, {"EditPaste", "&Paste", "Cmd+V"}},
                  {nullptr, {"EditClear", "Clear", "Cmd+Shift+B"}},
                  {nullptr, {"RecipeDeleteRecipe", "Delete Recipe...", ""}},
                  {nullptr, {"UntitledMenu0", "-", ""}},
                  {nullptr, {"EditSelectAll", "Select &All", "Cmd+A"}},
              });
}

void MenuBar1::Untitled2() {
    buildMenu(*this, "FormatMenu", "Format",
              {
                  {nullptr, {"FormatFont", "Font", ""}},
                  {"FormatFont", {"FontShowFonts", "Show Fonts", "Cmd+T"}},
                  {"FormatFont", {"StyleBold", "Bold", "Cmd+B"}},
                  {"FormatFont", {"StyleItalic", "Italic", "Cmd+I"}},
                  {"FormatFont", {"StyleUnderline", "Underline", "Cmd+U"}},
                  {"FormatFont", {"FontPlainText", "Plain Text", "Cmd+Shift+T"}},
                  {"FormatFont", {"UntitledSeparator4", "-", ""}},
                  {"FormatFont", {"SizeBigger", "Bigger", "Cmd++"}},
                  {"FormatFont", {"SizeSmaller", "Smaller", "Cmd+-"}},
                  {"FormatFont", {"UntitledSeparator5", "-", ""}},
                  {"FormatFont", {"FormatColor", "Show Colors", "Cmd+Shift+C"}},
                  {nullptr, {"FormatText", "Text", ""}},
                  {"FormatText", {"TextAlignLeft", "Align Left", "Cmd+{"}},
                  {"FormatText", {"TextCenter", "Center", "Cmd+|"}},
                  {"FormatText", {"TextAlignRight", "Align Right", "Cmd+}"}},
              });
}

void MenuBar1::Untitled3() {
    buildMenu(*this, "RecipeMenu", "Recipe",
              {
                  {nullptr, {"RecipeNextRecipe", "Next Recipe", "Cmd+]"}},
                  {nullptr, {"RecipePreviousRecipe", "Previous Recipe", "Cmd+["}},
                  {nullptr, {"UntitledSeparator1", "-", ""}},
                  {nullptr, {"UtilitySpeakselection", "Speak selection", ""}},
                  // Enabled by the main window only while a recipe is selected.
                  {nullptr, {"RecipeKitchenmode", "Kitchen mode", "Cmd+K", ItemClass::Plain, false}},
                  {nullptr, {"UntitledSeparator0", "-", ""}},
                  {nullptr, {"RecipeUnitConverter", "Unit Converter...", "Cmd+Shift+U"}},
              });
}

void MenuBar1::Untitled4() {
    buildMenu(*this, "HelpMenu", "Help", {{nullptr, {"HelpProgramHelp", "Program Help", "Cmd+?"}}});
}

namespace {
std::shared_ptr<class MenuBar1>& instance() {
    // A plain pointer to a holder, never destroyed as a static: the bar is
    // released explicitly at exit, before the toolkit goes away.
    static auto* holder = new std::shared_ptr<class MenuBar1>;
    return *holder;
}
}  // namespace

std::shared_ptr<class MenuBar1> MenuBar1() {
    if (!instance()) instance() = std::make_shared<class MenuBar1>();
    return instance();
}

void releaseMenuBar1() { instance().reset(); }
