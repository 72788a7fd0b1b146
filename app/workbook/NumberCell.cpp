#include "NumberCell.h"

#include <charconv>
#include <cmath>

namespace {

// A spreadsheet keeps and shows 15 significant digits; its formats allow 30 decimals.
constexpr std::size_t ShownDigits = 15;
constexpr std::size_t MaxDecimals = 30;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t DigitRun(std::string_view text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - from;
}

std::size_t SignificantDigits(std::string_view integer, std::string_view fraction)
{
    std::string digits(integer);
    digits.append(fraction);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return digits.find_last_not_of('0') - first + 1;
}

}  // namespace

std::optional<TNumberCell> NumberCellOf(std::string_view text, std::string_view decimalSeparator)
{
    // -?digits(separator digits)?(E[+-]?digits)?, as the window writes its numbers.
    std::size_t at = 0;
    const bool negative = text.starts_with('-');
    at += negative;
    const std::string_view integer = text.substr(at, DigitRun(text, at));
    if (integer.empty())
        return std::nullopt;
    at += integer.size();
    std::string_view fraction;
    const bool hasFraction = !decimalSeparator.empty() && text.substr(at).starts_with(decimalSeparator);
    if (hasFraction) {
        at += decimalSeparator.size();
        fraction = text.substr(at, DigitRun(text, at));
        if (fraction.empty())
            return std::nullopt;
        at += fraction.size();
    }
    std::string_view exponentSign, exponent;
    if (at < text.size() && text[at] == 'E') {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            exponentSign = text.substr(at++, 1);
        exponent = text.substr(at, DigitRun(text, at));
        if (exponent.empty())
            return std::nullopt;
        at += exponent.size();
        // A spreadsheet writes one digit before the point of a mantissa.
        if (integer.size() != 1 || integer == "0")
            return std::nullopt;
    }
    if (at != text.size() || fraction.size() > MaxDecimals || SignificantDigits(integer, fraction) > ShownDigits)
        return std::nullopt;

    std::string plain(text.substr(0, negative + integer.size()));
    if (hasFraction)
        plain.append(".").append(fraction);
    if (!exponent.empty())
        plain.append("E").append(exponentSign).append(exponent);
    TNumberCell cell;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), cell.Value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(cell.Value) ||
        (negative && cell.Value == 0))
        return std::nullopt;

    // Leading zeros as written ("007" → "000"); otherwise one digit at least.
    cell.Format = integer.size() > 1 && integer.front() == '0' ? std::string(integer.size(), '0') : "0";
    if (hasFraction)
        cell.Format.append(".").append(fraction.size(), '0');
    if (!exponent.empty())
        cell.Format.append(exponentSign == "+" ? "E+" : "E-").append(exponent.size(), '0');
    return cell;
}
