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

// One field as it stands in the text, read without copying it: the units
// between its quotes, where each of Doubled doubled quotes stands for one,
// then the units after them (all of a field without quotes).
struct TClipboardField {
    std::u16string_view Quoted;
    std::size_t Doubled = 0;
    std::u16string_view Plain;
    std::size_t Length() const { return Quoted.size() - Doubled + Plain.size(); }
};
using TClipboardFieldLine = std::vector<TClipboardField>;

// One line of a text, and whether it holds a tab or a quote, as one pass
// over the text found it.
struct TClipboardTextLine {
    std::u16string_view Text;
    bool HoldsTab = false;
    bool HoldsQuote = false;
};

// The first maxLines lines of a text.
std::vector<TClipboardTextLine> ClipboardTextLines(std::u16string_view text, std::size_t maxLines);

// The lines of fields as SplitClipboardText reads them, left in the text:
// a paste writes each field straight into the cell text it makes.
std::vector<TClipboardFieldLine> ClipboardFields(const std::vector<TClipboardTextLine>& lines, std::size_t maxLines,
                                                 std::size_t maxFields);

// The field's text, Length() units, to out.
void WriteClipboardField(const TClipboardField& field, char16_t* out);

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

// All a paste that may enlarge the grid reads of a text before it asks, in
// one pass: the block with the room of roomLines lines of roomFields fields;
// the fields within that room, as ClipboardFields gives them; and the first
// keptLines lines, so that a larger room is read without finding their ends again.
struct TMeasuredClipboardText {
    TClipboardBlock Block;
    std::vector<TClipboardFieldLine> FieldsInRoom;
    std::vector<TClipboardTextLine> Lines;
};
TMeasuredClipboardText MeasureClipboardText(std::u16string_view text, std::size_t roomLines, std::size_t roomFields,
                                            std::size_t keptLines);

// The non-empty fields within roomLines lines and roomFields fields of each
// line, read no further than that room: with the block's Fields, how many
// fall outside a larger room without measuring the whole text again.
std::size_t CountClipboardFieldsWithin(std::u16string_view text, std::size_t roomLines, std::size_t roomFields);
std::size_t CountClipboardFieldsWithin(const std::vector<TClipboardTextLine>& lines, std::size_t roomLines,
                                       std::size_t roomFields);
