#include "ClipboardText.h"

#include "UnitDropping.h"

#include <algorithm>
#include <cstdint>
#include <emmintrin.h>
#include <utility>

namespace {

constexpr char16_t Quote = u'"';
constexpr char16_t Tab = u'\t';

bool IsSeparator(char16_t c) { return c >= 1 && c <= 32; }

constexpr std::uint64_t EvenUnits = 0x5555555555555555u;

// The number of bits set: the processor's instruction where it has one (not
// every x86-64 processor does, so the compiler may not use it), else by halves.
unsigned BitCount(std::uint64_t bits)
{
    static const bool instruction = __builtin_cpu_supports("popcnt");
    if (instruction) {
        std::uint64_t count = 0;
        asm("popcnt %1, %0" : "=r"(count) : "rm"(bits) : "cc");
        return static_cast<unsigned>(count);
    }
    bits -= (bits >> 1) & EvenUnits;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<unsigned>((bits * 0x0101010101010101u) >> 56);
}

// Bit k: unit k of the 64 from p is a quote.
std::uint64_t QuoteBits(const char16_t* p)
{
    const __m128i quote = _mm_set1_epi16(Quote);
    std::uint64_t bits = 0;
    for (int k = 0; k < 64; k += 16) {
        const __m128i low = _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k)), quote);
        const __m128i high = _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k + 8)), quote);
        bits |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high)))} << k;
    }
    return bits;
}

// The quote bits of 64 units, cut after their last non-quote when a run of
// quotes reaches the last unit (it may go on beyond): every run kept is whole.
// n is the number of units kept.
std::uint64_t WholeRuns(std::uint64_t quotes, std::size_t& n)
{
    n = 64;
    if ((quotes >> 63) == 0 || ~quotes == 0)  // 64 quotes are 32 whole pairs
        return quotes;
    n = static_cast<std::size_t>(64 - __builtin_clzll(~quotes));
    return quotes & ((std::uint64_t{1} << n) - 1);
}

// Within whole runs of quotes, pairs are read from each run's start.
struct TQuoteRuns {
    std::uint64_t OddEnds;  // the unit just after each run of odd length
    std::uint64_t Seconds;  // the second quote of every pair
};
TQuoteRuns QuoteRuns(std::uint64_t quotes)
{
    const std::uint64_t starts = quotes & ~(quotes << 1);
    const std::uint64_t evenStarts = starts & EvenUnits, oddStarts = starts & ~EvenUnits;
    // Adding a run's first bit carries through the run to the unit after it.
    const std::uint64_t afterEvenStart = quotes + evenStarts;
    const std::uint64_t evenStartRuns = (afterEvenStart ^ quotes) & quotes;
    const std::uint64_t oddStartRuns = quotes & ~evenStartRuns;
    const std::uint64_t afterEven = afterEvenStart & ~quotes, afterOdd = (quotes + oddStarts) & ~quotes;
    return {(afterEven & ~EvenUnits) | (afterOdd & EvenUnits),
            (evenStartRuns & ~EvenUnits) | (oddStartRuns & EvenUnits)};
}

// The closing quote of a quoted field from pos, just after its opening
// quote: the last quote of the first run of odd length, or the end of the
// line when there is none; doubled counts the pairs before it. Sixty-four
// units at a time, the runs' parities read off the quotes' bits.
std::size_t ClosingQuote(std::u16string_view line, std::size_t pos, std::size_t& doubled)
{
    const std::size_t size = line.size();
    while (size - pos >= 64) {
        std::size_t n = 0;
        const std::uint64_t quotes = WholeRuns(QuoteBits(line.data() + pos), n);
        const std::uint64_t oddEnds = QuoteRuns(quotes).OddEnds;
        if (oddEnds != 0) {
            const auto at = static_cast<unsigned>(__builtin_ctzll(oddEnds)) - 1;
            doubled += static_cast<std::size_t>(BitCount(quotes & ((std::uint64_t{1} << at) - 1))) / 2;
            return pos + at;
        }
        doubled += static_cast<std::size_t>(BitCount(quotes)) / 2;
        pos += n;
    }
    while (pos < size) {
        if (line[pos] == Quote) {
            if (pos + 1 >= size || line[pos + 1] != Quote)
                return pos;
            ++doubled;
            ++pos;
        }
        ++pos;
    }
    return size;
}

