#pragma once

#include "romlist/rom_grid.h"

#include <QAbstractTableModel>

namespace kst {

// Shows a RomGrid in a table view: grid row 0 is the header, grid rows 1 and
// up are the view's rows 0 and up. The grid stays the only store; the model
// follows its changes.
class RomListModel : public QAbstractTableModel, private GridObserver {
    Q_OBJECT

public:
    explicit RomListModel(RomGrid& grid, QObject* parent = nullptr);
    ~RomListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void beforeRowCountChange(int oldCount, int newCount) override;
    void afterRowCountChange(int oldCount, int newCount) override;
    void beforeRowsRemoved(int first, int last) override;
    void afterRowsRemoved(int first, int last) override;
    void cellChanged(int col, int row) override;

    RomGrid& grid_;
};

}  // namespace kst
