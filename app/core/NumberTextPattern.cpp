// PatternNumberText: a value laid out by a pattern such as "0.000" or "#,##0.###".
#include <algorithm>
#include <cmath>
#include <vector>

#include "Errors.h"
#include "NumberSettings.h"
#include "NumberText.h"
#include "NumberTextDigits.h"

namespace {

constexpr size_t LongestPattern = 224;
constexpr int SignificantDigits = 18;

// One item of a section: a digit place or text that stands as it is.
struct TPatternItem {
    bool IsDigitPlace = false;
    bool ShowsZero = false;  // "0" rather than "#"
    bool AfterPoint = false;
    std::string Text;  // for text items
};

struct TSectionLayout {
    std::vector<TPatternItem> Items;
    bool Grouping = false;
    int IntegerPlaces = 0;
    int DecimalPlaces = 0;
    int FirstIntegerZero = -1;  // place index of the first "0" before the point
    int LastDecimalZero = -1;   // place index of the last "0" after the point
};

size_t CharacterCount(std::string_view text)
{
    // UTF-8 continuation bytes do not start a character.
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first ";" outside quotes at or after start, or npos.
size_t NextSectionBreak(std::string_view pattern, size_t start)
{
    char quote = 0;
    for (size_t i = start; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            return i;
        }
    }
    return std::string_view::npos;
}

// Up to three sections split at ";" outside quotes; anything after a third
// ";" is ignored.
std::vector<std::string_view> SplitSections(std::string_view pattern)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    while (sections.size() < 3) {
        const size_t end = NextSectionBreak(pattern, start);
        if (end == std::string_view::npos) {
            sections.push_back(pattern.substr(start));
            break;
        }
        sections.push_back(pattern.substr(start, end - start));
        start = end + 1;
    }
    return sections;
}

TSectionLayout LayoutOf(std::string_view section)
{
    TSectionLayout layout;
    layout.Items.reserve(section.size());  // one allocation: at most one item per character
    bool afterPoint = false;
    auto addText = [&layout](std::string_view text) {
        if (layout.Items.empty() || layout.Items.back().IsDigitPlace)
            layout.Items.push_back(TPatternItem{});
        layout.Items.back().Text += text;
    };
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (c == '0' || c == '#') {
            TPatternItem place;
            place.IsDigitPlace = true;
            place.ShowsZero = c == '0';
            place.AfterPoint = afterPoint;
            if (afterPoint) {
                if (place.ShowsZero)
                    layout.LastDecimalZero = layout.DecimalPlaces;
                ++layout.DecimalPlaces;
            } else {
                if (place.ShowsZero && layout.FirstIntegerZero < 0)
                    layout.FirstIntegerZero = layout.IntegerPlaces;
                ++layout.IntegerPlaces;
            }
            layout.Items.push_back(place);
        } else if (c == '.') {
            afterPoint = true;  // a later "." is ignored
        } else if (c == ',') {
            layout.Grouping = true;
        } else if (c == '\'' || c == '"') {
            const size_t end = section.find(c, i + 1);
            const size_t stop = end == std::string_view::npos ? section.size() : end;
            addText(section.substr(i + 1, stop - i - 1));
            i = stop;
        } else {
            addText(section.substr(i, 1));
        }
    }
    return layout;
}

// A pattern's sections laid out. The compute writes hundreds of thousands of
// values in one pattern, so the last pattern read is kept.
struct TReadPattern {
    std::string Text;
    std::vector<TSectionLayout> Sections;
    std::vector<bool> Empty;  // per section
};

const TReadPattern& ReadPattern(std::string_view pattern)
{
    thread_local TReadPattern last;
    if (last.Sections.empty() || last.Text != pattern) {
        last = TReadPattern{std::string(pattern), {}, {}};
        for (std::string_view section : SplitSections(pattern)) {
            last.Sections.push_back(LayoutOf(section));
            last.Empty.push_back(section.empty());
        }
    }
    return last;
}

class TPatternWriter {
public:
    TPatternWriter(const TSectionLayout& layout, const TDecimalDigits& rounded)
        : layout_(layout),
          groupSeparator_(layout.Grouping ? NumberSettings().ThousandSeparator : NoSeparator),
          decimalSeparator_(NumberSettings().DecimalSeparator)
    {
        const std::string& digits = rounded.Digits;
        const int exponent = rounded.Exponent;
        integerCount_ = std::max(exponent, 0);
        integerDigits_ = digits.substr(0, integerCount_);
        integerDigits_.resize(integerCount_, '0');
        if (exponent < 0)
            decimalDigits_ = std::string(-exponent, '0') + digits;
        else if (static_cast<size_t>(exponent) < digits.size())
            decimalDigits_ = digits.substr(exponent);
    }

