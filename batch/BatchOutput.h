#pragma once
// The three output formats. Every key, control and label comes from the
// table of the window's fields, in its reading order.
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "BatchWindow.h"
#include "JsonWriter.h"

// "label：text" per result; a memo's label, then its lines indented.
void WriteTextOutput(std::ostream& out, const TBatchWindow& window);

// key,text rows; a memo gives one row per line. Separated by ";" when the
// decimal separator is ",".
void WriteCsvOutput(std::ostream& out, const TBatchWindow& window, const std::string& decimalSeparator);

struct TJsonParts {
    std::optional<std::string> Error;               // as the error display shows it
    std::function<void(TJsonWriter&)> WriteCharts;  // writes a JSON object
    std::optional<std::string> ExtendedJson;        // a JSON object when asked for
};

void WriteJsonOutput(std::ostream& out, const TBatchWindow& window, const TJsonParts& parts,
                     const std::string& decimalSeparator);
