#include "ClipboardText.h"

#include <algorithm>

namespace {

constexpr char16_t Quote = u'"';

bool IsSeparator(char16_t c) { return c >= 1 && c <= 32; }
bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// A quoted field from just after its opening quote; pos ends after the
// closing quote, or at the end of the line when the quote is never closed.
// The field is measured first, so that a long one is copied only once.
std::u16string ReadQuotedField(std::u16string_view line, std::size_t& pos)
{
    // Each pass walks the runs between quotes; a doubled quote stands for one.
    const auto walk = [line](std::size_t from, auto&& takeRun) {
        for (;;) {
            const std::size_t quote = std::min(line.find(Quote, from), line.size());
            takeRun(line.substr(from, quote - from));
            if (quote + 1 < line.size() && line[quote + 1] == Quote) {
                takeRun(line.substr(quote, 1));
                from = quote + 2;
            } else {
                return quote;  // the closing quote, or the end of the line
            }
        }
    };
    std::size_t length = 0;
    walk(pos, [&length](std::u16string_view run) { length += run.size(); });
    std::u16string field;
    field.reserve(length);
    const std::size_t end = walk(pos, [&field](std::u16string_view run) { field.append(run); });
    pos = std::min(end + 1, line.size());
    return field;
}

}  // namespace

std::u16string_view ZeroTerminated(std::u16string_view text)
{
    return text.substr(0, std::min(text.find(u'\0'), text.size()));
}

TClipboardLine SplitClipboardLine(std::u16string_view line, std::size_t maxFields)
{
    line = ZeroTerminated(line);
    TClipboardLine fields;
    std::size_t pos = 0;
    while (fields.size() < maxFields) {
        while (pos < line.size() && IsSeparator(line[pos]))
            ++pos;
        if (pos >= line.size())
            break;
        if (line[pos] == Quote) {
            ++pos;
            fields.push_back(ReadQuotedField(line, pos));
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && !IsSeparator(line[pos]))
                ++pos;
            fields.emplace_back(line.substr(start, pos - start));
        }
    }
    return fields;
}

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines,
                                               std::size_t maxFields)
{
    text = ZeroTerminated(text);
    std::vector<TClipboardLine> lines;
    std::size_t pos = 0;
    // A break at the very end does not start a further line.
    while (pos < text.size() && lines.size() < maxLines) {
        std::size_t end = pos;
        while (end < text.size() && !IsLineBreak(text[end]))
            ++end;
        lines.push_back(SplitClipboardLine(text.substr(pos, end - pos), maxFields));
        pos = end + 1;
        if (end < text.size() && text[end] == u'\r' && pos < text.size() && text[pos] == u'\n')
            ++pos;
    }
    return lines;
}
