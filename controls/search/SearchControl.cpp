#include "controls/search/SearchControl.h"

#include "controls/search/ScopeMenu.h"
#include "framework/graphics/Color.h"
#include "framework/menus/MenuItem.h"
#include "framework/text/Strings.h"
#include "framework/ui/ControlPlacement.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StaticText.h"

SearchControl::SearchControl()
    : SearchMenuItems(std::string()),
      LiveSearch(true),
      mSearchWhere(std::string()),
      CheckedSearchMenuitem(0),
      SearchWhere([this] { return mSearchWhere.get(); },
                  [this](const std::string& scope) {
                      mSearchWhere = scope;
                      setPlaceholderText(scope);
                  }),
      ShowMagnifyingGlass(true) {
    // The container's own design; the embedding window then places it.
    place(*this, 32, 32, 292, 38, false, false, true, false);
    AcceptFocus = false;
    UseFocusRing = false;
}

void SearchControl::CreateControls() {
    // Written relative to wherever the container stands now.
    const int32_t x = Left.get(), y = Top.get();
    bgCanvas_ = add<Canvas>("BgCanvas");
    place(*bgCanvas_, x + 0, y + 6, 286, 26, true, false, true, false);
    bgCanvas_->AcceptFocus = false;
    bgCanvas_->EraseBackground = true;

    // A single-line field: the EditField default, so no rebuild of its editor.
    searchfield_ = Window()->add<EditField>("Searchfield", bgCanvas_);
    place(*searchfield_, x + 28, y + 9, 230, 18, true, false, true, false);
    searchfield_->Border = false;
    searchfield_->UseFocusRing = false;
    searchfield_->AcceptTabs = false;
    searchfield_->TextFont = std::string("System");
    searchfield_->TextSize = 0.0;
    searchfield_->TextColor = Color(0x000000);
    searchfield_->BackColor = Color(0xFFFFFF);

    cancelWidget_ = Window()->add<Canvas>("CancelWidget", bgCanvas_);
    place(*cancelWidget_, x + 268, y + 10, 14, 14, false, false, true, false);
    cancelWidget_->AcceptFocus = false;
    cancelWidget_->EraseBackground = true;

    placeholder_ = Window()->add<StaticText>("Placeholder", bgCanvas_);
    place(*placeholder_, x + 28, y + 7, 220, 20, false, false, false, false);
    placeholder_->Text = placeholderText_.value_or("Placeholder");
    placeholder_->TextAlign = 0;
    placeholder_->Multiline = false;
    placeholder_->TextFont = std::string("System");
    placeholder_->TextSize = 0.0;
    placeholder_->TextColor = Color(0x000000);

    bgCanvas_->Paint = [this](::Graphics& g) { BgCanvas_Paint(g); };
    bgCanvas_->MouseDown = [this](int32_t mx, int32_t my) { return BgCanvas_MouseDown(mx, my); };
    searchfield_->MouseDown = [this](int32_t mx, int32_t my) { return Searchfield_MouseDown(mx, my); };
    searchfield_->TextChange = [this] { Searchfield_TextChange(); };
    searchfield_->KeyDown = [this](std::string key) { return Searchfield_KeyDown(key); };
    searchfield_->LostFocus = [this] { Searchfield_LostFocus(); };
    searchfield_->GotFocus = [this] { Searchfield_GotFocus(); };
    searchfield_->SelChange = [this] { Searchfield_SelChange(); };
    cancelWidget_->Paint = [this](::Graphics& g) { CancelWidget_Paint(g); };
    cancelWidget_->MouseDown = [this](int32_t mx, int32_t my) { return CancelWidget_MouseDown(mx, my); };
    cancelWidget_->Open = [this] { CancelWidget_Open(); };
    placeholder_->MouseDown = [this](int32_t mx, int32_t my) { return Placeholder_MouseDown(mx, my); };
    placeholder_->Open = [this] { Placeholder_Open(); };
}

// --- operations -----------------------------------------------------------------

void SearchControl::SetSearchMenu(const std::string& items, int32_t n) {
    SearchMenuItems = items;
    const int32_t count = CountFields(items, ",");
    if (n >= 1 && n <= count) {
        const std::string field = NthField(items, ",", n);
        if (StrEq(field, "-")) {
            CheckedSearchMenuitem = 0;
        } else {
            CheckedSearchMenuitem = n;
            SearchWhere = field;
        }
    } else {
        // Nothing numbered; the placeholder goes blank though the scope stays.
        CheckedSearchMenuitem = 0;
        setPlaceholderText("");
    }
}

