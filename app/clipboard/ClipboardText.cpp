#include "ClipboardText.h"

#include <algorithm>
#include <cstdint>
#include <emmintrin.h>
#include <type_traits>
#include <utility>

namespace {

constexpr char16_t Quote = u'"';
constexpr char16_t Tab = u'\t';

bool IsSeparator(char16_t c) { return c >= 1 && c <= 32; }

// Only the length of a field: measuring a block allocates nothing.
struct TFieldLength {
    std::size_t Length = 0;
    void append(std::u16string_view run) { Length += run.size(); }
    bool empty() const { return Length == 0; }
};

constexpr std::uint64_t EvenUnits = 0x5555555555555555u;

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
            doubled += static_cast<std::size_t>(__builtin_popcountll(quotes & ((std::uint64_t{1} << at) - 1))) / 2;
            return pos + at;
        }
        doubled += static_cast<std::size_t>(__builtin_popcountll(quotes)) / 2;
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

// Copies the units [from, to) of the line to out and moves out on, eight at a
// time: out has eight spare units after the field, and no read passes the line's end.
void CopyUnits(char16_t*& out, std::u16string_view line, std::size_t from, std::size_t to)
{
    for (; to - from >= 8; from += 8, out += 8)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + from)));
    if (line.size() - from >= 8)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + from)));
    else
        std::copy(line.data() + from, line.data() + to, out);
    out += to - from;
}

// The units [pos, end) of a quoted field without the second quote of each
// pair (every quote there is one of a pair), into a field of the given length.
std::u16string UndoubledQuotes(std::u16string_view line, std::size_t pos, std::size_t end, std::size_t length)
{
    std::u16string field(length + 8, u'\0');
    char16_t* out = field.data();
    std::size_t from = pos;  // the first unit not yet copied
    for (std::size_t n = 0; end - pos >= 64; pos += n) {
        for (std::uint64_t seconds = QuoteRuns(WholeRuns(QuoteBits(line.data() + pos), n)).Seconds; seconds != 0;
             seconds &= seconds - 1) {
            const std::size_t second = pos + static_cast<std::size_t>(__builtin_ctzll(seconds));
            CopyUnits(out, line, from, second);
            from = second + 1;
        }
    }
    CopyUnits(out, line, from, pos);
    // The last units one by one: each is written and the output moves on
    // only for a kept one.
    bool keep = true;
    for (std::size_t i = pos; i < end; ++i) {
        const char16_t c = line[i];
        *out = c;
        out += keep;
        keep = !keep || c != Quote;
    }
    field.resize(length);
    return field;
}

// A quoted field from just after its opening quote (a doubled quote stands
// for one); pos ends after the closing quote, or at the end of the line when
// the quote is never closed. The closing quote is found first, so that a
// long field is allocated once, whatever its quotes.
template <typename Field>
Field ReadQuotedField(std::u16string_view line, std::size_t& pos)
{
    const std::size_t size = line.size();
    std::size_t doubled = 0;
    const std::size_t end = ClosingQuote(line, pos, doubled);
    Field field;
    if constexpr (std::is_same_v<Field, std::u16string>) {
        if (doubled == 0)
            field.assign(line.substr(pos, end - pos));
        else
            field = UndoubledQuotes(line, pos, end, end - pos - doubled);
    } else {
        field.Length = end - pos - doubled;
    }
    pos = std::min(end + 1, size);
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
        const std::size_t tab = NextTab(line, pos);
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

// A line without NUL characters; holdsTab tells whether it holds a tab.
template <typename Field, typename Take>
void ForEachField(std::u16string_view line, bool holdsTab, std::size_t maxFields, Take&& take)
{
    if (holdsTab)
        ForEachTabbedField<Field>(line, maxFields, take);
    else
        ForEachBlankSeparatedField<Field>(line, maxFields, take);
}

}  // namespace

namespace {

TClipboardLine SplitLine(std::u16string_view line, bool holdsTab, std::size_t maxFields)
{
    TClipboardLine fields;
    ForEachField<std::u16string>(line, holdsTab, maxFields,
                                 [&fields](std::u16string&& field) { fields.push_back(std::move(field)); });
    return fields;
}

}  // namespace

TClipboardLine SplitClipboardLine(std::u16string_view line, std::size_t maxFields)
{
    line = ZeroTerminated(line);
    return SplitLine(line, line.find(Tab) != std::u16string_view::npos, maxFields);
}

