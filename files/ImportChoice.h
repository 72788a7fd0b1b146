#pragma once
// What of a data file goes into the grid: header rows are skipped, the
// columns that hold readings are kept in their order. The guess skips the
// leading rows that hold text but no number when numbers follow, and keeps
// the columns whose cells below them are mostly numbers, except a running
// number (1, 2, 3, …: an ID); dates and other texts leave their column out.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "SheetTable.h"

struct TImportChoice {
    std::size_t HeaderRows = 0;
    std::vector<std::size_t> Columns;
};

// A number text as the grid reads it with this decimal separator.
bool IsNumberText(std::string_view text, const std::string& decimal);

TImportChoice GuessImport(const TSheetTable& table, const std::string& decimal);

// The cells the choice takes, row by row. Number texts written with
// fileDecimal are rewritten with decimal.
std::vector<std::vector<std::string>> ChosenCells(const TSheetTable& table, const TImportChoice& choice,
                                                  const std::string& fileDecimal, const std::string& decimal);
