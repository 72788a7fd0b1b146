#pragma once
// The items of the hidden pair loader: the clipboard text with every CR LF
// pair and every tab turned into a comma, cut at the commas into whole values.
#include <string>
#include <string_view>
#include <vector>

// A comma at the very end starts no further item; the empty text has none.
// Empty values between two commas are items, so pairs keep their places.
std::vector<std::u16string> SplitPairItems(std::u16string_view clipboardText);
