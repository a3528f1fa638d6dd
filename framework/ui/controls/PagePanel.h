#pragma once
// Pages without tabs; Value chooses the page shown. Controls name their page
// with TabPanelIndex, as on a TabPanel.
#include "framework/ui/RectControl.h"

class QStackedWidget;

class PagePanel : public RectControl {
public:
    PagePanel();

    void Append();
    int32_t PanelCount() const;
    Property<int32_t> Value;

    QWidget* childHost(const RectControl& child) const override;

private:
    QStackedWidget* pages_;
};
