#pragma once
// The grid's clipboard text format, without any windowing library:
// - written: every cell text followed by a tab, every line ended by CR LF;
// - read: lines end at CR, LF or CR LF. A line holding a tab is spreadsheet
//   text: every tab ends one field (empty cells give empty fields) and the
//   characters 1 to 32 around a field are dropped. Other lines are separated
//   by runs of characters 1 to 32 (text from a file or a report). Fields may
//   be enclosed in double quotes, a doubled quote standing for one.
// The clipboard holds a zero-terminated text, so reading stops at the first
// NUL character.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using TClipboardLine = std::vector<std::u16string>;

// The lines of fields of a clipboard text, read no further than needed:
// at most maxLines lines and at most maxFields fields of each line. An empty
// or blank line gives an empty field list but still counts as a line.
std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields);

// The fields of one line (no line break inside), at most maxFields of them.
TClipboardLine SplitClipboardLine(std::u16string_view line, std::size_t maxFields);

// The text up to its first NUL character.
std::u16string_view ZeroTerminated(std::u16string_view text);

// How far the non-empty fields of a clipboard text reach, how many there are,
// and how many of them lie beyond roomLines lines or roomFields fields.
struct TClipboardBlock {
    std::size_t Cols = 0;
    std::size_t Rows = 0;
    std::size_t Fields = 0;
    std::size_t Outside = 0;
};
TClipboardBlock MeasureClipboardBlock(std::u16string_view text, std::size_t roomLines, std::size_t roomFields);

// The non-empty fields within roomLines lines and roomFields fields of each
// line, read no further than that room: with the block's Fields, how many
// fall outside a larger room without measuring the whole text again.
std::size_t CountClipboardFieldsWithin(std::u16string_view text, std::size_t roomLines, std::size_t roomFields);
