#pragma once
// Shared pieces of the number-text fuzzers: separators chosen by the input,
// and the checks that stop the run with a report.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "Errors.h"
#include "NumberSettings.h"

inline void UseSeparatorsFor(uint8_t choice)
{
    static const char* const pairs[][2] = {
        {".", ","},
        {",", "."},
        {"\xc2\xb7", " "},
        {",", "\xe2\x80\x99"},
    };
    const auto& pair = pairs[choice % 4];
    NumberSettings().DecimalSeparator = pair[0];
    NumberSettings().ThousandSeparator = pair[1];
}

[[noreturn]] inline void Fail(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// The message carries the whole text, NUL characters included.
inline void CheckMessage(const Exception& error, const std::string& expected)
{
    if (error.Message() != expected)
        Fail("wrong message", error.Message());
}
