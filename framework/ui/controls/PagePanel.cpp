#include "framework/ui/controls/PagePanel.h"

#include <QStackedWidget>

PagePanel::PagePanel()
    : Value([this] { return static_cast<int32_t>(pages_->currentIndex()); },
            [this](const int32_t& v) {
                if (v >= 0 && v < PanelCount()) pages_->setCurrentIndex(v);
            }),
      pages_(new QStackedWidget) {
    setWidget(pages_);
}

void PagePanel::Append() { pages_->addWidget(new QWidget); }

int32_t PagePanel::PanelCount() const { return pages_->count(); }

QWidget* PagePanel::childHost(const RectControl& child) const {
    if (pages_->count() == 0) return pages_;
    return pages_->widget(std::clamp(child.TabPanelIndex.get(), 0, pages_->count() - 1));
}
