#include "ClipboardPairs.h"

std::vector<std::u16string> SplitPairItems(std::u16string_view clipboardText)
{
    std::u16string text;
    text.reserve(clipboardText.size());
    for (std::size_t i = 0; i < clipboardText.size(); ++i) {
        const char16_t c = clipboardText[i];
        if (c == u'\r' && i + 1 < clipboardText.size() && clipboardText[i + 1] == u'\n') {
            text.push_back(u',');
            ++i;
        } else {
            text.push_back(c == u'\t' ? u',' : c);
        }
    }
    std::vector<std::u16string> items;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t comma = text.find(u',', start);
        if (comma == std::u16string::npos) {
            items.push_back(text.substr(start));
            break;
        }
        items.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}