// The units of a quoted field's inside without the second quote of each pair
// (every quote there is one of a pair), to out, which ends at outEnd.
char16_t* UndoubledQuotes(std::u16string_view inside, char16_t* out, const char16_t* outEnd)
{
    const std::size_t end = inside.size();
    std::size_t pos = 0;
    // Blocks of 64 units, sixteen at a time.
    while (end - pos >= 64) {
        TDropBlock blocks[16];
        const std::size_t first = pos;
        std::size_t count = 0;
        for (; count < 16 && end - pos >= 64; pos += blocks[count++].Units)
            blocks[count].Drops = QuoteRuns(WholeRuns(QuoteBits(inside.data() + pos), blocks[count].Units)).Seconds;
        out = DropUnits(inside.data() + first, blocks, count, out, outEnd);
    }
    // The last units one by one: a quote is kept, the next one skipped.
    for (bool keep = true; pos < end; ++pos) {
        const char16_t c = inside[pos];
        if (keep)
            *out++ = c;
        keep = !keep || c != Quote;
    }
    return out;
}

// A quoted field from just after its opening quote; pos ends after the
// closing quote, or at the end of the line when the quote is never closed.
TClipboardField ReadQuotedField(std::u16string_view line, std::size_t& pos)
{
    TClipboardField field;
    const std::size_t end = ClosingQuote(line, pos, field.Doubled);
    field.Quoted = line.substr(pos, end - pos);
    pos = std::min(end + 1, line.size());
    return field;
}

}  // namespace

std::u16string_view ZeroTerminated(std::u16string_view text)
{
    return text.substr(0, std::min(text.find(u'\0'), text.size()));
}

namespace {

// The first tab at or after pos, or the end of the line; eight characters
// at a time, as fields of spreadsheet text are short and many.
std::size_t NextTab(std::u16string_view line, std::size_t pos)
{
    const __m128i tab = _mm_set1_epi16(Tab);
    while (line.size() - pos >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + pos));
        const int found = _mm_movemask_epi8(_mm_cmpeq_epi16(units, tab));
        if (found != 0)
            return pos + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(found))) / 2;
        pos += 8;
    }
    while (pos < line.size() && line[pos] != Tab)
        ++pos;
    return pos;
}

// Spreadsheet text: every tab ends a field, so an empty cell gives an empty
// field. Characters 1 to 32 around a field are dropped, those inside it kept.
template <typename Take>
void ForEachTabbedField(std::u16string_view line, std::size_t maxFields, Take&& take)
{
    std::size_t pos = 0;
    // A tab at the end of the line ends its last field; no empty one follows.
    for (std::size_t count = 0; count < maxFields && pos < line.size(); ++count) {
        while (pos < line.size() && line[pos] != Tab && IsSeparator(line[pos]))
            ++pos;
        TClipboardField field;
        if (pos < line.size() && line[pos] == Quote) {
            ++pos;
            field = ReadQuotedField(line, pos);
        }
        // Up to the next tab; text after a closing quote stays part of the field.
        const std::size_t tab = NextTab(line, pos);
        std::size_t end = tab;
        while (end > pos && IsSeparator(line[end - 1]))
            --end;
        while (pos < end && IsSeparator(line[pos]))
            ++pos;
        field.Plain = line.substr(pos, end - pos);
        take(field);
        pos = tab + 1;
    }
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
            break;
        if (line[pos] == Quote) {
            ++pos;
            take(ReadQuotedField(line, pos));
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && !IsSeparator(line[pos]))
                ++pos;
            TClipboardField field;
            field.Plain = line.substr(start, pos - start);
            take(field);
        }
    }
}

// A line without NUL characters; holdsTab tells whether it holds a tab.
template <typename Take>
void ForEachField(std::u16string_view line, bool holdsTab, std::size_t maxFields, Take&& take)
{
    if (holdsTab)
        ForEachTabbedField(line, maxFields, take);
    else
        ForEachBlankSeparatedField(line, maxFields, take);
}

}  // namespace

namespace {

TClipboardLine SplitLine(std::u16string_view line, bool holdsTab, std::size_t maxFields)
{
    TClipboardLine fields;
    ForEachField(line, holdsTab, maxFields, [&fields](const TClipboardField& field) {
        std::u16string& text = fields.emplace_back(field.Length(), u'\0');
        WriteClipboardField(field, text.data());
    });
    return fields;
}

}  // namespace

