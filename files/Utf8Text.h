#pragma once
// UTF-8 checks for texts that come from outside: files and the command line.
#include <cstddef>
#include <string_view>

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Characters in a valid UTF-8 text.
std::size_t Utf8CharacterCount(std::string_view text);
