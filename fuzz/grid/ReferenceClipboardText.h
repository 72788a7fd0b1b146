#pragma once
// A paste splitter of its own, the fuzzer's reference for the product's.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

using TClipboardLine = std::vector<std::u16string>;

struct TClipboardBlock {
    std::size_t Cols = 0;
    std::size_t Rows = 0;
    std::size_t Fields = 0;
    std::size_t Outside = 0;
};

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields);
TClipboardBlock MeasureClipboardBlock(std::u16string_view text, std::size_t roomLines, std::size_t roomFields);

}  // namespace reference
