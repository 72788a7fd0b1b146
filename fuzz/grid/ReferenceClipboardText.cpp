// A paste splitter written apart from the product's, the other way round:
// the whole text is split first (every tab separating two fields), then the
// grid's own line terminator is taken off, the lines are filled up to the
// widest and the result is clipped to the room. The fuzzer compares the
// product's splitter with it on random input.
#include "ReferenceClipboardText.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace reference {

namespace {

constexpr char16_t Quote = u'"';
constexpr char16_t Tab = u'\t';

bool IsSeparator(char16_t c) { return c >= 1 && c <= 32; }
bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// Walks a quoted field from just after its opening quote, handing each run
// of its text to takeRun (a doubled quote stands for one); returns the
// position of the closing quote, or the end of the line when it never closes.
template <typename TakeRun>
std::size_t WalkQuotedField(std::u16string_view line, std::size_t from, TakeRun&& takeRun)
{
    for (;;) {
        const std::size_t quote = std::min(line.find(Quote, from), line.size());
        takeRun(line.substr(from, quote - from));
        if (quote + 1 < line.size() && line[quote + 1] == Quote) {
            takeRun(line.substr(quote, 1));
            from = quote + 2;
        } else {
            return quote;
        }
    }
}

// A quoted field from just after its opening quote; pos ends after the
// closing quote, or at the end of the line when the quote is never closed.
template <typename Field>
Field ReadQuotedField(std::u16string_view line, std::size_t& pos)
{
    Field field;
    const std::size_t end = WalkQuotedField(line, pos, [&field](std::u16string_view run) { field.append(run); });
    pos = std::min(end + 1, line.size());
    return field;
}

std::u16string_view ZeroTerminated(std::u16string_view text)
{
    return text.substr(0, std::min(text.find(u'\0'), text.size()));
}

// Spreadsheet text: every tab separates two fields, so an empty cell gives
// an empty field. Characters 1 to 32 around a field are dropped, those inside
// it kept. Returns whether the last field follows a tab at the line's end.
template <typename Field, typename Take>
bool ForEachTabbedField(std::u16string_view line, Take&& take)
{
    std::size_t pos = 0;
    for (;;) {
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != Tab && IsSeparator(line[pos]))
            ++pos;
        Field field;
        if (pos < line.size() && line[pos] == Quote) {
            ++pos;
            field = ReadQuotedField<Field>(line, pos);
        }
        // Up to the next tab; text after a closing quote stays part of the field.
        const std::size_t tab = std::min(line.find(Tab, pos), line.size());
        std::size_t end = tab;
        while (end > pos && IsSeparator(line[end - 1]))
            --end;
        while (pos < end && IsSeparator(line[pos]))
            ++pos;
        field.append(line.substr(pos, end - pos));
        take(std::move(field));
        if (tab == line.size())
            return start == line.size() && start > 0;
        pos = tab + 1;
    }
}

// Text from a file or a report: fields are separated by runs of characters 1 to 32.
template <typename Field, typename Take>
void ForEachBlankSeparatedField(std::u16string_view line, Take&& take)
{
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && IsSeparator(line[pos]))
            ++pos;
        if (pos >= line.size())
            break;
        if (line[pos] == Quote) {
            ++pos;
            take(ReadQuotedField<Field>(line, pos));
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && !IsSeparator(line[pos]))
                ++pos;
            Field field;
            field.append(line.substr(start, pos - start));
            take(std::move(field));
        }
    }
}

// The fields of a line, and whether its last one follows a tab at its end.
struct TSplitLine {
    std::vector<std::u16string> Fields;
    bool EndsInTab = false;
};

TSplitLine SplitLine(std::u16string_view line)
{
    TSplitLine split;
    const auto take = [&split](std::u16string&& field) { split.Fields.push_back(std::move(field)); };
    if (line.find(Tab) != std::u16string_view::npos)
        split.EndsInTab = ForEachTabbedField<std::u16string>(line, take);
    else
        ForEachBlankSeparatedField<std::u16string>(line, take);
    return split;
}

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

// The whole text split as a paste reads it, before it is clipped.
std::vector<std::vector<std::u16string>> SplitWhole(std::u16string_view text)
{
    std::vector<TSplitLine> lines;
    ForEachLine(text, [&lines](std::u16string_view line) {
        lines.push_back(SplitLine(line));
        return true;
    });
    // The grid's own format: every line that holds a field ends with a tab,
    // which then only closes the line.
    bool anyFilled = false, gridFormat = true;
    for (const TSplitLine& line : lines)
        if (!line.Fields.empty()) {
            anyFilled = true;
            gridFormat = gridFormat && line.EndsInTab;
        }
    std::vector<std::vector<std::u16string>> fields;
    std::size_t width = 0;
    for (TSplitLine& line : lines) {
        if (anyFilled && gridFormat && line.EndsInTab)
            line.Fields.pop_back();
        width = std::max(width, line.Fields.size());
        fields.push_back(std::move(line.Fields));
    }
    for (auto& line : fields)
        line.resize(width);
    return fields;
}

}  // namespace

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields)
{
    std::vector<TClipboardLine> lines = SplitWhole(text);
    if (lines.size() > maxLines)
        lines.resize(maxLines);
    for (auto& line : lines)
        if (line.size() > maxFields)
            line.resize(maxFields);
    return lines;
}

TClipboardBlock MeasureClipboardBlock(std::u16string_view text, std::size_t roomLines, std::size_t roomFields)
{
    TClipboardBlock block;
    const std::vector<TClipboardLine> lines = SplitWhole(text);
    for (std::size_t k = 0; k < lines.size(); ++k)
        for (std::size_t j = 0; j < lines[k].size(); ++j)
            if (!lines[k][j].empty()) {
                block.Cols = std::max(block.Cols, j + 1);
                block.Rows = k + 1;
                ++block.Fields;
                if (k >= roomLines || j >= roomFields)
                    ++block.Outside;
            }
    return block;
}

}  // namespace reference
