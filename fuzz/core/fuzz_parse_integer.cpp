// ParseIntegerText on any text: an EConvertError naming the text, or a value
// whose IntegerText reads back to it.
#include "FuzzSupport.h"
#include "NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    int32_t value = 0;
    try {
        value = ParseIntegerText(text);
    } catch (const EConvertError& error) {
        CheckMessage(error, "'" + text + "' is not a valid integer value");
        return 0;
    }
    const std::string written = IntegerText(value);
    if (ParseIntegerText(written) != value)
        Fail("integer text does not read back", written);
    // A value read from plain decimal digits is the value those digits spell.
    if (text.find_first_of("$xX") == std::string::npos) {
        const size_t start = text.find_first_not_of(" +-0");
        const std::string_view digits = start == std::string::npos ? "0" : std::string_view(text).substr(start);
        const std::string_view spelled = value < 0 ? std::string_view(written).substr(1) : written;
        if (digits != spelled)
            Fail("decimal value differs from its digits", text);
    }
    return 0;
}