TClipboardLine SplitClipboardLine(std::u16string_view line, std::size_t maxFields)
{
    line = ZeroTerminated(line);
    return SplitLine(line, line.find(Tab) != std::u16string_view::npos, maxFields);
}

namespace {

// Calls take(line) with each TClipboardTextLine of the text up to its first
// NUL, until take returns false. One pass over each line finds its end, the end
// of the text and whether the line holds a tab or a quote: the text is read once.
template <typename Take>
void ForEachLine(std::u16string_view text, Take&& take)
{
    const std::size_t size = text.size();
    std::size_t pos = 0;
    // A break at the very end (or just before the NUL) does not start a further line.
    while (pos < size && text[pos] != u'\0') {
        std::size_t end = pos;
        TClipboardTextLine kind;
        char16_t stop = 0;
        // Sixteen characters at a time: vector compares instead of a branch
        // per character. The tabs and quotes of blocks without a line break
        // or NUL are gathered in vectors and read once; in the block that
        // holds the break, bit masks tell which of them come before it.
        const __m128i cr = _mm_set1_epi16(u'\r'), lf = _mm_set1_epi16(u'\n'), tab = _mm_set1_epi16(Tab);
        const __m128i quote = _mm_set1_epi16(Quote);
        const __m128i nul = _mm_setzero_si128();
        __m128i tabs = _mm_setzero_si128(), quotes = _mm_setzero_si128();
        const auto stops = [&](__m128i units) {
            return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, cr), _mm_cmpeq_epi16(units, lf)),
                                _mm_cmpeq_epi16(units, nul));
        };
        // Bit k: unit k of the sixteen is one the compare found.
        const auto bits = [](__m128i low, __m128i high) {
            return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
        };
        bool found = false;
        while (size - end >= 16) {
            const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + end));
            const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + end + 8));
            const __m128i lowTabs = _mm_cmpeq_epi16(low, tab), highTabs = _mm_cmpeq_epi16(high, tab);
            const __m128i lowQuotes = _mm_cmpeq_epi16(low, quote), highQuotes = _mm_cmpeq_epi16(high, quote);
            if (const unsigned stopBits = bits(stops(low), stops(high)); stopBits != 0) {
                const unsigned before = (stopBits & (0u - stopBits)) - 1;
                kind.HoldsTab = (bits(lowTabs, highTabs) & before) != 0;
                kind.HoldsQuote = (bits(lowQuotes, highQuotes) & before) != 0;
                end += static_cast<std::size_t>(__builtin_ctz(stopBits));
                stop = text[end];
                found = true;
                break;
            }
            tabs = _mm_or_si128(tabs, _mm_or_si128(lowTabs, highTabs));
            quotes = _mm_or_si128(quotes, _mm_or_si128(lowQuotes, highQuotes));
            end += 16;
        }
        kind.HoldsTab = kind.HoldsTab || _mm_movemask_epi8(tabs) != 0;
        kind.HoldsQuote = kind.HoldsQuote || _mm_movemask_epi8(quotes) != 0;
        // Fewer than sixteen characters are left before the text's end.
        for (; !found && end < size; ++end) {
            const char16_t c = text[end];
            if (c > u'\r') {  // none of NUL, tab, LF, CR: almost every character
                kind.HoldsQuote = kind.HoldsQuote || c == Quote;
                continue;
            }
            if (c == u'\r' || c == u'\n' || c == u'\0') {
                stop = c;
                break;
            }
            kind.HoldsTab = kind.HoldsTab || c == Tab;
        }
        kind.Text = text.substr(pos, end - pos);
        if (!take(kind) || end == size || stop == u'\0')
            return;
        pos = end + 1;
        if (stop == u'\r' && pos < size && text[pos] == u'\n')
            ++pos;
    }
}

}  // namespace

std::vector<TClipboardTextLine> ClipboardTextLines(std::u16string_view text, std::size_t maxLines)
{
    std::vector<TClipboardTextLine> lines;
    if (maxLines == 0)
        return lines;
    ForEachLine(text, [&](const TClipboardTextLine& line) {
        lines.push_back(line);
        return lines.size() < maxLines;
    });
    return lines;
}

