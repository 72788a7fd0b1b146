#pragma once
// Reads a CSV or tab-separated text into the grid: lines are rows, fields are
// cells. One field separator is chosen from the first lines before any value
// is read: tab, else ";", else ","; with tab or ";" a "," in a field is the
// decimal separator unless the user chose ".". A field may be quoted (""
// is a quote inside it; it may hold separators and line breaks). Lines end with LF, CRLF or CR; a UTF-8 byte
// order mark at the start is skipped. The input is read in pieces, so a huge
// line fails early instead of filling the memory.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

#include "BatchGrid.h"

// Input that is not a readable grid: exit status 2 with this message.
class TInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A longer line (quoted line breaks included) is refused.
constexpr std::size_t MaxLineBytes = std::size_t(16) << 20;
// The computation visits every cell of the grid, also those a short row
// leaves empty; a grid with more of those is refused instead of taking hours.
constexpr std::uint64_t MaxMissingCells = 100'000'000;

// How a file's fields and decimals are separated; Field is 0 when its first
// lines hold none of the three separators (one column).
struct TGridSeparators {
    char Field = 0;
    std::string Decimal;
};

struct TReadGrid {
    TBatchGrid Grid;
    TGridSeparators Separators;
    bool Truncated = false;  // reading stopped at maxArea
};

// decimalOption: the separator the user chose, if any; localeDecimal the
// number settings' one. Throws TInputError for UTF-16 input, NUL bytes, bytes
// that are not UTF-8, an unclosed quote, a line longer than MaxLineBytes,
// rows so ragged that more than MaxMissingCells cells lie beyond their ends,
// input without any non-empty field, a field separator equal to the decimal
// separator, and a number holding both "," and "." or two decimal separators.
// With maxArea, reading stops once the rows read span that many cells; the
// rest of the input is not read. fieldOption: the field separator the user
// chose instead of the one the first lines give ('\0': one column).
TReadGrid ReadGrid(std::istream& in, const std::optional<std::string>& decimalOption, const std::string& localeDecimal,
                   std::uint64_t maxArea = 0, std::optional<char> fieldOption = std::nullopt);
