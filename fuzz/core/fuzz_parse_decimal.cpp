// ParseDecimalText on any text: an EConvertError naming the text, or a finite
// value whose general text reads back to the same text.
#include "FuzzSupport.h"
#include "NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    UseSeparatorsFor(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    Extended value = 0.0L;
    try {
        value = ParseDecimalText(text);
    } catch (const EConvertError& error) {
        CheckMessage(error, "'" + text + "' is not a valid floating point value");
        return 0;
    }
    if (!std::isfinite(value))
        Fail("non-finite value", text);

    // Far out in the range the powers of ten lose digits; inside it the text is stable.
    const Extended magnitude = std::fabs(value);
    const std::string general = GeneralNumberText(value);
    if (magnitude == 0.0L || (magnitude > 1e-4900L && magnitude < 1e4900L)) {
        if (GeneralNumberText(ParseDecimalText(general)) != general)
            Fail("general text does not read back", general);
    }

    // "0.000" is within half a unit of the third decimal (18 digits at most).
    const std::string fixed = PatternNumberText("0.000", value);
    const Extended back = ParseDecimalText(fixed);
    if (std::fabs(back - value) > 0.0005L + magnitude * 1e-14L)
        Fail("pattern text is off", fixed);
    return 0;
}