std::vector<TClipboardFieldLine> ClipboardFields(const std::vector<TClipboardTextLine>& lines, std::size_t maxLines,
                                                 std::size_t maxFields)
{
    std::vector<TClipboardFieldLine> fieldLines;
    for (std::size_t k = 0; k < std::min(maxLines, lines.size()); ++k) {
        TClipboardFieldLine& fields = fieldLines.emplace_back();
        ForEachField(lines[k].Text, lines[k].HoldsTab, maxFields,
                     [&fields](const TClipboardField& field) { fields.push_back(field); });
    }
    return fieldLines;
}

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields)
{
    std::vector<TClipboardLine> lines;
    for (const TClipboardFieldLine& fields : ClipboardFields(ClipboardTextLines(text, maxLines), maxLines, maxFields)) {
        TClipboardLine& line = lines.emplace_back();
        for (const TClipboardField& field : fields)
            WriteClipboardField(field, line.emplace_back(field.Length(), u'\0').data());
    }
    return lines;
}

void WriteClipboardField(const TClipboardField& field, char16_t* out)
{
    char16_t* const outEnd = out + field.Length();
    if (field.Doubled == 0)
        out = std::copy(field.Quoted.begin(), field.Quoted.end(), out);
    else
        out = UndoubledQuotes(field.Quoted, out, outEnd);
    std::copy(field.Plain.begin(), field.Plain.end(), out);
}

namespace {

// Calls take(j) for each non-empty field j of a line of spreadsheet text
// without quotes, where a field is non-empty when it holds a character above
// blank. Eight characters at a time: the tabs and the characters above blank
// of a block are bit masks (bit 2k for character k), and the fields' ends are
// read off the tabs' bits, with no wait for one field's end before the next.
template <typename Take>
void ForEachFilledPlainTabbedField(std::u16string_view line, Take&& take)
{
    std::size_t j = 0;
    bool filled = false;
    const auto takeBlock = [&](unsigned tabs, unsigned fills) {
        while (tabs != 0) {
            const unsigned tabBit = tabs & (0u - tabs);
            filled = filled || (fills & (tabBit - 1)) != 0;
            if (filled)
                take(j);
            ++j;
            filled = false;
            fills &= ~((tabBit << 1) - 1);
            tabs &= tabs - 1;
        }
        filled = filled || fills != 0;
    };
    const __m128i tab = _mm_set1_epi16(Tab), blank = _mm_set1_epi16(32), zero = _mm_setzero_si128();
    std::size_t pos = 0;
    for (; line.size() - pos >= 8; pos += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + pos));
        const auto tabs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(units, tab)));
        // Above blank: what is left after taking 32 away, saturating at 0.
        const auto blanks =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(units, blank), zero)));
        takeBlock(tabs & 0x5555u, ~blanks & 0x5555u);
    }
    unsigned tabs = 0, fills = 0;
    for (std::size_t k = 0; pos + k < line.size(); ++k) {
        const char16_t c = line[pos + k];
        tabs |= unsigned{c == Tab} << (2 * k);
        fills |= unsigned{c > 32} << (2 * k);
    }
    takeBlock(tabs, fills);
    // The last field has no tab after it.
    if (filled)
        take(j);
}

}  // namespace

namespace {

// The filled fields of a line of spreadsheet text without quotes, shorter
// than 64 units, read off bit masks at once instead of field by field:
// Beyond counts those at index roomFields or later.
struct TFilledFields {
    std::size_t Count = 0;
    std::size_t Cols = 0;
    std::size_t Beyond = 0;
};

// units: the line's, with its length rounded up to sixteen readable.
TFilledFields FilledFieldsOfShortLine(const char16_t* units, std::size_t length, std::size_t roomFields)
{
    const __m128i tab = _mm_set1_epi16(Tab), blank = _mm_set1_epi16(32), zero = _mm_setzero_si128();
    const auto bits = [](__m128i low, __m128i high) {
        return std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high)))};
    };
    std::uint64_t tabs = 0, blanks = 0;
    for (std::size_t k = 0; k < length; k += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + k));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + k + 8));
        tabs |= bits(_mm_cmpeq_epi16(low, tab), _mm_cmpeq_epi16(high, tab)) << k;
        // At most blank: nothing is left after taking 32 away, saturating at 0.
        blanks |=
            bits(_mm_cmpeq_epi16(_mm_subs_epu16(low, blank), zero), _mm_cmpeq_epi16(_mm_subs_epu16(high, blank), zero))
            << k;
    }
    const std::uint64_t inLine = (std::uint64_t{1} << length) - 1;
    tabs &= inLine;
    const std::uint64_t fills = ~blanks & inLine;
    // Each field starts at the line's start or after a tab and ends at the
    // next tab or the line's end. Adding its start to the units that are
    // neither filled nor an end carries to the field's first filled unit,
    // or to its end when it has none.
    const std::uint64_t ends = tabs | (std::uint64_t{1} << length);
    const std::uint64_t others = ~(fills | ends);
    const std::uint64_t filled = (others + ((tabs << 1) | 1)) & ~others & fills;
    TFilledFields fields;
    fields.Count = BitCount(filled);
    if (fields.Count == 0)
        return fields;
    const auto last = static_cast<unsigned>(63 - __builtin_clzll(filled));
    fields.Cols = BitCount(tabs & ((std::uint64_t{1} << last) - 1)) + 1;
    if (roomFields == 0) {
        fields.Beyond = fields.Count;
    } else if (fields.Cols > roomFields) {
        // The fields from index roomFields on start after the roomFields-th tab.
        std::uint64_t later = tabs;
        for (std::size_t j = 1; j < roomFields; ++j)
            later &= later - 1;
        const std::uint64_t tab0 = later & (0 - later);
        fields.Beyond = BitCount(filled & ~((tab0 << 1) - 1));
    }
    return fields;
}

}  // namespace

