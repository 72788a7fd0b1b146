#pragma once
// The earlier paste splitter, kept only as the fuzzer's reference: the same
// results as the product's ClipboardText on every input.
#include "ClipboardText.h"

namespace reference {

std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields);
TClipboardLine SplitClipboardLine(std::u16string_view line, std::size_t maxFields);
std::u16string_view ZeroTerminated(std::u16string_view text);
TClipboardBlock MeasureClipboardBlock(std::u16string_view text, std::size_t roomLines, std::size_t roomFields);

}  // namespace reference
