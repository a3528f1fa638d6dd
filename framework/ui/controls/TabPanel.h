#pragma once
// Tabs with one page each. A control placed on the panel names its page with
// TabPanelIndex (from 0) and keeps window coordinates; the panel maps them to
// the page. The tab bar and the page area are laid out here, not by
// QTabWidget, so the page origin is known before the window is first shown.
#include <vector>

#include "framework/ui/RectControl.h"

class QStackedWidget;
class QTabBar;

class TabPanel : public RectControl {
public:
    TabPanel();

    // Tab captions; assigning a list replaces the tabs.
    void Append(const std::string& caption);
    void SetCaptions(const std::vector<std::string>& captions);
    int32_t PanelCount() const;
    std::string Caption(int32_t tab) const;
    Property<int32_t> Value;  // the tab shown, from 0

    Event<void()> Change;
    virtual void handleChange() { Change(); }

    QWidget* childHost(const RectControl& child) const override;
    // Puts every child on the page its TabPanelIndex names. Windows set that
    // index after creating a control, so this runs again when the panel is
    // shown and when the tab changes.
    void placeChildren();
    QPoint childOrigin(const RectControl& child) const override;

protected:
    void geometryApplied() override;
    void attached() override;

private:
    QWidget* page(int32_t index) const;
    int tabBarHeight() const;

    QTabBar* bar_;
    QStackedWidget* pages_;
    int32_t shown_ = 0;
};
