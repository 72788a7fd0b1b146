// The clipboard text formats without a grid: lines, fields, quotes, the
// clipping at the grid's room, and the pair loader's items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClipboardPairs.h"
#include "ClipboardText.h"
#include "UnitDropping.h"

namespace {

using TLines = std::vector<TClipboardLine>;
constexpr std::size_t All = SIZE_MAX;

TLines Split(std::u16string_view text) { return SplitClipboardText(text, All, All); }

}  // namespace

TEST(ClipboardText, LinesEndAtCrLfOrCrLf)
{
    EXPECT_EQ(Split(u"a\r\nb\nc\rd"), (TLines{{u"a"}, {u"b"}, {u"c"}, {u"d"}}));
    // LF CR is two breaks: an empty line between.
    EXPECT_EQ(Split(u"a\n\rb"), (TLines{{u"a"}, {}, {u"b"}}));
    EXPECT_EQ(Split(u"a\r\n\r\nb"), (TLines{{u"a"}, {}, {u"b"}}));
}

TEST(ClipboardText, BreakAtTheEndStartsNoFurtherLine)
{
    EXPECT_EQ(Split(u"a\r\n"), (TLines{{u"a"}}));
    EXPECT_EQ(Split(u"a\r"), (TLines{{u"a"}}));
    EXPECT_EQ(Split(u"\r\n"), (TLines{{}}));
    EXPECT_EQ(Split(u"a\r\n\r\n"), (TLines{{u"a"}, {}}));
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

TEST(ClipboardText, EveryTabEndsOneFieldOfSpreadsheetText)
{
    // Empty cells stay empty fields, so the values after them keep their columns.
    EXPECT_EQ(Split(u"1.5\t\t2.5"), (TLines{{u"1.5", u"", u"2.5"}}));
    EXPECT_EQ(Split(u"\t1\r\n2\t\t"), (TLines{{u"", u"1"}, {u"2", u""}}));
    // Blanks around a field are dropped, blanks inside it are kept.
    EXPECT_EQ(Split(u" 26 .86 \t\x01 7\x1f\t"), (TLines{{u"26 .86", u"7"}}));
    EXPECT_EQ(Split(u" \t "), (TLines{{u"", u""}}));
    // A line copied from the grid: its closing tab starts no further field.
    EXPECT_EQ(Split(u"a\t\tb\t\r\n"), (TLines{{u"a", u"", u"b"}}));
    // Quotes as on blank-separated lines; text after the closing quote stays in the field.
    EXPECT_EQ(Split(u"\"a\tb\"\t\"\"\t\"x\"y\t"), (TLines{{u"a\tb", u"", u"xy"}}));
}

TEST(ClipboardText, BlockMeasuresItsNonEmptyFields)
{
    const TClipboardBlock block = MeasureClipboardBlock(u"1\t2\t\t\r\n\r\n\t\t3\t\r\n\t\r\n", 2, 2);
    EXPECT_EQ(block.Cols, 3u);  // the trailing empty fields do not count
    EXPECT_EQ(block.Rows, 3u);  // nor the last line, which holds only empty fields
    EXPECT_EQ(block.Outside, 1u);
    EXPECT_EQ(block.Fields, 3u);
    // Within a room the count stops at its edge; with Fields it gives the outside of any room.
    EXPECT_EQ(CountClipboardFieldsWithin(u"1\t2\t\t\r\n\r\n\t\t3\t\r\n\t\r\n", 2, 2), 2u);
    EXPECT_EQ(CountClipboardFieldsWithin(u"1\t2\t\t\r\n\r\n\t\t3\t\r\n\t\r\n", 3, 2), 2u);
    EXPECT_EQ(CountClipboardFieldsWithin(u"1 2 3", 0, 3), 0u);
    EXPECT_EQ(MeasureClipboardBlock(u"1 2 3", 1, 3).Outside, 0u);
    EXPECT_EQ(MeasureClipboardBlock(u"", 0, 0).Rows, 0u);
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

// Long quoted fields are read many characters at a time: runs of doubled
// quotes of every length, at every place, closed or not, read back exactly.
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
                EXPECT_EQ(MeasureClipboardBlock(text, 9, 9).Fields, expected[0].size());
            }
        }
    }
}

