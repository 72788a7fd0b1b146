// The hidden pair loader (Button1, never shown): clipboard values in pairs
// into columns 1 and 2 from row 1.
#include "ClipboardPairs.h"
#include "GridCommands.h"
#include "SystemClipboard.h"
#include "Utf16Units.h"

void LoadClipboardPairs(TStringGrid& grid)
{
    const QString text = ReadClipboardText();
    const std::vector<std::u16string> items = SplitPairItems(Utf16Units(text));
    // An odd count fills the last row's first cell only; no item is left out.
    const std::size_t rows = (items.size() + 1) / 2;
    for (std::size_t i = 1; i <= rows; ++i) {
        const int row = static_cast<int>(i);
        grid.SetCells(1, row, TextOfUtf16Units(items[2 * i - 2]));
        if (2 * i - 1 < items.size())
            grid.SetCells(2, row, TextOfUtf16Units(items[2 * i - 1]));
    }
    // Every row that received a value is inside the grid.
    if (rows > 0 && static_cast<std::size_t>(grid.RowCount()) < rows + 1)
        grid.SetRowCount(static_cast<int>(rows + 1));
}
