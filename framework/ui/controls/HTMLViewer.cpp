#include "framework/ui/controls/HTMLViewer.h"

#include <QTextBrowser>
#include <QUrl>

#include "framework/dialogs/UiService.h"
#include "framework/ui/ExceptionRouting.h"

HTMLViewer::HTMLViewer() : browser_(new QTextBrowser) {
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->setContextMenuPolicy(Qt::NoContextMenu);
    setWidget(browser_);
    routeInputFrom(browser_->viewport());
    AcceptFocus = true;
    // Links among local pages are followed here; web and mail links go to
    // the desktop, through the UI service like every other outside call.
    QObject::connect(browser_, &QTextBrowser::anchorClicked, [this](const QUrl& url) {
        if (url.toString().startsWith('#')) {
            browser_->scrollToAnchor(url.fragment());
            return;
        }
        QUrl target = browser_->source().resolved(url);
        if (target.isLocalFile() || target.scheme().isEmpty()) browser_->setSource(target);
        else guarded([&] { uiService().openURL(target.toString().toStdString()); });
    });
    QObject::connect(browser_, &QTextBrowser::sourceChanged, [this](const QUrl&) {
        std::string title = Title();
        guarded([&] { handleTitleChanged(title); });
    });
}

void HTMLViewer::LoadURL(const std::string& url) {
    QString text = QString::fromStdString(url);
    QUrl target = text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text);
    browser_->setSource(target);
}

void HTMLViewer::LoadPage(const std::string& html) {
    browser_->setHtml(QString::fromStdString(html));
    std::string title = Title();
    guarded([&] { handleTitleChanged(title); });
}

std::string HTMLViewer::Title() const { return browser_->documentTitle().toStdString(); }

bool HTMLViewer::canStandardEdit(const std::string& itemName) const {
    if (itemName == "EditCopy") return browser_->textCursor().hasSelection();
    if (itemName == "EditSelectAll") return true;
    return false;  // the page is read-only: no cut, paste or clear
}

bool HTMLViewer::doStandardEdit(const std::string& itemName) {
    if (!canStandardEdit(itemName)) return false;
    if (itemName == "EditCopy") browser_->copy();
    else browser_->selectAll();
    return true;
}
