#pragma once
// The grid's commands: clipboard exchange, the key handler, sample data,
// clearing and the hidden pair loader. Each works on the grid it is given.
#include <QStringList>

#include <array>

#include "StringGrid.h"

// The five sample-column lists; they belong to the window.
using TSampleColumns = std::array<QStringList, 5>;

void CopyGridToClipboard(TStringGrid& grid);
void PasteClipboardIntoGrid(TStringGrid& grid);

// StringGrid1KeyDown: Ctrl+C copies, Ctrl+V pastes; other keys do nothing.
void GridKeyDown(TStringGrid& sender, int key, Qt::KeyboardModifiers shift);

// "单元格赋值": writes the sample texts into rows 0 to 4 and returns the lists.
TSampleColumns LoadSampleData(TStringGrid& grid);
// "清空单元格": every cell inside the counts becomes empty.
void ClearGridCells(TStringGrid& grid);
// The hidden pair loader: clipboard items into columns 1 and 2 from row 1.
void LoadClipboardPairs(TStringGrid& grid);
