#include "BatchOutput.h"
#include "JsonText.h"
#include "ResultValue.h"

namespace {

// `"key":{"control":…,"label":…` of a field, after the comma that separates it from the one before.
void AppendFieldHead(std::string& json, const TWindowField& field, const char*& comma)
{
    json += comma;
    comma = ",";
    AppendJsonString(json, field.Key);
    json += ":{\"control\":";
    AppendJsonString(json, field.Control);
    json += ",\"label\":";
    AppendJsonString(json, field.Label);
}

}  // namespace

void WriteJsonOutput(std::ostream& out, const TBatchWindow& window, const TJsonParts& parts,
                     const std::string& decimalSeparator)
{
    std::string json = "{\"results\":{";
    const char* comma = "";
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Result)
            continue;
        const std::string text = window.Text(*field);
        AppendFieldHead(json, *field, comma);
        json += ",\"text\":";
        AppendJsonString(json, text);
        const std::optional<double> value = ResultValue(text, decimalSeparator);
        json += ",\"value\":";
        json += value ? JsonNumber(*value) : "null";
        json += '}';
    }
    json += "},\"memos\":{";
    comma = "";
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Memo)
            continue;
        AppendFieldHead(json, *field, comma);
        json += ",\"lines\":[";
        const char* lineComma = "";
        for (const std::string& line : window.MemoLines(*field)) {
            json += lineComma;
            lineComma = ",";
            AppendJsonString(json, line);
            FlushLargeJson(json, out);
        }
        json += "]}";
    }
    json += "},\"error\":";
    if (parts.Error)
        AppendJsonString(json, *parts.Error);
    else
        json += "null";
    json += ",\"charts\":";
    out << json;
    parts.WriteCharts(out);
    json.clear();
    if (parts.ExtendedJson)
        json += ",\"extended\":" + *parts.ExtendedJson;
    json += "}\n";
    out << json;
}
