#pragma once
// The measurement grid of a file, compact: the cell texts of every row one
// after the other in one buffer. A million readings take a few dozen
// megabytes, where a map of strings would take hundreds.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TBatchGrid {
public:
    void AddCell(std::string_view text);
    void EndRow();

    int ColCount() const { return cols_; }  // of the longest row
    int RowCount() const { return static_cast<int>(rowEnds_.size()); }
    // "" beyond the end of a shorter row.
    std::string_view Cell(int col, int row) const;
    bool HasNonEmptyCell() const { return !chars_.empty(); }
    std::size_t FieldCount() const { return cellEnds_.size(); }

private:
    std::string chars_;
    std::vector<std::size_t> cellEnds_;  // end of each cell's text in chars_
    std::vector<std::size_t> rowEnds_;   // end of each row in cellEnds_
    std::size_t rowStart_ = 0;           // first cell of the row being added
    int cols_ = 0;
};
