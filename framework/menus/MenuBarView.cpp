#include "framework/menus/MenuBarView.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "framework/menus/MenuContext.h"
#include "framework/menus/MenuDispatch.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuShortcutFilter.h"

namespace {

// Runs menu work that calls product code from a Qt signal: no exception may
// cross back into Qt.
template <class Work>
void guarded(MenuContext* context, Work&& work) {
    try {
        work();
    } catch (...) {
        if (context) context->unhandledException(std::current_exception());
    }
}

}  // namespace

QMenuBar* MenuBarView::createMenuBarWidget(std::shared_ptr<MenuBar> bar, QWidget* window) {
    auto* widget = new QMenuBar(window);
    // On desktops with a global menu bar Qt would move ours out of the
    // window; the window's own geometry assumes it is inside.
    widget->setNativeMenuBar(false);
    new MenuBarView(std::move(bar), *widget);
    installMenuShortcutFilter();
    return widget;
}

MenuBarView* MenuBarView::of(QMenuBar* widget) {
    return widget ? widget->findChild<MenuBarView*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

MenuBarView::MenuBarView(std::shared_ptr<MenuBar> bar, QMenuBar& widget)
    : QObject(&widget), bar_(std::move(bar)), widget_(widget) {
    builder_.onSubmenu = [this](QMenu& menu) {
        connect(&menu, &QMenu::aboutToShow, this, &MenuBarView::prepareMenu);
        connect(&menu, &QMenu::triggered, this, &MenuBarView::trigger);
    };
    // Items without children sit directly in the bar; the bar reports them.
    connect(&widget_, &QMenuBar::triggered, this, &MenuBarView::trigger);
    observerId_ = bar_->addObserver([this] { refresh(); });
    // The bar ignores a press on a disabled title, so a title left disabled
    // by the last pass could never be opened to run the next one.
    widget_.installEventFilter(this);
    rebuild();
}

bool MenuBarView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &widget_ && event->type() == QEvent::MouseButtonPress && !widget_.activeAction()) prepareMenu();
    return false;
}

MenuBarView::~MenuBarView() {
    bar_->removeObserver(observerId_);
}

void MenuBarView::rebuild() {
    builder_.clear();
    builder_.fill(widget_, *bar_, &widget_);
    builtRevision_ = bar_->structureRevision();
}

void MenuBarView::refresh() {
    if (bar_->structureRevision() == builtRevision_) {
        builder_.sync();
    } else if (preparing_) {
        // A menu of ours is about to open: rebuilding now would delete it.
        builder_.sync();
        QTimer::singleShot(0, this, [this] { refresh(); });
    } else {
        rebuild();
    }
}

void MenuBarView::prepareMenu() {
    MenuContext* context = currentMenuContext();
    preparing_ = true;
    guarded(context, [&] {
        if (context) runEnablingPass(*context);  // tells every view, this one included
        else refresh();
    });
    preparing_ = false;
}

void MenuBarView::trigger(QAction* action) {
    // Qt reports a trigger to every menu above the action and to the bar; only
    // the menu (or bar) that holds the action itself handles it.
    auto* source = qobject_cast<QWidget*>(sender());
    if (source && !source->actions().contains(action)) return;
    std::shared_ptr<MenuItem> item = builder_.itemFor(action);
    MenuContext* context = currentMenuContext();
    if (!item || !context || !isEffectivelyEnabled(*item)) return;
    guarded(context, [&] { dispatchMenuItem(*context, *item); });
}

QAction* MenuBarView::actionFor(const std::string& itemName) const {
    MenuItem* item = bar_->FindItem(itemName);
    return item ? builder_.actionFor(*item) : nullptr;
}