// Every way of dropping units keeps the same units in order, for every count
// of units and with the output's room ending just after the kept ones.
TEST(ClipboardText, UnitsAreDroppedAlikeByRunsAndByShuffles)
{
    char16_t block[64];
    for (int k = 0; k < 64; ++k)
        block[k] = static_cast<char16_t>(u'A' + k);
    std::uint64_t drops = 0x9E3779B97F4A7C15u;
    for (std::size_t n = 0; n <= 64; ++n) {
        for (int round = 0; round < 20; ++round) {
            drops = drops * 6364136223846793005u + 1442695040888963407u;
            const std::uint64_t used = n == 64 ? drops : drops & ((std::uint64_t{1} << n) - 1);
            std::u16string expected;
            for (std::size_t k = 0; k < n; ++k)
                if (!(used >> k & 1))
                    expected += block[k];
            std::vector ways{DropUnitsByRuns, DropUnitsByShuffles};
            if (ProcessorCompressesUnits())
                ways.push_back(DropUnitsByCompression);
            for (auto* drop : ways) {
                std::u16string out(expected.size() + 8, u'#');
                char16_t* const end = drop(block, n, used, out.data(), out.data() + expected.size());
                EXPECT_EQ(std::u16string(out.data(), end), expected) << n;
                EXPECT_EQ(out.substr(expected.size()), std::u16string(8, u'#')) << n;
            }
        }
    }
}

// The one pass before the enlarge question hands back the fields a split of
// the room gives, and the lines a larger room is read from.
TEST(ClipboardText, MeasuredTextKeepsTheFieldsOfItsRoom)
{
    const std::u16string text = u"1\t\"2\"\"x\"\t3\r\n\r\n4 \"5 6\" 7\n\t8\t\t9";
    const TMeasuredClipboardText measured = MeasureClipboardText(text, 3, 2, 9);
    EXPECT_EQ(measured.Block.Fields, 8u);
    EXPECT_EQ(measured.Block.Outside, 4u);
    const auto written = [](const std::vector<TClipboardFieldLine>& lines) {
        TLines texts;
        for (const TClipboardFieldLine& line : lines) {
            TClipboardLine& fields = texts.emplace_back();
            for (const TClipboardField& field : line)
                WriteClipboardField(field, fields.emplace_back(field.Length(), u'\0').data());
        }
        return texts;
    };
    EXPECT_EQ(written(measured.FieldsInRoom), (TLines{{u"1", u"2\"x"}, {}, {u"4", u"5 6"}}));
    EXPECT_EQ(measured.Lines.size(), 4u);
    EXPECT_EQ(written(ClipboardFields(measured.Lines, 9, 9)), SplitClipboardText(text, 9, 9));
    EXPECT_EQ(CountClipboardFieldsWithin(measured.Lines, 4, 3), measured.Block.Fields - 1);
}

TEST(ClipboardText, TextEndsAtItsFirstNul)
{
    EXPECT_EQ(Split(std::u16string(u"1\t2\0003\r\n4", 9)), (TLines{{u"1", u"2"}}));
    EXPECT_EQ(Split(std::u16string(u"\0001", 2)), TLines{});
    EXPECT_EQ(SplitClipboardLine(std::u16string(u"\"a\0b\"", 5), All), (TClipboardLine{u"a"}));
}

TEST(ClipboardText, ClippedAtTheRoomOfTheGrid)
{
    const std::u16string text = u"1 2 3 4\r\n5 6 7 8\r\n9 10 11 12";
    EXPECT_EQ(SplitClipboardText(text, 2, 2), (TLines{{u"1", u"2"}, {u"5", u"6"}}));
    EXPECT_EQ(SplitClipboardText(text, 0, 5), TLines{});
    EXPECT_EQ(SplitClipboardText(text, 1, 0), (TLines{{}}));
}

TEST(ClipboardText, LargeTextsAreSplitOnlyAsFarAsTheGridReaches)
{
    std::u16string manyFields;
    for (int i = 0; i < 100000; ++i)
        manyFields += u"1.5\t";
    const TLines lines = SplitClipboardText(manyFields + u"\r\nlast", 10, 5);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], TClipboardLine(5, u"1.5"));
    EXPECT_EQ(lines[1], TClipboardLine{u"last"});
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
