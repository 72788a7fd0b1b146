// The paste splitter as it was before it became a single pass: the reference
// the fuzzer compares the product's splitter with on random input.
#include "ReferenceClipboardText.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>

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

// Only the length of a field: measuring a block allocates nothing.
struct TFieldLength {
    std::size_t Length = 0;
    void append(std::u16string_view run) { Length += run.size(); }
    bool empty() const { return Length == 0; }
};

// A quoted field from just after its opening quote; pos ends after the
// closing quote, or at the end of the line when the quote is never closed.
// The field is measured first, so that a long one is copied only once.
template <typename Field>
Field ReadQuotedField(std::u16string_view line, std::size_t& pos)
{
    Field field;
    if constexpr (std::is_same_v<Field, std::u16string>) {
        std::size_t length = 0;
        WalkQuotedField(line, pos, [&length](std::u16string_view run) { length += run.size(); });
        field.reserve(length);
    }
    const std::size_t end = WalkQuotedField(line, pos, [&field](std::u16string_view run) { field.append(run); });
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
template <typename Field, typename Take>
void ForEachTabbedField(std::u16string_view line, std::size_t maxFields, Take&& take)
{
    std::size_t pos = 0;
    // A tab at the end of the line ends its last field; no empty one follows.
    for (std::size_t count = 0; count < maxFields && pos < line.size(); ++count) {
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
        pos = tab + 1;
    }
}

// Text from a file or a report: fields are separated by runs of characters 1 to 32.
template <typename Field, typename Take>
void ForEachBlankSeparatedField(std::u16string_view line, std::size_t maxFields, Take&& take)
{
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxFields; ++count) {
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

template <typename Field, typename Take>
void ForEachField(std::u16string_view line, std::size_t maxFields, Take&& take)
{
    line = ZeroTerminated(line);
    if (line.find(Tab) != std::u16string_view::npos)
        ForEachTabbedField<Field>(line, maxFields, take);
    else
        ForEachBlankSeparatedField<Field>(line, maxFields, take);
}

}  // namespace

TClipboardLine SplitClipboardLine(std::u16string_view line, std::size_t maxFields)
{
    TClipboardLine fields;
    ForEachField<std::u16string>(line, maxFields,
                                 [&fields](std::u16string&& field) { fields.push_back(std::move(field)); });
    return fields;
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

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields)
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
        std::size_t j = 0;
        ForEachField<TFieldLength>(line, SIZE_MAX, [&](TFieldLength field) {
            if (!field.empty()) {
                block.Cols = std::max(block.Cols, j + 1);
                block.Rows = k + 1;
                if (k >= roomLines || j >= roomFields)
                    ++block.Outside;
            }
            ++j;
        });
        ++k;
        return true;
    });
    return block;
}

}  // namespace reference
