#pragma once
// A JSON string literal of a UTF-8 text.
#include <ostream>
#include <string_view>

void WriteJsonString(std::ostream& out, std::string_view text);
