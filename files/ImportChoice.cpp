#include "ImportChoice.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const std::string& CellAt(const TSheetTable& table, std::size_t row, std::size_t col)
{
    static const std::string empty;
    const auto& rows = table.Rows();
    return row < rows.size() && col < rows[row].size() ? rows[row][col] : empty;
}

bool RowHasNumber(const std::vector<std::string>& row, const std::string& decimal)
{
    for (const auto& cell : row)
        if (IsNumberText(cell, decimal))
            return true;
    return false;
}

// 1, 2, 3, … down the column (at least three rows): a running number, not a reading.
bool IsRunningNumber(const TSheetTable& table, std::size_t col, std::size_t from)
{
    std::size_t count = 0;
    long long expected = 0;
    for (std::size_t row = from; row < table.Rows().size(); ++row) {
        const std::string& cell = CellAt(table, row, col);
        if (cell.empty())
            continue;
        char* end = nullptr;
        const long long value = std::strtoll(cell.c_str(), &end, 10);
        if (end != cell.c_str() + cell.size() || (count > 0 && value != expected))
            return false;
        expected = value + 1;
        ++count;
    }
    return count >= 3;
}

}  // namespace

bool IsNumberText(std::string_view text, const std::string& decimal)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (text.substr(i).starts_with(decimal)) {
        i += decimal.size();
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == start)
            return false;
    }
    return i == text.size();
}

TImportChoice GuessImport(const TSheetTable& table, const std::string& decimal)
{
    TImportChoice choice;
    const auto& rows = table.Rows();
    std::size_t firstNumbers = 0;
    while (firstNumbers < rows.size() && !RowHasNumber(rows[firstNumbers], decimal))
        ++firstNumbers;
    if (firstNumbers < rows.size())
        choice.HeaderRows = firstNumbers;
    for (std::size_t col = 0; col < table.ColCount(); ++col) {
        std::size_t numbers = 0, others = 0;
        for (std::size_t row = choice.HeaderRows; row < rows.size(); ++row) {
            const std::string& cell = CellAt(table, row, col);
            if (!cell.empty())
                ++(IsNumberText(cell, decimal) ? numbers : others);
        }
        // A stray text among readings keeps its column, so that the compute
        // names the cell rather than a column of readings going missing.
        if (numbers > others && !IsRunningNumber(table, col, choice.HeaderRows))
            choice.Columns.push_back(col);
    }
    // Nothing looks like readings: everything goes in, for the user to see.
    if (choice.Columns.empty())
        for (std::size_t col = 0; col < table.ColCount(); ++col)
            choice.Columns.push_back(col);
    return choice;
}

std::vector<std::vector<std::string>> ChosenCells(const TSheetTable& table, const TImportChoice& choice,
                                                  const std::string& fileDecimal, const std::string& decimal)
{
    std::vector<std::vector<std::string>> cells;
    for (std::size_t row = choice.HeaderRows; row < table.Rows().size(); ++row) {
        std::vector<std::string>& line = cells.emplace_back();
        for (const std::size_t col : choice.Columns) {
            std::string text = CellAt(table, row, col);
            if (fileDecimal != decimal && !fileDecimal.empty() && IsNumberText(text, fileDecimal))
                if (const auto at = text.find(fileDecimal); at != std::string::npos)
                    text.replace(at, fileDecimal.size(), decimal);
            line.push_back(std::move(text));
        }
    }
    return cells;
}
