#pragma once
// The cells of one sheet as rows of UTF-8 texts; row r, column c of the sheet
// is Rows[r][c]. Rows are as long as their last cell; empty cells keep their
// places. Reading stops at a bound of cells so that a huge sheet never fills
// the memory.
#include <cstdint>
#include <string>
#include <vector>

class TSheetTable {
public:
    explicit TSheetTable(std::uint64_t maxArea) : maxArea_(maxArea) {}

    // False when the cell lies beyond the bound: the table is then truncated
    // and the caller stops reading.
    bool Set(std::uint64_t row, std::uint64_t col, std::string text);
    bool Truncated() const { return truncated_; }
    void MarkTruncated() { truncated_ = true; }

    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
    std::size_t ColCount() const { return cols_; }

private:
    std::uint64_t maxArea_;
    std::vector<std::vector<std::string>> rows_;
    std::size_t cols_ = 0;
    bool truncated_ = false;
};

// The shortest decimal text that reads back to the same double, with
// decimal as its decimal separator ("26.39", never "26.390000000000001").
std::string ShortestNumberText(double value, const std::string& decimal);
