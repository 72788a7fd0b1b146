// PatternNumberText with a pattern and a value from the input. Byte 0 picks the
// separators, byte 1 the width of the value (and whether a pattern in use is
// taken instead of the input's), then the value's bytes, then the pattern.
#include <algorithm>
#include <cfloat>

#include "FuzzSupport.h"
#include "NumberText.h"

namespace {

size_t CharacterCount(std::string_view text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Any 80-bit pattern made a proper Extended: the explicit integer bit follows the exponent.
Extended ExtendedFromBytes(const uint8_t* bytes)
{
    uint8_t image[sizeof(Extended)] = {};
    std::memcpy(image, bytes, 10);
    const bool normal = ((image[9] & 0x7F) | image[8]) != 0;
    image[7] = normal ? (image[7] | 0x80) : (image[7] & 0x7F);
    Extended value;
    std::memcpy(&value, image, sizeof value);
    return value;
}

std::string WithoutThousandSeparators(std::string text)
{
    const std::string& separator = NumberSettings().ThousandSeparator;
    for (size_t at; !separator.empty() && (at = text.find(separator)) != std::string::npos;)
        text.erase(at, separator.size());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    UseSeparatorsFor(data[0]);
    const uint8_t kind = data[1];
    data += 2;
    size -= 2;

    Extended value = 0.0L;
    const size_t width = kind % 3 == 0 ? 8 : kind % 3 == 1 ? 4 : 10;
    if (size < width)
        return 0;
    if (width == 8) {
        double d;
        std::memcpy(&d, data, 8);
        value = d;
    } else if (width == 4) {
        float f;
        std::memcpy(&f, data, 4);
        value = f;
    } else {
        value = ExtendedFromBytes(data);
    }
    data += width;
    size -= width;

    static const char* const patternsInUse[] = {"0.000", "0.000000", "#,##0.###"};
    const bool inUse = (kind / 3) % 4 < 3;
    const std::string pattern =
        inUse ? patternsInUse[(kind / 3) % 4] : std::string(reinterpret_cast<const char*>(data), size);

    std::string text;
    try {
        text = PatternNumberText(pattern, value);
    } catch (const EConvertError& error) {
        if (CharacterCount(pattern) <= 224)
            Fail("pattern refused", pattern);
        CheckMessage(error, "Format string too long");
        return 0;
    }
    if (CharacterCount(pattern) > 224)
        Fail("long pattern accepted", pattern);
    // Each place writes at most one digit and one separator of at most three bytes.
    if (text.size() > 2 * pattern.size() + 100)
        Fail("text too long", text);

    // A pattern in use reads back to within half its last decimal place.
    if (inUse && std::isfinite(value)) {
        const Extended back = ParseDecimalText(WithoutThousandSeparators(text));
        const Extended allowed = (pattern == "0.000000" ? 0.0000005L : 0.0005L) + std::fabs(value) * 1e-14L;
        if (!(std::fabs(back - value) <= allowed))
            Fail("pattern text is off", text);
    }
    return 0;
}
