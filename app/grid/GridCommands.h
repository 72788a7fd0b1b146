#pragma once
// The grid's commands: clipboard exchange, the key handler, sample data,
// clearing and the hidden pair loader. Each works on the grid it is given.
#include <QStringList>

#include <array>
#include <cstddef>
#include <functional>

#include "StringGrid.h"

// The five sample-column lists; they belong to the window.
using TSampleColumns = std::array<QStringList, 5>;

// A paste enlarges the grid to at most this many cells.
inline constexpr std::size_t MaxEnlargedCells = 100000;

// Asked when values of a paste fall outside the grid, with the text of the
// question; true enlarges the grid, false pastes only what fits.
using TEnlargeQuestion = std::function<bool(const QString& text)>;

struct TGridCounts {
    std::size_t Cols;
    std::size_t Rows;
};
// Just enough columns and rows for a block that needs these counts, within
// MaxEnlargedCells; never fewer than the grid has.
TGridCounts EnlargedCounts(const TStringGrid& grid, std::size_t neededCols, std::size_t neededRows);

void CopyGridToClipboard(TStringGrid& grid);
// Without a question, values outside the grid are left out (the plain paste).
void PasteClipboardIntoGrid(TStringGrid& grid, const TEnlargeQuestion& askEnlarge = {});

// StringGrid1KeyDown: Ctrl+C copies, Ctrl+V pastes, Ctrl+Z undoes, Ctrl+Y and
// Ctrl+Shift+Z redo; other keys do nothing.
void GridKeyDown(TStringGrid& sender, int key, Qt::KeyboardModifiers shift, const TEnlargeQuestion& askEnlarge = {});

// "单元格赋值": writes the sample texts into rows 0 to 4 and returns the lists.
TSampleColumns LoadSampleData(TStringGrid& grid);
// "清空单元格": every stored cell becomes empty, inside the counts and beyond.
void ClearGridCells(TStringGrid& grid);
// The grid's size as laid out, to which 恢复为 5 列 × 10 行 goes back.
inline constexpr int DefaultGridCols = 5;
inline constexpr int DefaultGridRows = 10;
// The non-empty texts stored outside cols columns and rows rows.
std::size_t CountCellsOutside(const TStringGrid& grid, int cols, int rows);
// 恢复为 5 列 × 10 行: the texts outside that size are removed, then the counts.
void ResetGridSize(TStringGrid& grid);
// Delete: every cell of the selection becomes empty.
void ClearSelectedCells(TStringGrid& grid);
// A number text written with "." as decimal point, in the number settings' separator.
QString WithDecimalSeparator(QString text);
// The hidden pair loader: clipboard items into columns 1 and 2 from row 1.
void LoadClipboardPairs(TStringGrid& grid);
