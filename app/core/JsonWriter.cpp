#include "JsonWriter.h"

#include <charconv>
#include <cmath>

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
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    buffer_.append(text, end);
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
