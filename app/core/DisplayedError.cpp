#include "DisplayedError.h"

std::string DisplayedErrorMessage(const std::string& message)
{
    // Byte order: every byte of a multi-byte character is above ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}
