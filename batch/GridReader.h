#pragma once
// Reads a CSV or tab-separated text into the grid: lines are rows, fields are
// cells. Tab and ";" separate fields, and "," too unless it is the decimal
// separator. A field may be quoted ("" is a quote inside it; it may hold
// separators and line breaks). Lines end with LF, CRLF or CR; a UTF-8 byte
// order mark at the start is skipped. The input is read in pieces, so a huge
// line fails early instead of filling the memory.
#include <cstddef>
#include <cstdint>
#include <istream>
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

// Throws TInputError for UTF-16 input, NUL bytes, bytes that are not UTF-8,
// an unclosed quote, a line longer than MaxLineBytes, rows so ragged that
// more than MaxMissingCells cells lie beyond their ends, or input without
// any non-empty field.
TBatchGrid ReadGrid(std::istream& in, const std::string& decimalSeparator);
