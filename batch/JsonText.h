#pragma once
// JSON text built in a string: appending to a string costs a fraction of a
// stream insertion, which counts at a million points.
#include <ostream>
#include <string>
#include <string_view>

// A JSON string literal of a UTF-8 text.
void AppendJsonString(std::string& json, std::string_view text);

// Writes the text built so far once it has grown past a piece's size.
void FlushLargeJson(std::string& json, std::ostream& out);
