#include "ClipboardText.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char16_t Quote = u'"';
constexpr char16_t Tab = u'\t';

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

namespace {

// Spreadsheet text: every tab ends a field, so an empty cell gives an empty
// field. Characters 1 to 32 around a field are dropped, those inside it kept.
TClipboardLine SplitTabbedLine(std::u16string_view line, std::size_t maxFields)
{
    TClipboardLine fields;
    std::size_t pos = 0;
    // A tab at the end of the line ends its last field; no empty one follows.
    while (fields.size() < maxFields && pos < line.size()) {
        while (pos < line.size() && line[pos] != Tab && IsSeparator(line[pos]))
            ++pos;
        std::u16string field;
        if (pos < line.size() && line[pos] == Quote) {
            ++pos;
            field = ReadQuotedField(line, pos);
        }
        // Up to the next tab; text after a closing quote stays part of the field.
        const std::size_t tab = std::min(line.find(Tab, pos), line.size());
        std::size_t end = tab;
        while (end > pos && IsSeparator(line[end - 1]))
            --end;
        while (pos < end && IsSeparator(line[pos]))
            ++pos;
        field.append(line.substr(pos, end - pos));
        fields.push_back(std::move(field));
        pos = tab + 1;
    }
    return fields;
}

// Text from a file or a report: fields are separated by runs of characters 1 to 32.
TClipboardLine SplitBlankSeparatedLine(std::u16string_view line, std::size_t maxFields)
{
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

}  // namespace

TClipboardLine SplitClipboardLine(std::u16string_view line, std::size_t maxFields)
{
    line = ZeroTerminated(line);
    if (line.find(Tab) != std::u16string_view::npos)
        return SplitTabbedLine(line, maxFields);
    return SplitBlankSeparatedLine(line, maxFields);
}

namespace {

// Calls take(line) for each line of the text until it returns false.
template <typename Take>
void ForEachLine(std::u16string_view text, Take&& take)
{
    text = ZeroTerminated(text);
    std::size_t pos = 0;
    // A break at the very end does not start a further line.
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && !IsLineBreak(text[end]))
            ++end;
        if (!take(text.substr(pos, end - pos)))
            return;
        pos = end + 1;
        if (end < text.size() && text[end] == u'\r' && pos < text.size() && text[pos] == u'\n')
            ++pos;
    }
}

}  // namespace

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines,
                                               std::size_t maxFields)
{
    std::vector<TClipboardLine> lines;
    if (maxLines == 0)
        return lines;
    ForEachLine(text, [&](std::u16string_view line) {
        lines.push_back(SplitClipboardLine(line, maxFields));
        return lines.size() < maxLines;
    });
    return lines;
}

TClipboardBlock MeasureClipboardBlock(std::u16string_view text, std::size_t roomLines, std::size_t roomFields)
{
    TClipboardBlock block;
    std::size_t k = 0;
    ForEachLine(text, [&](std::u16string_view line) {
        const TClipboardLine fields = SplitClipboardLine(line, SIZE_MAX);
        for (std::size_t j = 0; j < fields.size(); ++j) {
            if (fields[j].empty())
                continue;
            block.Cols = std::max(block.Cols, j + 1);
            block.Rows = k + 1;
            if (k >= roomLines || j >= roomFields)
                ++block.Outside;
        }
        ++k;
        return true;
    });
    return block;
}
