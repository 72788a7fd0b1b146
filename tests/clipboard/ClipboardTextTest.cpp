// The clipboard text formats without a grid: lines, fields, quotes, the
// clipping at the grid's room, and the pair loader's items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClipboardPairs.h"
#include "ClipboardText.h"

namespace {

using TLines = std::vector<TClipboardLine>;
constexpr std::size_t All = SIZE_MAX;

TLines Split(std::u16string_view text) { return SplitClipboardText(text, All, All); }

}  // namespace

TEST(ClipboardText, LinesEndAtCrLfOrCrLf)
{
    EXPECT_EQ(Split(u"a\r\nb\nc\rd"), (TLines{{u"a"}, {u"b"}, {u"c"}, {u"d"}}));
    // LF CR is two breaks: an empty line between.
    EXPECT_EQ(Split(u"a\n\rb"), (TLines{{u"a"}, {u""}, {u"b"}}));
    EXPECT_EQ(Split(u"a\r\n\r\nb"), (TLines{{u"a"}, {u""}, {u"b"}}));
}

TEST(ClipboardText, BreakAtTheEndStartsNoFurtherLine)
{
    EXPECT_EQ(Split(u"a\r\n"), (TLines{{u"a"}}));
    EXPECT_EQ(Split(u"a\r"), (TLines{{u"a"}}));
    EXPECT_EQ(Split(u"\r\n"), (TLines{{}}));
    EXPECT_EQ(Split(u"a\r\n\r\n"), (TLines{{u"a"}, {u""}}));
    EXPECT_TRUE(Split(u"").empty());
}

TEST(ClipboardText, LinesWithoutTabAreSeparatedByRunsOfCharactersOneTo32)
{
    EXPECT_EQ(Split(u"1 2"), (TLines{{u"1", u"2"}}));
    EXPECT_EQ(Split(u"  \x01\x1f 7 \x0b 8"), (TLines{{u"7", u"8"}}));
    EXPECT_EQ(Split(u"   "), (TLines{{}}));
    // Characters above 32 are field characters: DEL, no-break space, Chinese.
    EXPECT_EQ(Split(u"a\x7f\xa0\u4e2d b"), (TLines{{u"a\x7f\xa0\u4e2d", u"b"}}));
}

TEST(ClipboardText, EveryTabSeparatesTwoFieldsOfSpreadsheetText)
{
    // Empty cells stay empty fields, so the values after them keep their columns.
    EXPECT_EQ(Split(u"1.5\t\t2.5"), (TLines{{u"1.5", u"", u"2.5"}}));
    // Blanks around a field are dropped, blanks inside it are kept.
    EXPECT_EQ(Split(u" 26 .86 \t\x01 7\x1f\tx"), (TLines{{u"26 .86", u"7", u"x"}}));
    EXPECT_EQ(Split(u" \t "), (TLines{{u"", u""}}));
    // Quotes as on blank-separated lines; text after the closing quote stays in the field.
    EXPECT_EQ(Split(u"\"a\tb\"\t\"\"\t\"x\"y\t"), (TLines{{u"a\tb", u"", u"xy"}}));
}

// A tab at a line's end ends the last field only in the grid's own format,
// where every line that holds anything ends with one; in a spreadsheet's
// block it is followed by the empty last cell, which a paste must empty.
TEST(ClipboardText, TabAtTheLineEndIsATerminatorOnlyWhenEveryLineEndsWithOne)
{
    EXPECT_EQ(Split(u"a\t\tb\t\r\n\t\t\t\r\n"), (TLines{{u"a", u"", u"b"}, {u"", u"", u""}}));
    EXPECT_EQ(Split(u"1\t2\t3\t4\t\n5\t6\t7\t8\t9\n"),
              (TLines{{u"1", u"2", u"3", u"4", u""}, {u"5", u"6", u"7", u"8", u"9"}}));
    // A row of four tabs is five empty cells.
    EXPECT_EQ(Split(u"1\t2\t3\t4\t5\n\t\t\t\t\n"), (TLines{{u"1", u"2", u"3", u"4", u"5"}, TClipboardLine(5)}));
    // Empty lines do not decide it; a tab inside an open quote does not end the line.
    EXPECT_EQ(Split(u"1\t\n\n2\t"), (TLines{{u"1"}, {u""}, {u"2"}}));
    EXPECT_EQ(Split(u"1\t\n\"2\t"), (TLines{{u"1", u""}, {u"2\t", u""}}));
}

// Every line is as wide as the widest: the cells a shorter line does not
// reach are emptied by a paste.
TEST(ClipboardText, ShorterLinesAreFilledUpWithEmptyFields)
{
    EXPECT_EQ(Split(u"1 2 3\n4\n\n"), (TLines{{u"1", u"2", u"3"}, {u"4", u"", u""}, {u"", u"", u""}}));
    EXPECT_EQ(Split(u"\t1\r\n2\t\t"), (TLines{{u"", u"1", u""}, {u"2", u"", u""}}));
    // Within the room only.
    EXPECT_EQ(SplitClipboardText(u"1 2 3\n4", 5, 2), (TLines{{u"1", u"2"}, {u"4", u""}}));
}

