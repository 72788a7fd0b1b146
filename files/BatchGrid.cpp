#include "BatchGrid.h"

#include <algorithm>

void TBatchGrid::AddCell(std::string_view text)
{
    chars_.append(text);
    cellEnds_.push_back(chars_.size());
}

void TBatchGrid::EndRow()
{
    const std::size_t cells = cellEnds_.size() - rowStart_;
    cols_ = std::max(cols_, static_cast<int>(std::min<std::size_t>(cells, 0x7fffffff)));
    rowEnds_.push_back(cellEnds_.size());
    rowStart_ = cellEnds_.size();
}

std::string_view TBatchGrid::Cell(int col, int row) const
{
    if (row < 0 || col < 0 || row >= RowCount())
        return {};
    const std::size_t first = row == 0 ? 0 : rowEnds_[row - 1];
    const std::size_t cell = first + static_cast<std::size_t>(col);
    if (cell >= rowEnds_[row])
        return {};
    const std::size_t begin = cell == 0 ? 0 : cellEnds_[cell - 1];
    return std::string_view(chars_).substr(begin, cellEnds_[cell] - begin);
}
