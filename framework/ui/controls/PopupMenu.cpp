#include "framework/ui/controls/PopupMenu.h"
#include "framework/ui/HandlerScope.h"

#include <QComboBox>

#include "framework/ui/controls/ControlFont.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/controls/ListText.h"

PopupMenu::PopupMenu()
    : InitialValue(std::string()),
      ListIndex([this] { return index_; }, [this](const int32_t& i) { setIndex(i, true); }),
      Text([this] { return List(index_); },
           [this](const std::string& text) {
               int found = combo_->findText(QString::fromStdString(text), Qt::MatchFixedString);
               if (found >= 0) setIndex(found, true);
           }),
      TextFont(std::string("System")), TextSize(0.0), Bold(false), combo_(new QComboBox) {
    setWidget(combo_);
    InitialValue.onChange([this](const std::string& text) {
        DeleteAllRows();
        for (const std::string& line : splitLines(text)) AddRow(line);
    });
    bindControlFont(combo_, TextFont, TextSize, Bold);
    QObject::connect(combo_, &QComboBox::currentIndexChanged, [this](int index) {
        if (showing_ == 0) guardedHandler(*this, [&] { setIndex(index, true); });
    });
}

void PopupMenu::setIndex(int32_t index, bool raise) {
    if (index < -1 || index >= ListCount()) index = -1;
    if (index == index_) {
        showIndex();
        return;
    }
    index_ = index;
    showIndex();
    if (raise) handleChange();
}

void PopupMenu::showIndex() {
    ++showing_;
    combo_->setCurrentIndex(index_);
    --showing_;
}

void PopupMenu::AddRow(const std::string& text) {
    ++showing_;
    combo_->addItem(QString::fromStdString(text));
    --showing_;
    showIndex();
}

void PopupMenu::InsertRow(int32_t row, const std::string& text) {
    row = std::clamp(row, 0, ListCount());
    ++showing_;
    combo_->insertItem(row, QString::fromStdString(text));
    --showing_;
    if (index_ >= row) ++index_;  // the same item stays chosen
    showIndex();
}

void PopupMenu::RemoveRow(int32_t row) {
    if (row < 0 || row >= ListCount()) return;
    ++showing_;
    combo_->removeItem(row);
    --showing_;
    if (row == index_) setIndex(-1, true);
    else {
        if (row < index_) --index_;
        showIndex();
    }
}

void PopupMenu::DeleteAllRows() {
    ++showing_;
    combo_->clear();
    --showing_;
    setIndex(-1, true);
}

int32_t PopupMenu::ListCount() const { return combo_->count(); }

std::string PopupMenu::List(int32_t row) const {
    if (row < 0 || row >= ListCount()) return {};
    return combo_->itemText(row).toStdString();
}