TEST(ClipboardText, BlockMeasuresItsNonEmptyFields)
{
    const std::u16string text = u"1\t2\t\t\r\n\r\n\t\t3\t\r\n\t\r\n";
    const TClipboardLines lines = ReadClipboardLines(text, 2, 2, All);
    EXPECT_EQ(lines.Block.Cols, 3u);  // the trailing empty fields do not count
    EXPECT_EQ(lines.Block.Rows, 3u);  // nor the last line, which holds only empty fields
    EXPECT_EQ(lines.Block.Outside, 1u);
    EXPECT_EQ(lines.Block.Fields, 3u);
    // Within a room the count stops at its edge; with Fields it gives the outside of any room.
    EXPECT_EQ(CountClipboardFieldsWithin(lines, 2, 2), 2u);
    EXPECT_EQ(CountClipboardFieldsWithin(lines, 3, 3), 3u);
    EXPECT_EQ(ReadClipboardLines(u"1 2 3", 1, 3, All).Block.Outside, 0u);
    EXPECT_EQ(ReadClipboardLines(u"", 0, 0, All).Block.Rows, 0u);
    // Only the kept lines are held, whatever the text's length.
    EXPECT_EQ(ReadClipboardLines(u"1\n2\n3 4 5", 1, 1, 1).Kept.size(), 1u);
    EXPECT_EQ(ReadClipboardLines(u"1\n2\n3 4 5", 1, 1, 1).Width, 3u);
}

TEST(ClipboardText, QuotedFields)
{
    EXPECT_EQ(Split(u"\"a b\"\tc"), (TLines{{u"a b", u"c"}}));
    EXPECT_EQ(Split(u"\"\" x"), (TLines{{u"", u"x"}}));
    EXPECT_EQ(Split(u"\"say \"\"hi\"\"\""), (TLines{{u"say \"hi\""}}));
    // A field without its closing quote runs to the end of the line only.
    EXPECT_EQ(Split(u"\"open\tstill\r\nnext"), (TLines{{u"open\tstill"}, {u"next"}}));
    EXPECT_EQ(Split(u"\""), (TLines{{u""}}));
    // After the closing quote a new field begins.
    EXPECT_EQ(Split(u"\"a\"b"), (TLines{{u"a", u"b"}}));
    // A quote inside an unquoted field is an ordinary character.
    EXPECT_EQ(Split(u"5\"7 x\"y"), (TLines{{u"5\"7", u"x\"y"}}));
}

// Runs of doubled quotes of every length, at every place, closed or not,
// read back exactly.
TEST(ClipboardText, LongQuotedFieldsWithRunsOfQuotesAtEveryPlace)
{
    for (std::size_t run = 1; run <= 70; run += 3) {
        for (std::size_t offset = 0; offset < 70; offset += 5) {
            std::u16string field(offset, u'x');
            field += std::u16string(run, u'"');
            field += u"a b";
            field += std::u16string(run + offset % 3, u'"');
            field += std::u16string(100 - offset, u'y');
            std::u16string quoted;
            for (const char16_t c : field)
                quoted += c == u'"' ? u"\"\"" : std::u16string(1, c);
            for (const std::u16string& closing : {std::u16string(u"\"z\t2"), std::u16string()}) {
                const std::u16string text = u"\"" + quoted + closing;
                const std::u16string last = closing.empty() ? field : field + u"z";
                const TLines expected = closing.empty() ? TLines{{last}} : TLines{{last, u"2"}};
                EXPECT_EQ(SplitClipboardText(text, 9, 9), expected) << run << ' ' << offset;
                EXPECT_EQ(ReadClipboardLines(text, 9, 9, 0).Block.Fields, expected[0].size());
            }
        }
    }
}

TEST(ClipboardText, TextEndsAtItsFirstNul)
{
    EXPECT_EQ(Split(std::u16string(u"1\t2\0003\r\n4", 9)), (TLines{{u"1", u"2"}}));
    EXPECT_EQ(Split(std::u16string(u"\0001", 2)), TLines{});
    EXPECT_EQ(Split(std::u16string(u"\"a\0b\"", 5)), (TLines{{u"a"}}));
}

TEST(ClipboardText, ClippedAtTheRoomOfTheGrid)
{
    const std::u16string text = u"1 2 3 4\r\n5 6 7 8\r\n9 10 11 12";
    EXPECT_EQ(SplitClipboardText(text, 2, 2), (TLines{{u"1", u"2"}, {u"5", u"6"}}));
    EXPECT_EQ(SplitClipboardText(text, 0, 5), TLines{});
    EXPECT_EQ(SplitClipboardText(text, 1, 0), (TLines{{}}));
}

TEST(ClipboardText, LargeTextsAreKeptOnlyAsFarAsTheGridReaches)
{
    std::u16string manyFields;
    for (int i = 0; i < 100000; ++i)
        manyFields += u"1.5\t";
    const TLines lines = SplitClipboardText(manyFields + u"\r\nlast", 10, 5);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], TClipboardLine(5, u"1.5"));
    EXPECT_EQ(lines[1], (TClipboardLine{u"last", u"", u"", u"", u""}));
}

TEST(ClipboardPairs, ItemsAreTheWholeCommaSeparatedValues)
{
    using TItems = std::vector<std::u16string>;
    EXPECT_EQ(SplitPairItems(u"26.39,27.41"), (TItems{u"26.39", u"27.41"}));
    EXPECT_EQ(SplitPairItems(u"1\t2\r\n3\t4\r\n"), (TItems{u"1", u"2", u"3", u"4"}));
    // Only the CR LF pair becomes a comma; a lone LF stays in its value.
    EXPECT_EQ(SplitPairItems(u"1\n2"), (TItems{u"1\n2"}));
    // Empty values keep the pairs in step.
    EXPECT_EQ(SplitPairItems(u"a,,b,"), (TItems{u"a", u"", u"b"}));
    EXPECT_TRUE(SplitPairItems(u"").empty());
}