    std::string Write(bool minus)
    {
        text_.clear();
        if (minus)
            text_ += '-';
        int integerPlace = 0;
        int decimalPlace = 0;
        bool firstPlace = true;
        for (const TPatternItem& item : layout_.Items) {
            if (!item.IsDigitPlace) {
                text_ += item.Text;
                continue;
            }
            if (firstPlace && (item.AfterPoint || layout_.IntegerPlaces == 0)) {
                // No place before the point: the integer digits go out here.
                for (int j = 0; j < integerCount_; ++j)
                    WriteIntegerDigit(j);
            }
            firstPlace = false;
            if (item.AfterPoint)
                WriteDecimalPlace(decimalPlace++);
            else
                WriteIntegerPlace(integerPlace++);
        }
        return text_;
    }

private:
    void WriteIntegerPlace(int place)
    {
        // The digit this place shows; the surplus digits go out at the first place.
        const int index = integerCount_ - layout_.IntegerPlaces + place;
        if (index >= 0) {
            for (int j = place == 0 ? 0 : index; j <= index; ++j)
                WriteIntegerDigit(j);
        } else if (layout_.FirstIntegerZero >= 0 && place >= layout_.FirstIntegerZero) {
            WriteDigit('0', index);
        }
    }

    void WriteIntegerDigit(int index) { WriteDigit(integerDigits_[index], index); }

    // index counts from the first integer digit of the value; leading zero
    // places have negative indices.
    void WriteDigit(char digit, int index)
    {
        text_ += digit;
        const int after = integerCount_ - 1 - index;
        if (after > 0 && after % 3 == 0)
            text_ += groupSeparator_;
    }

    void WriteDecimalPlace(int place)
    {
        char digit = 0;
        if (static_cast<size_t>(place) < decimalDigits_.size())
            digit = decimalDigits_[place];
        else if (place <= layout_.LastDecimalZero)
            digit = '0';
        if (digit == 0)
            return;
        if (!separatorWritten_) {
            text_ += decimalSeparator_;
            separatorWritten_ = true;
        }
        text_ += digit;
    }

    const TSectionLayout& layout_;
    static inline const std::string NoSeparator;
    const std::string& groupSeparator_;
    const std::string& decimalSeparator_;
    int integerCount_ = 0;
    std::string integerDigits_;
    std::string decimalDigits_;
    std::string text_;
    bool separatorWritten_ = false;
};

}  // namespace

std::string PatternNumberText(std::string_view pattern, Extended value)
{
    if (CharacterCount(pattern) > LongestPattern)
        throw EConvertError("Format string too long");
    if (!std::isfinite(value))
        return GeneralNumberText(value);

    const TReadPattern& read = ReadPattern(pattern);
    auto sectionOrFirst = [&read](size_t index) {
        return index < read.Sections.size() && !read.Empty[index] ? index : 0;
    };
    if (read.Empty[0])
        return GeneralNumberText(value);

    const TDecimalDigits digits = DecimalDigitsOf(value);
    if (digits.Exponent > SignificantDigits)
        return GeneralNumberText(value);

    auto roundFor = [&digits](const TSectionLayout& layout) {
        return CutDecimalDigits(digits, std::min(digits.Exponent + layout.DecimalPlaces, SignificantDigits));
    };

    size_t section = value > 0 ? 0 : value < 0 ? sectionOrFirst(1) : sectionOrFirst(2);
    const TSectionLayout* layout = &read.Sections[section];
    TDecimalDigits rounded = roundFor(*layout);
    if (rounded.Digits.empty() && value != 0) {
        // A value that rounds to zero is written by the zero section.
        const size_t zeroSection = sectionOrFirst(2);
        if (zeroSection != section) {
            section = zeroSection;
            layout = &read.Sections[section];
            rounded = roundFor(*layout);
        }
    }

    const bool minus = value < 0 && !rounded.Digits.empty() && section == 0;
    return TPatternWriter(*layout, rounded).Write(minus);
}
