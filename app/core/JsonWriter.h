#pragma once
// JSON written as it is produced: values go into a buffer that is handed to
// the stream whenever it has grown past a megabyte, so that a million points
// never stand in memory as one text. Commas between members and elements are
// placed by the writer; the caller only opens, names and closes.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class TJsonWriter {
public:
    explicit TJsonWriter(std::ostream& out) : out_(out) {}
    TJsonWriter(const TJsonWriter&) = delete;
    TJsonWriter& operator=(const TJsonWriter&) = delete;
    ~TJsonWriter() { Flush(); }

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member of the open object.
    void Key(std::string_view name);

    // A UTF-8 text as a JSON string: quote and backslash escaped, control
    // characters as \n, \r, \t or \u00XX, every other byte as it is.
    void String(std::string_view text);
    // The shortest text that reads back as the same double; null for
    // infinities and NaN, which JSON has no number for.
    void Number(double value);
    // As Qt's JSON writes a double, for the chart dump, which the scenario
    // runner writes through Qt: whole numbers up to 2^53 as integers, other
    // whole numbers in their shortest digits padded with zeros unless the
    // exponent form is shorter, the rest as Number writes them.
    void NumberAsQt(double value);
    void Integer(long long value);
    void Bool(bool value);
    void Null();
    // A value that is JSON text already.
    void Raw(std::string_view json);

    // Everything written so far to the stream.
    void Flush();

private:
    void BeforeValue();
    void AppendString(std::string_view text);
    void FlushWhenLarge();

    std::ostream& out_;
    std::string buffer_;
    std::vector<bool> first_;  // per open object or array: no member written yet
    bool afterKey_ = false;
};
