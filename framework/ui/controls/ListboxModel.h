#pragma once
// Framework-internal: shows a ListboxRows store to a QTableView.
//
// Rows added one by one are not announced to the view one by one: a refill of
// many thousand rows would make the view re-lay itself out for every row.
// The store is always current for the framework's own reads; the view learns
// of new rows in one model reset, either when something needs the view to be
// current (selecting a row, editing, sorting, redrawing now) or shortly after
// the last change, from the event loop.
#include <QAbstractTableModel>
#include <QFont>
#include <QTimer>
#include <string>
#include <vector>

#include "framework/ui/controls/ListboxRows.h"

class ListboxModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListboxModel(ListboxRows& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setColumns(int32_t count);
    void setHeading(int32_t column, const std::string& text);
    std::string heading(int32_t column) const;
    void setBaseFont(const QFont& font);

    // The store gained rows at its end: tell the view later, in one reset.
    void rowsAdded();
    // The store changed in ways the view must learn of now (rows removed,
    // reordered, cleared): one reset at once.
    void resetNow();
    // Brings the view up to date if rows are waiting.
    void sync();
    bool pending() const { return pending_; }
    // The text or look of one cell changed.
    void cellChanged(int32_t row, int32_t column);
    void rowChanged(int32_t row);

signals:
    // The view was reset; its selection must be put back.
    void viewReset();
    // The user committed an in-place edit of a cell.
    void cellEdited(int row, int column);

private:
    ListboxRows& rows_;
    int32_t shownRows_ = 0;
    int32_t columns_ = 1;
    std::vector<std::string> headings_;
    QFont baseFont_;
    bool pending_ = false;
    QTimer flushTimer_;
};