TMeasuredClipboardText MeasureClipboardText(std::u16string_view text, std::size_t roomLines, std::size_t roomFields,
                                            std::size_t keptLines)
{
    TMeasuredClipboardText measured;
    TClipboardBlock& block = measured.Block;
    std::size_t k = 0;
    const auto filledField = [&](std::size_t j) {
        block.Cols = std::max(block.Cols, j + 1);
        block.Rows = k + 1;
        ++block.Fields;
        if (k >= roomLines || j >= roomFields)
            ++block.Outside;
    };
    ForEachLine(text, [&](const TClipboardTextLine& line) {
        if (k < keptLines)
            measured.Lines.push_back(line);
        TClipboardFieldLine* inRoom = k < roomLines ? &measured.FieldsInRoom.emplace_back() : nullptr;
        const std::size_t length = line.Text.size();
        const auto readable = static_cast<std::size_t>(text.data() + text.size() - line.Text.data());
        if (line.HoldsTab && !line.HoldsQuote && length < 64 && readable >= (length + 15) / 16 * 16) {
            const TFilledFields fields = FilledFieldsOfShortLine(line.Text.data(), length, roomFields);
            if (fields.Count != 0) {
                block.Cols = std::max(block.Cols, fields.Cols);
                block.Rows = k + 1;
                block.Fields += fields.Count;
                block.Outside += k >= roomLines ? fields.Count : fields.Beyond;
            }
        } else if (line.HoldsTab && !line.HoldsQuote) {
            ForEachFilledPlainTabbedField(line.Text, filledField);
        }
        if (line.HoldsTab && !line.HoldsQuote) {
            if (inRoom)
                ForEachField(line.Text, true, roomFields,
                             [inRoom](const TClipboardField& field) { inRoom->push_back(field); });
        } else {
            std::size_t j = 0;
            ForEachField(line.Text, line.HoldsTab, SIZE_MAX, [&](const TClipboardField& field) {
                if (inRoom && j < roomFields)
                    inRoom->push_back(field);
                if (field.Length() != 0)
                    filledField(j);
                ++j;
            });
        }
        ++k;
        return true;
    });
    return measured;
}

TClipboardBlock MeasureClipboardBlock(std::u16string_view text, std::size_t roomLines, std::size_t roomFields)
{
    return MeasureClipboardText(text, roomLines, roomFields, 0).Block;
}

std::size_t CountClipboardFieldsWithin(const std::vector<TClipboardTextLine>& lines, std::size_t roomLines,
                                       std::size_t roomFields)
{
    std::size_t count = 0;
    for (std::size_t k = 0; k < std::min(roomLines, lines.size()); ++k)
        ForEachField(lines[k].Text, lines[k].HoldsTab, roomFields,
                     [&](const TClipboardField& field) { count += field.Length() != 0; });
    return count;
}

std::size_t CountClipboardFieldsWithin(std::u16string_view text, std::size_t roomLines, std::size_t roomFields)
{
    return CountClipboardFieldsWithin(ClipboardTextLines(text, roomLines), roomLines, roomFields);
}
