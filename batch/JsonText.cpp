#include "JsonText.h"

void AppendJsonString(std::string& out, std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    // Runs of characters that need no escape go out in one piece.
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\')
            continue;
        out.append(text.data() + run, i - run);
        run = i + 1;
        if (byte == '"' || byte == '\\') {
            const char escaped[] = {'\\', static_cast<char>(byte)};
            out.append(escaped, 2);
        } else if (byte == '\n')
            out += "\\n";
        else if (byte == '\r')
            out += "\\r";
        else if (byte == '\t')
            out += "\\t";
        else {
            const char escaped[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 15]};
            out.append(escaped, 6);
        }
    }
    out.append(text.data() + run, text.size() - run);
    out += '"';
}

void FlushLargeJson(std::string& json, std::ostream& out)
{
    if (json.size() < (std::size_t(1) << 20))
        return;
    out.write(json.data(), static_cast<std::streamsize>(json.size()));
    json.clear();
}
