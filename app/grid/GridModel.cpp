#include "GridModel.h"

#include "GridUndo.h"

#include <utility>

int TGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int TGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant TGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cells_.Get(index.column(), index.row());
}

bool TGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    SetCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void TGridModel::SetCounts(int cols, int rows)
{
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    if (cols > cols_) {
        beginInsertColumns({}, cols_, cols - 1);
        cols_ = cols;
        endInsertColumns();
    } else if (cols < cols_) {
        beginRemoveColumns({}, cols, cols_ - 1);
        cols_ = cols;
        endRemoveColumns();
    }
}

void TGridModel::SetCell(int col, int row, const QString& text)
{
    if (cells_.Get(col, row) == text)
        return;
    if (recording_)
        recording_->Note(col, row, cells_.Get(col, row), text);
    cells_.Set(col, row, text);
    if (col < cols_ && row < rows_) {
        const QModelIndex at = index(row, col);
        emit dataChanged(at, at);
    }
}

void TGridModel::StartRecording(TGridChange* change)
{
    recording_ = change;
    change->ColsBefore = cols_;
    change->RowsBefore = rows_;
}

void TGridModel::StopRecording()
{
    if (!recording_)
        return;
    recording_->ColsAfter = cols_;
    recording_->RowsAfter = rows_;
    recording_ = nullptr;
}

void TGridModel::ApplyChange(const TGridChange& change, bool after)
{
    TGridChange* const recording = std::exchange(recording_, nullptr);
    for (const TGridChange::TCell& cell : change.Cells)
        SetCell(cell.Col, cell.Row, after ? cell.After : cell.Before);
    SetCounts(after ? change.ColsAfter : change.ColsBefore, after ? change.RowsAfter : change.RowsBefore);
    recording_ = recording;
}
