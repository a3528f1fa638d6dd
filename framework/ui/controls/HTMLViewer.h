#pragma once
// Shows HTML pages (the help) and follows links between them. The engine is
// Qt's text browser, so pages must keep to the HTML it renders; IsAvailable
// is always true. Links to other local pages are followed in the viewer;
// web and mail links are handed to the desktop.
#include "framework/ui/RectControl.h"

class QTextBrowser;

class HTMLViewer : public RectControl {
public:
    HTMLViewer();

    bool IsAvailable() const { return true; }
    // A file: URL (or a plain path).
    void LoadURL(const std::string& url);
    // Shows HTML text directly.
    void LoadPage(const std::string& html);
    std::string Title() const;

    Event<void(std::string newTitle)> TitleChanged;
    virtual void handleTitleChanged(const std::string& title) { TitleChanged(title); }

    bool canStandardEdit(const std::string& itemName) const override;
    bool doStandardEdit(const std::string& itemName) override;

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};
