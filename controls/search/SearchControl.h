#pragma once
// A search field with a scope menu: a white pill with a magnifying glass at
// its left end (a click there pops up the scopes), a borderless text field,
// a grey placeholder that shows the current scope while the field is empty
// and unfocused (and after a scope is chosen, until the first key), and a
// cancel widget that empties the field. Choosing a scope gives the field
// the keyboard.
//
// One event, Search(text, where), carries the field's whole text and the
// scope. It is raised on every change of the text while LiveSearch is on
// (while more typed keys wait to be handled, only for the last of them), on
// Return (not Enter), on every choice from the scope menu, and by the cancel
// widget - there twice with LiveSearch on, once from the text change and
// once of its own.
//
// Children (created in this order, positions relative to the container):
//   BgCanvas      Canvas     0,6   286 x 26  locked left and right
//   Searchfield   EditField  28,9  230 x 18  locked left and right  (in BgCanvas)
//   CancelWidget  Canvas     268,10 14 x 14  locked right           (in BgCanvas)
//   Placeholder   StaticText 28,7  220 x 20  not locked             (in BgCanvas)
// The placeholder lies over the field and takes the clicks on it while shown.
// Windows reach the field by name ("Searchfield") and read or set its Text.
//
// The handlers are virtual, so a subclass's override is the one bound.
#include <cstdint>
#include <optional>
#include <string>

#include "framework/graphics/Color.h"
#include "framework/graphics/Graphics.h"
#include "framework/ui/controls/ContainerControl.h"

class Canvas;
class EditField;
class StaticText;

class SearchControl : public ContainerControl {
public:
    SearchControl();

    Property<std::string> SearchMenuItems;
    Property<bool> LiveSearch;
    Property<std::string> mSearchWhere;
    // Comma-field number (from 1, separators counted) of the scope last set
    // by SetSearchMenu or chosen from the menu; 0 for none.
    Property<int32_t> CheckedSearchMenuitem;
    // Setting it also shows the value as the placeholder; it raises nothing
    // and leaves the check marks and CheckedSearchMenuitem alone.
    Property<std::string> SearchWhere;
    Property<bool> ShowMagnifyingGlass;

    Event<void(std::string text, std::string where)> Search;

    // Stores the scope menu and picks scope n (from 1). A separator picks
    // nothing; an n outside the menu picks nothing and blanks the
    // placeholder while SearchWhere keeps its value. Raises nothing.
    virtual void SetSearchMenu(const std::string& items, int32_t n);
    // Empties the field and raises Search with the empty text.
    virtual void ClearSearchText();
    // Redraws the whole control over an erased background.
    void RefreshControl();

    // --- handlers of the children's events ------------------------------------
    virtual void BgCanvas_Paint(::Graphics& g);
    virtual bool BgCanvas_MouseDown(int32_t x, int32_t y);
    virtual bool Searchfield_MouseDown(int32_t x, int32_t y);
    virtual void Searchfield_TextChange();
    virtual bool Searchfield_KeyDown(const std::string& key);
    virtual void Searchfield_LostFocus();
    virtual void Searchfield_GotFocus();
    virtual void Searchfield_SelChange();
    virtual void CancelWidget_Paint(::Graphics& g);
    virtual bool CancelWidget_MouseDown(int32_t x, int32_t y);
    virtual void CancelWidget_Open();
    virtual bool Placeholder_MouseDown(int32_t x, int32_t y);
    virtual void Placeholder_Open();

    void handleOpen() override;

    static constexpr Color kPill = 0xFFFFFF;
    static constexpr Color kPillOutline = 0xB7B7B7;
    static constexpr Color kCancelDisc = 0xBABABA;
    static constexpr Color kCancelCross = 0xFFFFFF;
    // Clicks left of this x on the pill open the scope menu.
    static constexpr int32_t kMenuHotZone = 30;

protected:
    void CreateControls() override;

private:
    // The container's Open is the control's own; a window cannot bind it.
    using ContainerControl::Open;

    void raiseSearch();
    void searchUnlessOvertaken();
    void deferSearch();
    void runPendingSearch();
    void clearWindowFocus();
    void setPlaceholderText(const std::string& text);

    Canvas* bgCanvas_ = nullptr;
    EditField* searchfield_ = nullptr;
    Canvas* cancelWidget_ = nullptr;
    StaticText* placeholder_ = nullptr;
    // Placeholder text set before the children existed.
    std::optional<std::string> placeholderText_;
    bool searchPending_ = false;  // a live search left to keys that were waiting
};
