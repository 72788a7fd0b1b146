#include "BatchOutput.h"
#include "JsonText.h"
#include "ResultValue.h"

void WriteJsonOutput(std::ostream& out, const TBatchWindow& window, const TJsonParts& parts,
                     const std::string& decimalSeparator)
{
    out << "{\"results\":{";
    const char* comma = "";
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Result)
            continue;
        const std::string text = window.Text(*field);
        out << comma;
        comma = ",";
        WriteJsonString(out, field->Key);
        out << ":{\"control\":";
        WriteJsonString(out, field->Control);
        out << ",\"label\":";
        WriteJsonString(out, field->Label);
        out << ",\"text\":";
        WriteJsonString(out, text);
        const std::optional<double> value = ResultValue(text, decimalSeparator);
        out << ",\"value\":" << (value ? JsonNumber(*value) : "null") << '}';
    }
    out << "},\"memos\":{";
    comma = "";
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Memo)
            continue;
        out << comma;
        comma = ",";
        WriteJsonString(out, field->Key);
        out << ":{\"control\":";
        WriteJsonString(out, field->Control);
        out << ",\"label\":";
        WriteJsonString(out, field->Label);
        out << ",\"lines\":[";
        const char* lineComma = "";
        for (const std::string& line : window.MemoLines(*field)) {
            out << lineComma;
            lineComma = ",";
            WriteJsonString(out, line);
        }
        out << "]}";
    }
    out << "},\"error\":";
    if (parts.Error)
        WriteJsonString(out, *parts.Error);
    else
        out << "null";
    out << ",\"charts\":";
    parts.WriteCharts(out);
    if (parts.ExtendedJson)
        out << ",\"extended\":" << *parts.ExtendedJson;
    out << "}\n";
}
