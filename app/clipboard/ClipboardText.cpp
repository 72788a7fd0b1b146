#include "ClipboardText.h"

#include <algorithm>

namespace {

constexpr char16_t Quote = u'"';
constexpr char16_t Tab = u'\t';

bool IsSeparator(char16_t c) { return c >= 1 && c <= 32; }

// A quoted field from just after its opening quote: it runs to the first
// quote that is not doubled, or to the end of the line when there is none;
// pos ends after that quote.
TClipboardField ReadQuotedField(std::u16string_view line, std::size_t& pos)
{
    TClipboardField field;
    std::size_t end = pos;
    while (end < line.size()) {
        if (line[end] == Quote) {
            if (end + 1 >= line.size() || line[end + 1] != Quote)
                break;
            ++field.Doubled;
            ++end;
        }
        ++end;
    }
    field.Quoted = line.substr(pos, end - pos);
    pos = std::min(end + 1, line.size());
    return field;
}

// Spreadsheet text: every tab separates two fields; a tab at the line's end
// is followed by an empty field unless tabEndsLastField. Characters 1 to 32
// around a field are dropped, those inside it kept. Returns whether a tab
// ended the line.
template <typename Take>
bool ForEachTabbedField(std::u16string_view line, bool tabEndsLastField, std::size_t maxFields, Take&& take)
{
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxFields; ++count) {
        while (pos < line.size() && line[pos] != Tab && IsSeparator(line[pos]))
            ++pos;
        TClipboardField field;
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
        field.Plain = line.substr(pos, end - pos);
        take(field);
        if (tab == line.size())
            return false;
        pos = tab + 1;
        if (pos == line.size() && tabEndsLastField)
            return true;
    }
    return false;
}

// Text from a file or a report: fields are separated by runs of characters 1 to 32.
template <typename Take>
void ForEachBlankSeparatedField(std::u16string_view line, std::size_t maxFields, Take&& take)
{
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxFields; ++count) {
        while (pos < line.size() && IsSeparator(line[pos]))
            ++pos;
        if (pos >= line.size())
            return;
        TClipboardField field;
        if (line[pos] == Quote) {
            ++pos;
            field = ReadQuotedField(line, pos);
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && !IsSeparator(line[pos]))
                ++pos;
            field.Plain = line.substr(start, pos - start);
        }
        take(field);
    }
}

bool HoldsTab(std::u16string_view line) { return line.find(Tab) != std::u16string_view::npos; }

template <typename Take>
bool ForEachField(std::u16string_view line, bool tabEndsLastField, std::size_t maxFields, Take&& take)
{
    if (HoldsTab(line))
        return ForEachTabbedField(line, tabEndsLastField, maxFields, take);
    ForEachBlankSeparatedField(line, maxFields, take);
    return false;
}

// Calls take(line) for each line of the text up to its first NUL. A break
// at the very end does not start a further line.
template <typename Take>
void ForEachLine(std::u16string_view text, Take&& take)
{
    text = text.substr(0, std::min(text.find(u'\0'), text.size()));
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        take(text.substr(pos, end - pos));
        pos = end + 1;
        if (end < text.size() && text[end] == u'\r' && pos < text.size() && text[pos] == u'\n')
            ++pos;
    }
}

}  // namespace

void WriteClipboardField(const TClipboardField& field, char16_t* out)
{
    // Inside quotes, the second quote of each pair is left out.
    bool keep = true;
    for (const char16_t c : field.Quoted) {
        if (keep)
            *out++ = c;
        keep = !keep || c != Quote;
    }
    std::copy(field.Plain.begin(), field.Plain.end(), out);
}

TClipboardLines ReadClipboardLines(std::u16string_view text, std::size_t roomLines, std::size_t roomFields,
                                   std::size_t keptLines)
{
    TClipboardLines lines;
    TClipboardBlock& block = lines.Block;
    // How a tab at a line's end is read is known only after the last line:
    // the width is taken both ways and chosen then.
    bool anyFilledLine = false, everyFilledLineEndsInTab = true;
    std::size_t widthTabEnds = 0, widthTabSeparates = 0;
    std::size_t k = 0;
    ForEachLine(text, [&](std::u16string_view line) {
        if (k < keptLines)
            lines.Kept.push_back(line);
        std::size_t j = 0;
        const bool endsInTab = ForEachField(line, true, SIZE_MAX, [&](const TClipboardField& field) {
            if (field.Length() != 0) {
                block.Cols = std::max(block.Cols, j + 1);
                block.Rows = k + 1;
                ++block.Fields;
                if (k >= roomLines || j >= roomFields)
                    ++block.Outside;
            }
            ++j;
        });
        if (j > 0 || HoldsTab(line)) {
            anyFilledLine = true;
            everyFilledLineEndsInTab = everyFilledLineEndsInTab && endsInTab;
        }
        widthTabEnds = std::max(widthTabEnds, j);
        widthTabSeparates = std::max(widthTabSeparates, j + (endsInTab ? 1 : 0));
        ++k;
    });
    lines.TabEndsLastField = anyFilledLine && everyFilledLineEndsInTab;
    lines.Width = lines.TabEndsLastField ? widthTabEnds : widthTabSeparates;
    return lines;
}

std::vector<TClipboardFieldLine> ClipboardFields(const TClipboardLines& lines, std::size_t maxLines,
                                                 std::size_t maxFields)
{
    std::vector<TClipboardFieldLine> fieldLines;
    const std::size_t width = std::min(lines.Width, maxFields);
    for (std::size_t k = 0; k < std::min(maxLines, lines.Kept.size()); ++k) {
        TClipboardFieldLine& fields = fieldLines.emplace_back();
        ForEachField(lines.Kept[k], lines.TabEndsLastField, maxFields,
                     [&fields](const TClipboardField& field) { fields.push_back(field); });
        fields.resize(std::max(fields.size(), width));
    }
    return fieldLines;
}

std::size_t CountClipboardFieldsWithin(const TClipboardLines& lines, std::size_t roomLines, std::size_t roomFields)
{
    std::size_t count = 0;
    for (std::size_t k = 0; k < std::min(roomLines, lines.Kept.size()); ++k)
        ForEachField(lines.Kept[k], true, roomFields,
                     [&count](const TClipboardField& field) { count += field.Length() != 0; });
    return count;
}

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields)
{
    std::vector<TClipboardLine> texts;
    const TClipboardLines lines = ReadClipboardLines(text, maxLines, maxFields, maxLines);
    for (const TClipboardFieldLine& fields : ClipboardFields(lines, maxLines, maxFields)) {
        TClipboardLine& line = texts.emplace_back();
        for (const TClipboardField& field : fields)
            WriteClipboardField(field, line.emplace_back(field.Length(), u'\0').data());
    }
    return texts;
}
