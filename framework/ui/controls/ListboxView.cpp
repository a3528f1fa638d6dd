#include "framework/ui/controls/ListboxView.h"
#include "framework/ui/HandlerScope.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/controls/Listbox.h"

ListboxView::ListboxView(Listbox& list) : list_(list) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(true);
    // A header press sorts rows in our model; the view must not also select
    // the whole column.
    QObject::disconnect(horizontalHeader(), SIGNAL(sectionPressed(int)), this, SLOT(selectColumn(int)));
    QObject::disconnect(horizontalHeader(), SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this,
            [this](int column) { guardedHandler(list_, [&] { list_.userPressedHeader(column); }); });
    // A second quick click on a heading comes as a double click, which the
    // header does not report as a press; it is one all the same (two quick
    // clicks sort one way and back, as two slow ones do).
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) { guardedHandler(list_, [&] { list_.userPressedHeader(column); }); });
    // The header turns its own mark over when a click on a marked heading
    // ends, after the list has sorted; the mark must show the list's order.
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this] { list_.syncSortMark(); });
}

bool ListboxView::viewportEvent(QEvent* event) {
    // The list's help tag shows over its rows too (the view would look for a
    // tip per cell, and the rows have none).
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (toolTip().isEmpty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), toolTip(), viewport());
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            QPoint p = mouse->position().toPoint();
            const bool second = event->type() == QEvent::MouseButtonDblClick;
            guardedHandler(list_, [&] { list_.userPressed(p.x(), p.y(), second); });
            event->accept();
            return true;
        }
    }
    return QTableView::viewportEvent(event);
}
