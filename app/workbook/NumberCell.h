#pragma once
// A text of the window as a workbook number: the value and a number format
// under which a spreadsheet shows exactly that text again ("26.390" → 26.39
// shown with "0.000"; "1.234E-5" with "0.000E-0").
#include <optional>
#include <string>
#include <string_view>

struct TNumberCell {
    double Value = 0;
    std::string Format;  // in the file format's own notation: "." and "E"
};

// None for a text that is not such a number or that a spreadsheet cannot show
// digit for digit (more than 15 significant digits, blanks, a sign "+", "-0"):
// that text goes into the workbook as text.
std::optional<TNumberCell> NumberCellOf(std::string_view text, std::string_view decimalSeparator);
