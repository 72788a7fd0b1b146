#include "SheetTable.h"

#include <algorithm>
#include <charconv>

bool TSheetTable::Set(std::uint64_t row, std::uint64_t col, std::string text)
{
    if (text.empty())
        return true;
    const std::uint64_t cols = std::max<std::uint64_t>(cols_, col + 1);
    const std::uint64_t rows = std::max<std::uint64_t>(rows_.size(), row + 1);
    // Checked before anything is allocated: a cell far out is refused whole.
    if (col >= maxArea_ || row >= maxArea_ || cols * rows > maxArea_) {
        truncated_ = true;
        return false;
    }
    if (rows_.size() <= row)
        rows_.resize(row + 1);
    auto& cells = rows_[row];
    if (cells.size() <= col)
        cells.resize(col + 1);
    cells[col] = std::move(text);
    cols_ = static_cast<std::size_t>(cols);
    return true;
}

std::string ShortestNumberText(double value, const std::string& decimal)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimal);
    return text;
}
