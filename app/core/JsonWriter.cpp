#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// A whole number beyond 2^53 in its shortest digits: "1e+30", or padded with
// zeros ("671367875665516800000") where that is no longer.
std::size_t LargeWholeNumberText(double value, char* text, std::size_t size)
{
    char scientific[32];
    const char* end =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific).ptr;
    const std::string_view written(scientific, std::size_t(end - scientific));
    const std::size_t e = written.find('e');
    int exponent = 0;
    std::from_chars(written.data() + e + (written[e + 1] == '+' ? 2 : 1), end, exponent);
    std::string decimal;
    for (char c : written.substr(0, e))
        if (c != '.')
            decimal += c;
    const std::size_t digits = decimal.size() - (value < 0 ? 1 : 0);
    decimal.append(std::size_t(exponent + 1) - digits, '0');
    const std::string_view chosen = decimal.size() <= written.size() ? std::string_view(decimal) : written;
    return chosen.copy(text, size);
}

}  // namespace

void TJsonWriter::BeforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back())
            buffer_ += ',';
        first_.back() = false;
    }
}

void TJsonWriter::FlushWhenLarge()
{
    if (buffer_.size() >= (std::size_t(1) << 20))
        Flush();
}

void TJsonWriter::Flush()
{
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void TJsonWriter::BeginObject()
{
    BeforeValue();
    buffer_ += '{';
    first_.push_back(true);
}

void TJsonWriter::EndObject()
{
    first_.pop_back();
    buffer_ += '}';
    FlushWhenLarge();
}

void TJsonWriter::BeginArray()
{
    BeforeValue();
    buffer_ += '[';
    first_.push_back(true);
}

void TJsonWriter::EndArray()
{
    first_.pop_back();
    buffer_ += ']';
    FlushWhenLarge();
}

void TJsonWriter::Key(std::string_view name)
{
    BeforeValue();
    AppendString(name);
    buffer_ += ':';
    afterKey_ = true;
}

void TJsonWriter::String(std::string_view text)
{
    BeforeValue();
    AppendString(text);
    FlushWhenLarge();
}

void TJsonWriter::AppendString(std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    buffer_ += '"';
    // Runs of bytes that need no escape go out in one piece.
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\')
            continue;
        buffer_.append(text.data() + run, i - run);
        run = i + 1;
        if (byte == '"' || byte == '\\') {
            const char escaped[] = {'\\', static_cast<char>(byte)};
            buffer_.append(escaped, 2);
        } else if (byte == '\n')
            buffer_ += "\\n";
        else if (byte == '\r')
            buffer_ += "\\r";
        else if (byte == '\t')
            buffer_ += "\\t";
        else {
            const char escaped[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 15]};
            buffer_.append(escaped, 6);
        }
    }
    buffer_.append(text.data() + run, text.size() - run);
    buffer_ += '"';
}

void TJsonWriter::Number(double value)
{
    if (!std::isfinite(value))
        return Null();
    BeforeValue();
    char text[32];
    buffer_.append(text, std::to_chars(text, text + sizeof text, value).ptr);
    FlushWhenLarge();
}

void TJsonWriter::NumberAsQt(double value)
{
    if (!std::isfinite(value) || value != std::trunc(value))
        return Number(value);
    if (std::fabs(value) <= 0x1p53)
        return Integer(static_cast<long long>(value));
    BeforeValue();
    char text[32];
    buffer_.append(text, LargeWholeNumberText(value, text, sizeof text));
    FlushWhenLarge();
}

void TJsonWriter::Integer(long long value)
{
    BeforeValue();
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    buffer_.append(text, end);
    FlushWhenLarge();
}

void TJsonWriter::Bool(bool value)
{
    BeforeValue();
    buffer_ += value ? "true" : "false";
}

void TJsonWriter::Null()
{
    BeforeValue();
    buffer_ += "null";
}

void TJsonWriter::Raw(std::string_view json)
{
    BeforeValue();
    buffer_ += json;
    FlushWhenLarge();
}
