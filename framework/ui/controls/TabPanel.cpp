#include "framework/ui/controls/TabPanel.h"

#include <QPoint>
#include <QStackedWidget>
#include <QTabBar>

#include "framework/runtime/ExceptionRouting.h"

TabPanel::TabPanel()
    : Value([this] { return shown_; },
            [this](const int32_t& v) {
                if (v < 0 || v >= PanelCount() || v == shown_) return;
                bar_->setCurrentIndex(v);  // raises Change through the signal
            }) {
    auto* host = new QWidget;
    bar_ = new QTabBar(host);
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    pages_ = new QStackedWidget(host);
    pages_->setFrameShape(QFrame::StyledPanel);
    setWidget(host);
    QObject::connect(bar_, &QTabBar::currentChanged, [this](int index) {
        if (index < 0 || index == shown_) return;
        shown_ = index;
        pages_->setCurrentIndex(index);
        guarded([this] { handleChange(); });
    });
}

void TabPanel::Append(const std::string& caption) {
    bar_->blockSignals(true);
    bar_->addTab(QString::fromStdString(caption));
    bar_->setCurrentIndex(shown_);
    bar_->blockSignals(false);
    auto* page = new QWidget;
    pages_->addWidget(page);
    pages_->setCurrentIndex(shown_);
    geometryApplied();
}

void TabPanel::SetCaptions(const std::vector<std::string>& captions) {
    for (int32_t i = 0; i < static_cast<int32_t>(captions.size()); ++i) {
        if (i < PanelCount()) bar_->setTabText(i, QString::fromStdString(captions[i]));
        else Append(captions[i]);
    }
}

int32_t TabPanel::PanelCount() const { return bar_->count(); }

std::string TabPanel::Caption(int32_t tab) const {
    if (tab < 0 || tab >= PanelCount()) return {};
    return bar_->tabText(tab).toStdString();
}

QWidget* TabPanel::page(int32_t index) const {
    if (pages_->count() == 0) return pages_;
    return pages_->widget(std::clamp(index, 0, pages_->count() - 1));
}

int TabPanel::tabBarHeight() const { return bar_->sizeHint().height(); }

QWidget* TabPanel::childHost(const RectControl& child) const { return page(child.TabPanelIndex.get()); }

QPoint TabPanel::childOrigin(const RectControl&) const {
    int frame = pages_->frameWidth();
    return QPoint(Left.get() + frame, Top.get() + tabBarHeight() + frame);
}

void TabPanel::geometryApplied() {
    int w = std::max(Width.get(), 0), h = std::max(Height.get(), 0);
    int barHeight = tabBarHeight();
    bar_->setGeometry(0, 0, w, barHeight);
    pages_->setGeometry(0, barHeight, w, std::max(h - barHeight, 0));
}

void TabPanel::attached() { geometryApplied(); }
