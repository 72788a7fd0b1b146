#include "DisplayedError.h"

#include <new>
#include <stdexcept>

#include "Errors.h"

std::string DisplayedErrorMessage(const std::string& message)
{
    // Byte order: every byte of a multi-byte character is above ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

std::optional<std::string> DisplayedErrorOf(const std::function<void()>& command)
{
    std::string message;
    try {
        command();
        return std::nullopt;
    } catch (const Exception& error) {
        message = error.Message();
    } catch (const std::bad_alloc&) {
        message = "Out of memory";
    } catch (const std::exception& error) {
        message = error.what();
    }
    return DisplayedErrorMessage(message);
}
