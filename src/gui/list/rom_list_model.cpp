#include "gui/list/rom_list_model.h"

namespace kst {

RomListModel::RomListModel(RomGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid)
{
    grid_.setObserver(this);
}

RomListModel::~RomListModel()
{
    grid_.setObserver(nullptr);
}

int RomListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.rowCount() - 1;
}

int RomListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RomListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(grid_.cell(index.column(), index.row() + 1));
}

QVariant RomListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return QString::fromStdString(grid_.cell(section, 0));
    return section + 1;
}

Qt::ItemFlags RomListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void RomListModel::beforeRowCountChange(int oldCount, int newCount)
{
    if (newCount > oldCount)
        beginInsertRows({}, oldCount - 1, newCount - 2);
    else
        beginRemoveRows({}, newCount - 1, oldCount - 2);
}

void RomListModel::afterRowCountChange(int oldCount, int newCount)
{
    if (newCount > oldCount)
        endInsertRows();
    else
        endRemoveRows();
}

void RomListModel::beforeRowsRemoved(int first, int last)
{
    beginRemoveRows({}, first - 1, last - 1);
}

void RomListModel::afterRowsRemoved(int, int)
{
    endRemoveRows();
}

void RomListModel::cellChanged(int col, int row)
{
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    QModelIndex at = index(row - 1, col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

}  // namespace kst
