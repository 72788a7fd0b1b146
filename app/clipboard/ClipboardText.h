#pragma once
// The grid's clipboard text format, without any windowing library:
// - written: every cell text followed by a tab, every line ended by CR LF;
// - read: lines end at CR, LF or CR LF; the clipboard holds a zero-terminated
//   text, so reading stops at the first NUL character. A line holding a tab
//   is spreadsheet text: every tab separates two fields (empty cells give
//   empty fields) and the characters 1 to 32 around a field are dropped. A
//   tab at the very end of a line is the grid's own cell terminator only when
//   every non-empty line ends with one (the format above); otherwise an empty
//   field follows it. Other lines are separated by runs of characters 1 to 32
//   (text from a file or a report). Fields may be enclosed in double quotes,
//   a doubled quote standing for one. Every line is as wide as the widest
//   line of the text: the fields a shorter line lacks are empty.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using TClipboardLine = std::vector<std::u16string>;

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

// The field's text, Length() units, to out.
void WriteClipboardField(const TClipboardField& field, char16_t* out);

// How far the non-empty fields of a text reach, how many there are, and how
// many of them lie beyond a room of lines and fields.
struct TClipboardBlock {
    std::size_t Cols = 0;
    std::size_t Rows = 0;
    std::size_t Fields = 0;
    std::size_t Outside = 0;
};

// A clipboard text read in one pass: its first lines, how a tab at a line's
// end is read, the width of its widest line and its block.
struct TClipboardLines {
    std::vector<std::u16string_view> Kept;
    bool TabEndsLastField = false;
    std::size_t Width = 0;
    TClipboardBlock Block;
};
// Keeps the first keptLines lines; the block's Outside counts the non-empty
// fields beyond roomLines lines and roomFields fields.
TClipboardLines ReadClipboardLines(std::u16string_view text, std::size_t roomLines, std::size_t roomFields,
                                   std::size_t keptLines);

// The fields of the kept lines within maxLines lines and maxFields fields,
// every line filled up with empty fields to the text's width within that room.
std::vector<TClipboardFieldLine> ClipboardFields(const TClipboardLines& lines, std::size_t maxLines,
                                                 std::size_t maxFields);

// The non-empty fields of the kept lines within roomLines and roomFields:
// with the block's Fields, how many fall outside a larger room.
std::size_t CountClipboardFieldsWithin(const TClipboardLines& lines, std::size_t roomLines, std::size_t roomFields);

// The fields as texts, as a paste into a room of maxLines lines of maxFields fields writes them.
std::vector<TClipboardLine> SplitClipboardText(std::u16string_view text, std::size_t maxLines, std::size_t maxFields);
