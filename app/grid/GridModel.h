#pragma once
// The table model behind StringGrid1: the sparse cell texts and the grid's
// column and row counts. Texts beyond the counts are kept but not shown.
#include <QAbstractTableModel>

#include "GridCells.h"

struct TGridChange;

class TGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    // Rows and columns are added or removed at the end, so the current cell
    // and the selection of the view survive a change of the counts.
    void SetCounts(int cols, int rows);

    QString Cell(int col, int row) const { return cells_.Get(col, row); }
    void SetCell(int col, int row, const QString& text);
    std::vector<TStoredCell> StoredCells() const { return cells_.NonEmpty(); }

    // While a change is recorded, every cell change and the counts go into it.
    void StartRecording(TGridChange* change);
    void StopRecording();
    bool Recording() const { return recording_ != nullptr; }
    // The texts and counts of a change as they were before or after it.
    void ApplyChange(const TGridChange& change, bool after);

private:
    TGridCells cells_;
    int cols_ = 5;
    int rows_ = 10;
    TGridChange* recording_ = nullptr;
};
