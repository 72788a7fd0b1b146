#pragma once
// StringGrid1: the measurement grid, a table view over sparse cell texts with
// a current cell, keyboard range selection and in-place editing.
#include <QTableView>

#include <functional>
#include <memory>
#include <vector>

#include "GridCells.h"

class TGridModel;

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const;
    int RowCount() const;
    void SetColCount(int count);
    // A count of 0 or less gives 1.
    void SetRowCount(int count);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    std::vector<TStoredCell> StoredCells() const;

    // The current cell; setting it also moves the selection anchor there.
    int Col() const;
    int Row() const;
    void SetCurrentCell(int col, int row);

    // The grid's key-down event (StringGrid1KeyDown): key is the virtual key
    // code (Qt::Key_C for the letter C), modifiers the keys held.
    std::function<void(int key, Qt::KeyboardModifiers modifiers)> OnKeyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TGridModel* model_;
};
