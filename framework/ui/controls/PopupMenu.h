#pragma once
// A pop-up menu control (a combo box). ListIndex is the framework's, not the
// combo box's: the combo box would select its first item by itself when one
// is added, and report that as a change. Change is raised whenever ListIndex
// really changes, by the user or by code; a design value set before any
// handler is bound therefore raises nothing.
#include "framework/ui/RectControl.h"

class QComboBox;

class PopupMenu : public RectControl {
public:
    PopupMenu();

    // Items separated by CR (LF and CRLF accepted).
    Property<std::string> InitialValue;
    Property<int32_t> ListIndex;  // -1 = no item
    Property<std::string> Text;   // the chosen item's text, "" with none
    Property<std::string> TextFont;
    Property<double> TextSize;
    Property<bool> Bold;

    void AddRow(const std::string& text);
    void InsertRow(int32_t row, const std::string& text);
    void RemoveRow(int32_t row);
    void DeleteAllRows();
    int32_t ListCount() const;
    std::string List(int32_t row) const;  // "" outside the items

    Event<void()> Change;
    virtual void handleChange() { Change(); }

private:
    void setIndex(int32_t index, bool raise);
    void showIndex();

    QComboBox* combo_;
    int32_t index_ = -1;
    int showing_ = 0;
};
