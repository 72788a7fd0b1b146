#pragma once
// The grid's cell texts, stored sparsely by (column, row). A text may sit at
// any non-negative index, also beyond the grid's counts; it is shown once the
// counts include its cell. An absent cell reads as the empty text.
#include <QString>

#include <map>
#include <utility>
#include <vector>

struct TStoredCell {
    int Col;
    int Row;
    QString Text;
};

class TGridCells {
public:
    QString Get(int col, int row) const;
    // Writing the empty text removes the cell.
    void Set(int col, int row, const QString& text);
    // Every non-empty cell, row by row, left to right.
    std::vector<TStoredCell> NonEmpty() const;

private:
    // Keyed (row, col) so that iteration follows reading order.
    std::map<std::pair<int, int>, QString> texts_;
};
