#include "ResultValue.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [-]digits[.digits][E[+-]digits], "." standing for the decimal separator.
bool IsDecimalForm(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    const std::size_t intStart = i;
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    if (i == intStart)
        return false;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        if (i == fracStart)
            return false;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t expStart = i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        if (i == expStart)
            return false;
    }
    return i == s.size();
}

}  // namespace

std::optional<double> ResultValue(std::string_view text, const std::string& decimalSeparator)
{
    std::string plain(text);
    if (decimalSeparator != ".") {
        const std::size_t at = plain.find(decimalSeparator);
        if (plain.find('.') != std::string::npos)
            return std::nullopt;
        if (at != std::string::npos) {
            std::string dotted(plain, 0, at);
            dotted += '.';
            dotted.append(plain, at + decimalSeparator.size());
            plain = std::move(dotted);
        }
    }
    if (!IsDecimalForm(plain))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
