#include "framework/ui/controls/TabPanel.h"
#include "framework/ui/HandlerScope.h"

#include <QEvent>
#include <QPoint>
#include <functional>
#include <QStackedWidget>
#include <QTabBar>

#include "framework/ui/ExceptionRouting.h"

namespace {
class ShowWatcher : public QObject {
public:
    ShowWatcher(QObject* parent, std::function<void()> onShow) : QObject(parent), onShow_(std::move(onShow)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) onShow_();
        return false;
    }

private:
    std::function<void()> onShow_;
};
}  // namespace

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
    host->installEventFilter(new ShowWatcher(host, [this] { placeChildren(); }));
    QObject::connect(bar_, &QTabBar::currentChanged, [this](int index) {
        if (index < 0 || index == shown_) return;
        placeChildren();
        shown_ = index;
        pages_->setCurrentIndex(index);
        guardedHandler(*this, [this] { handleChange(); });
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

void TabPanel::placeChildren() {
    for (RectControl* child : children()) {
        QWidget* w = child->widget();
        QWidget* host = childHost(*child);
        if (!w || w->parentWidget() == host) continue;
        QRect geometry = w->geometry();  // every page has the same origin
        w->setParent(host);
        w->setGeometry(geometry);
        w->setVisible(child->Visible.get());
    }
}

void TabPanel::geometryApplied() {
    int w = std::max(Width.get(), 0), h = std::max(Height.get(), 0);
    int barHeight = tabBarHeight();
    bar_->setGeometry(0, 0, w, barHeight);
    pages_->setGeometry(0, barHeight, w, std::max(h - barHeight, 0));
}

void TabPanel::attached() { geometryApplied(); }