namespace {

// What one pass over a line found besides its end.
struct TLineKind {
    bool HoldsTab = false;
    bool HoldsQuote = false;
};

// Calls take(line, kind) for each line of the text up to its first NUL,
// until take returns false. One pass over each line finds its end, the end
// of the text and whether the line holds a tab or a quote: the text is read once.
template <typename Take>
void ForEachLine(std::u16string_view text, Take&& take)
{
    const std::size_t size = text.size();
    std::size_t pos = 0;
    // A break at the very end (or just before the NUL) does not start a further line.
    while (pos < size && text[pos] != u'\0') {
        std::size_t end = pos;
        TLineKind kind;
        char16_t stop = 0;
        // Sixteen characters at a time while none of them is a line break or
        // NUL: vector compares instead of a branch per character; the tabs and
        // quotes seen are gathered in vectors and read once at the line's end.
        const __m128i cr = _mm_set1_epi16(u'\r'), lf = _mm_set1_epi16(u'\n'), tab = _mm_set1_epi16(Tab);
        const __m128i quote = _mm_set1_epi16(Quote);
        const __m128i nul = _mm_setzero_si128();
        __m128i tabs = _mm_setzero_si128(), quotes = _mm_setzero_si128();
        const auto stops = [&](__m128i units) {
            return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, cr), _mm_cmpeq_epi16(units, lf)),
                                _mm_cmpeq_epi16(units, nul));
        };
        while (size - end >= 16) {
            const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + end));
            const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + end + 8));
            if (_mm_movemask_epi8(_mm_or_si128(stops(low), stops(high))) != 0)
                break;
            tabs = _mm_or_si128(tabs, _mm_or_si128(_mm_cmpeq_epi16(low, tab), _mm_cmpeq_epi16(high, tab)));
            quotes = _mm_or_si128(quotes, _mm_or_si128(_mm_cmpeq_epi16(low, quote), _mm_cmpeq_epi16(high, quote)));
            end += 16;
        }
        if (size - end >= 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + end));
            if (_mm_movemask_epi8(stops(units)) == 0) {
                tabs = _mm_or_si128(tabs, _mm_cmpeq_epi16(units, tab));
                quotes = _mm_or_si128(quotes, _mm_cmpeq_epi16(units, quote));
                end += 8;
            }
        }
        kind.HoldsTab = _mm_movemask_epi8(tabs) != 0;
        kind.HoldsQuote = _mm_movemask_epi8(quotes) != 0;
        for (; end < size; ++end) {
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
        if (!take(text.substr(pos, end - pos), kind) || end == size || stop == u'\0')
            return;
        pos = end + 1;
        if (stop == u'\r' && pos < size && text[pos] == u'\n')
            ++pos;
    }
}

}  // namespace

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields)
{
    std::vector<TClipboardLine> lines;
    if (maxLines == 0)
        return lines;
    ForEachLine(text, [&](std::u16string_view line, TLineKind kind) {
        lines.push_back(SplitLine(line, kind.HoldsTab, maxFields));
        return lines.size() < maxLines;
    });
    return lines;
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

TClipboardBlock MeasureClipboardBlock(std::u16string_view text, std::size_t roomLines, std::size_t roomFields)
{
    TClipboardBlock block;
    std::size_t k = 0;
    const auto filledField = [&](std::size_t j) {
        block.Cols = std::max(block.Cols, j + 1);
        block.Rows = k + 1;
        ++block.Fields;
        if (k >= roomLines || j >= roomFields)
            ++block.Outside;
    };
    ForEachLine(text, [&](std::u16string_view line, TLineKind kind) {
        if (kind.HoldsTab && !kind.HoldsQuote) {
            ForEachFilledPlainTabbedField(line, filledField);
        } else {
            std::size_t j = 0;
            ForEachField<TFieldLength>(line, kind.HoldsTab, SIZE_MAX, [&](TFieldLength field) {
                if (!field.empty())
                    filledField(j);
                ++j;
            });
        }
        ++k;
        return true;
    });
    return block;
}

std::size_t CountClipboardFieldsWithin(std::u16string_view text, std::size_t roomLines, std::size_t roomFields)
{
    std::size_t count = 0, k = 0;
    if (roomLines == 0)
        return count;
    ForEachLine(text, [&](std::u16string_view line, TLineKind kind) {
        ForEachField<TFieldLength>(line, kind.HoldsTab, roomFields,
                                   [&](TFieldLength field) { count += !field.empty(); });
        return ++k < roomLines;
    });
    return count;
}
