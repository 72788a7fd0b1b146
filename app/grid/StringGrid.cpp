#include "StringGrid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>

class TGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return cells.Get(index.column(), index.row());
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole)
            return false;
        SetCell(index.column(), index.row(), value.toString());
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

    void SetCell(int col, int row, const QString& text)
    {
        if (cells.Get(col, row) == text)
            return;
        cells.Set(col, row, text);
        if (col < cols && row < rows) {
            const QModelIndex at = index(row, col);
            emit dataChanged(at, at);
        }
    }

    void Resize(int newCols, int newRows)
    {
        beginResetModel();
        cols = newCols;
        rows = newRows;
        endResetModel();
    }

    TGridCells cells;
    int cols = 5;
    int rows = 10;
};

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent), model_(new TGridModel(this))
{
    setModel(model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(64 + 1);
    verticalHeader()->setDefaultSectionSize(24 + 1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCurrentIndex(model_->index(0, 0));
}

TStringGrid::~TStringGrid() = default;

int TStringGrid::ColCount() const { return model_->cols; }
int TStringGrid::RowCount() const { return model_->rows; }

void TStringGrid::SetColCount(int count) { model_->Resize(count <= 0 ? 1 : count, model_->rows); }
void TStringGrid::SetRowCount(int count) { model_->Resize(model_->cols, count <= 0 ? 1 : count); }

QString TStringGrid::Cells(int col, int row) const { return model_->cells.Get(col, row); }
void TStringGrid::SetCells(int col, int row, const QString& text) { model_->SetCell(col, row, text); }
std::vector<TStoredCell> TStringGrid::StoredCells() const { return model_->cells.NonEmpty(); }

int TStringGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() : 0; }
int TStringGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() : 0; }

void TStringGrid::SetCurrentCell(int col, int row)
{
    const QModelIndex at = model_->index(row, col);
    if (at.isValid())
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (OnKeyDown)
        OnKeyDown(event->key(), event->modifiers());
    QTableView::keyPressEvent(event);
}
