#include "BatchOutput.h"

namespace {

void WriteCsvField(std::ostream& out, std::string_view text, char separator)
{
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
        out << text;
        return;
    }
    out << '"';
    for (const char c : text) {
        if (c == '"')
            out << '"';
        out << c;
    }
    out << '"';
}

void WriteRow(std::ostream& out, std::string_view key, std::string_view text, char separator)
{
    WriteCsvField(out, key, separator);
    out << separator;
    WriteCsvField(out, text, separator);
    out << "\r\n";
}

}  // namespace

void WriteCsvOutput(std::ostream& out, const TBatchWindow& window, const std::string& decimalSeparator)
{
    const char separator = decimalSeparator == "," ? ';' : ',';
    WriteRow(out, "key", "text", separator);
    for (const TWindowField* field : WindowFields()) {
        if (field->Role == TFieldRole::Result)
            WriteRow(out, field->Key, window.Text(*field), separator);
        else if (field->Role == TFieldRole::Memo)
            for (std::string_view line : window.MemoLines(*field))
                WriteRow(out, field->Key, line, separator);
    }
}
