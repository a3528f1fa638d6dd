#include "framework/ui/controls/ListboxModel.h"

namespace {
// Long refills still show progress a few times a second.
constexpr int kFlushDelayMs = 40;
}

ListboxModel::ListboxModel(ListboxRows& rows, QObject* parent) : QAbstractTableModel(parent), rows_(rows) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kFlushDelayMs);
    connect(&flushTimer_, &QTimer::timeout, this, &ListboxModel::sync);
}

int ListboxModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int ListboxModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(rows_.cell(index.row(), index.column()));
    case Qt::FontRole:
        if (rows_.cellBold(index.row(), index.column())) {
            QFont f = baseFont_;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

bool ListboxModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    if (!rows_.setCell(index.row(), index.column(), value.toString().toStdString())) return false;
    emit dataChanged(index, index);
    emit cellEdited(index.row(), index.column());
    return true;
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromStdString(heading(section));
}

Qt::ItemFlags ListboxModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Editable only through the Listbox's EditCell: the view has no edit triggers.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void ListboxModel::setColumns(int32_t count) {
    count = std::max(count, 1);
    if (count == columns_) return;
    beginResetModel();
    columns_ = count;
    shownRows_ = rows_.count();
    pending_ = false;
    endResetModel();
    emit viewReset();
}

void ListboxModel::setHeading(int32_t column, const std::string& text) {
    if (column < 0) return;
    if (column >= static_cast<int32_t>(headings_.size())) headings_.resize(column + 1);
    headings_[column] = text;
    if (column < columns_) emit headerDataChanged(Qt::Horizontal, column, column);
}

std::string ListboxModel::heading(int32_t column) const {
    if (column < 0 || column >= static_cast<int32_t>(headings_.size())) return {};
    return headings_[column];
}

void ListboxModel::setBaseFont(const QFont& font) {
    baseFont_ = font;
    if (shownRows_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, columns_ - 1), {Qt::FontRole});
}

void ListboxModel::rowsAdded() {
    pending_ = true;
    if (!flushTimer_.isActive()) flushTimer_.start();
}

void ListboxModel::resetNow() {
    flushTimer_.stop();
    beginResetModel();
    shownRows_ = rows_.count();
    pending_ = false;
    endResetModel();
    emit viewReset();
}

void ListboxModel::sync() {
    if (pending_ || shownRows_ != rows_.count()) resetNow();
}

void ListboxModel::cellChanged(int32_t row, int32_t column) {
    if (row < 0 || row >= shownRows_ || column < 0 || column >= columns_) return;
    QModelIndex i = index(row, column);
    emit dataChanged(i, i);
}

void ListboxModel::rowChanged(int32_t row) {
    if (row < 0 || row >= shownRows_) return;
    emit dataChanged(index(row, 0), index(row, columns_ - 1));
}
