#include "JsonText.h"

void WriteJsonString(std::ostream& out, std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            out << '\\' << c;
        else if (c == '\n')
            out << "\\n";
        else if (c == '\r')
            out << "\\r";
        else if (c == '\t')
            out << "\\t";
        else if (byte < 0x20)
            out << "\\u00" << hex[byte >> 4] << hex[byte & 15];
        else
            out << c;
    }
    out << '"';
}
