// Fuzzer of the paste splitter (tab-separated and blank-separated lines), the
// measure of a block's non-empty fields, and the pair loader's item cutting.
// The splitter's results equal those of a splitter written apart from it,
// kept here as the reference.
// The input is read as UTF-16 code units (NULs, lone surrogates, control
// characters and byte-order-mark characters included), after two bytes that
// choose the grid's room for the paste. The text passes through a QString and
// every field back into one, as on the way from the clipboard into the cells.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ClipboardPairs.h"
#include "ClipboardText.h"
#include "ReferenceClipboardText.h"
#include "Utf16Units.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// Every code unit survives the way into a cell text and back.
void CheckUnchangedAsText(std::u16string_view units)
{
    if (Utf16Units(TextOfUtf16Units(units)) != units)
        Fail("the conversion to a QString changed the text");
}

void CheckSplit(std::u16string_view text, std::size_t maxLines, std::size_t maxFields)
{
    const auto clipped = SplitClipboardText(text, maxLines, maxFields);
    const auto whole = SplitClipboardText(text, SIZE_MAX, SIZE_MAX);
    if (clipped.size() > maxLines)
        Fail("more lines than the grid has room for");
    if (clipped.size() > whole.size())
        Fail("clipping added lines");
    std::size_t characters = 0;
    for (std::size_t k = 0; k < clipped.size(); ++k) {
        if (clipped[k].size() > maxFields)
            Fail("more fields than the grid has room for");
        // The clipped split is the corner of the whole split.
        for (std::size_t j = 0; j < clipped[k].size(); ++j)
            if (j >= whole[k].size() || clipped[k][j] != whole[k][j])
                Fail("clipped field differs from the whole split");
        if (clipped[k].size() < maxFields && clipped[k].size() != whole[k].size())
            Fail("fields missing below the limit");
    }
    if (clipped.size() < maxLines && clipped.size() != whole.size())
        Fail("lines missing below the limit");
    for (const auto& line : whole)
        for (const auto& field : line) {
            CheckUnchangedAsText(field);
            characters += field.size();
            for (const char16_t c : field)
                if (IsLineBreak(c) || c == u'\0')
                    Fail("line break or NUL inside a field");
        }
    // Fields never hold more characters than the text (doubled quotes shrink).
    if (characters > text.substr(0, std::min(text.find(u'\0'), text.size())).size())
        Fail("fields longer than the text");
}

// The measure agrees with the whole split: how far the non-empty fields
// reach and how many lie beyond the room; the kept lines read as the text does.
void CheckMeasure(std::u16string_view text, std::size_t roomLines, std::size_t roomFields)
{
    const auto whole = SplitClipboardText(text, SIZE_MAX, SIZE_MAX);
    std::size_t cols = 0, rows = 0, outside = 0;
    for (std::size_t k = 0; k < whole.size(); ++k)
        for (std::size_t j = 0; j < whole[k].size(); ++j)
            if (!whole[k][j].empty()) {
                cols = std::max(cols, j + 1);
                rows = k + 1;
                outside += k >= roomLines || j >= roomFields;
            }
    const std::size_t keptLines = roomLines + roomFields % 3;
    const TClipboardLines lines = ReadClipboardLines(text, roomLines, roomFields, keptLines);
    const TClipboardBlock& block = lines.Block;
    if (block.Cols != cols || block.Rows != rows || block.Outside != outside)
        Fail("block measure differs from the whole split");
    if (block.Fields - CountClipboardFieldsWithin(lines, roomLines, roomFields) != outside)
        Fail("fields within the room and outside it do not add up to the block's fields");
    std::vector<TClipboardLine> written;
    for (const TClipboardFieldLine& line : ClipboardFields(lines, keptLines, roomFields + 1)) {
        TClipboardLine& fields = written.emplace_back();
        for (const TClipboardField& field : line)
            WriteClipboardField(field, fields.emplace_back(field.Length(), u'\0').data());
    }
    if (written != SplitClipboardText(text, keptLines, roomFields + 1))
        Fail("the kept lines read otherwise than the text");
}

// The splitter gives what the reference splitter gives.
void CheckAgainstReference(std::u16string_view text, std::size_t maxLines, std::size_t maxFields)
{
    if (SplitClipboardText(text, maxLines, maxFields) != reference::SplitClipboardText(text, maxLines, maxFields))
        Fail("split differs from the reference splitter");
    const TClipboardBlock block = ReadClipboardLines(text, maxLines, maxFields, 0).Block;
    const reference::TClipboardBlock expected = reference::MeasureClipboardBlock(text, maxLines, maxFields);
    if (block.Cols != expected.Cols || block.Rows != expected.Rows || block.Fields != expected.Fields ||
        block.Outside != expected.Outside)
        Fail("block measure differs from the reference splitter");
}

void CheckPairs(std::u16string_view text)
{
    std::size_t characters = 0;
    for (const auto& item : SplitPairItems(text)) {
        CheckUnchangedAsText(item);
        characters += item.size();
        for (const char16_t c : item)
            if (c == u',' || c == u'\t')
                Fail("separator inside an item");
    }
    if (characters > text.size())
        Fail("items longer than the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t maxLines = data[0] % 16;
    const std::size_t maxFields = data[1] % 16;
    std::u16string text;
    for (std::size_t i = 2; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    // Single bytes as characters too, so that plain ASCII inputs reach the quotes.
    std::u16string narrow(data + 2, data + size);
    // A text that starts with a byte-order-mark character, either way round.
    const std::u16string marked = (data[0] & 1 ? u"\uFFFE" : u"\uFEFF") + narrow;
    for (const std::u16string& candidate : {text, narrow, marked}) {
        CheckUnchangedAsText(candidate);
        CheckSplit(candidate, maxLines, maxFields);
        CheckMeasure(candidate, maxLines, maxFields);
        CheckAgainstReference(candidate, maxLines, maxFields);
        CheckPairs(candidate);
    }
    return 0;
}
