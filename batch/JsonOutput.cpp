#include "BatchOutput.h"
#include "JsonWriter.h"
#include "ResultValue.h"

namespace {

// `"key":{"control":…,"label":…` of a field, its object left open.
void BeginField(TJsonWriter& json, const TWindowField& field)
{
    json.Key(field.Key);
    json.BeginObject();
    json.Key("control");
    json.String(field.Control);
    json.Key("label");
    json.String(field.Label);
}

}  // namespace

void WriteJsonOutput(std::ostream& out, const TBatchWindow& window, const TJsonParts& parts,
                     const std::string& decimalSeparator)
{
    TJsonWriter json(out);
    json.BeginObject();
    json.Key("results");
    json.BeginObject();
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Result)
            continue;
        const std::string text = window.Text(*field);
        BeginField(json, *field);
        json.Key("text");
        json.String(text);
        json.Key("value");
        if (const std::optional<double> value = ResultValue(text, decimalSeparator))
            json.Number(*value);
        else
            json.Null();
        json.EndObject();
    }
    json.EndObject();
    json.Key("memos");
    json.BeginObject();
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Memo)
            continue;
        BeginField(json, *field);
        json.Key("lines");
        json.BeginArray();
        for (std::string_view line : window.MemoLines(*field))
            json.String(line);
        json.EndArray();
        json.EndObject();
    }
    json.EndObject();
    json.Key("error");
    if (parts.Error)
        json.String(*parts.Error);
    else
        json.Null();
    json.Key("charts");
    parts.WriteCharts(json);
    if (parts.ExtendedJson) {
        json.Key("extended");
        json.Raw(*parts.ExtendedJson);
    }
    json.EndObject();
    json.Flush();
    out << '\n';
}