void SearchControl::ClearSearchText() {
    // The text change hides the cancel widget and, with LiveSearch, searches
    // once; the search below runs whatever LiveSearch says.
    searchfield_->Text = std::string();
    raiseSearch();
    cancelWidget_->Visible = false;
    clearWindowFocus();
    // The focus may have left the field before, with text in it: then no
    // focus loss shows the placeholder, and the empty field must show it.
    if (Len(searchfield_->Text.get()) == 0) placeholder_->Visible = true;
    RefreshControl();
}

void SearchControl::RefreshControl() { RefreshRect(0, 0, Width.get(), Height.get(), true); }

// --- handlers ---------------------------------------------------------------------

bool SearchControl::BgCanvas_MouseDown(int32_t x, int32_t) {
    if (x >= kMenuHotZone || SearchMenuItems.get().empty()) return false;
    const std::shared_ptr<MenuItem> menu = buildScopeMenu(SearchMenuItems.get(), SearchWhere.get());
    // At the pointer's x, one pill-canvas height below it.
    MenuItem* chosen = menu->PopUp(System::MouseX(), System::MouseY() + bgCanvas_->Height.get());
    if (chosen) {
        CheckedSearchMenuitem = chosen->Index() + 1;
        SearchWhere = chosen->Text;
        // The keyboard goes to the field the scope was chosen for: the user
        // was just here, and the search may show another recipe than the one
        // a field of the window was being typed into. An empty field shows
        // the new scope until the first key.
        searchfield_->SetFocus();
        if (Len(searchfield_->Text.get()) == 0) placeholder_->Visible = true;
        // Even when the scope did not change, and whatever LiveSearch says.
        raiseSearch();
        RefreshControl();
    }
    return true;
}

bool SearchControl::Searchfield_MouseDown(int32_t, int32_t) {
    const std::string text = searchfield_->Text.get();
    if (!text.empty()) {
        searchfield_->SelStart = 0;
        searchfield_->SelLength = Len(text);
    }
    placeholder_->Visible = false;
    RefreshControl();
    return false;
}

void SearchControl::Searchfield_TextChange() {
    cancelWidget_->Visible = Len(searchfield_->Text.get()) > 0;
    if (LiveSearch.get()) searchUnlessOvertaken();
    RefreshControl();
}

bool SearchControl::Searchfield_KeyDown(const std::string& key) {
    // Any key hides the placeholder, Tab and arrows included; only Return
    // searches (keypad Enter does not).
    placeholder_->Visible = false;
    if (Asc(key) == 13) raiseSearch();
    return false;
}

void SearchControl::Searchfield_LostFocus() {
    if (Len(searchfield_->Text.get()) == 0) placeholder_->Visible = true;
    RefreshControl();
}

void SearchControl::Searchfield_GotFocus() { RefreshControl(); }

void SearchControl::Searchfield_SelChange() { RefreshControl(); }

bool SearchControl::CancelWidget_MouseDown(int32_t, int32_t) {
    ClearSearchText();
    return false;
}

void SearchControl::CancelWidget_Open() {
    cancelWidget_->Visible = Len(searchfield_->Text.get()) > 0;
    RefreshControl();
}

bool SearchControl::Placeholder_MouseDown(int32_t, int32_t) {
    placeholder_->Visible = false;
    searchfield_->SetFocus();
    RefreshControl();
    return false;
}

void SearchControl::Placeholder_Open() { placeholder_->TextColor = DisabledTextColor(); }

void SearchControl::handleOpen() { clearWindowFocus(); }

// --- helpers ----------------------------------------------------------------------

void SearchControl::raiseSearch() {
    searchPending_ = false;
    Search(searchfield_->Text.get(), SearchWhere.get());
}

// A search over many recipes can take longer than the time between two
// keys. Keys typed meanwhile wait, and searching for each of them in turn
// would keep the list behind the typing: while keys wait, the search is
// left to the last of them. Should the waiting keys change no text (an
// arrow key), the search left over still runs once they are handled.
void SearchControl::searchUnlessOvertaken() {
    if (Keyboard::KeysWaiting()) deferSearch();
    else raiseSearch();
}

void SearchControl::deferSearch() {
    if (searchPending_) return;
    searchPending_ = true;
    searchfield_->CallLater([this] { runPendingSearch(); });
}

void SearchControl::runPendingSearch() {
    if (!searchPending_) return;  // searched meanwhile, by a later key or Return
    searchPending_ = false;
    if (LiveSearch.get()) searchUnlessOvertaken();
}

void SearchControl::clearWindowFocus() { Window()->ClearFocus(); }

// The children exist once the control is on its window; a scope set before
// that shows when the placeholder is made.
void SearchControl::setPlaceholderText(const std::string& text) {
    if (placeholder_) placeholder_->Text = text;
    else placeholderText_ = text;
}
