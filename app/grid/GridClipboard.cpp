// Ctrl+C and Ctrl+V on the grid: the whole grid to the clipboard as
// tab-separated lines, and clipboard lines of fields into the grid from the
// current cell.
#include <algorithm>
#include <string_view>

#include "ClipboardText.h"
#include "GridCommands.h"
#include "SystemClipboard.h"
#include "Utf16Units.h"

void CopyGridToClipboard(TStringGrid& grid)
{
    QString text;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            text += grid.Cells(col, row);
            text += QLatin1Char('\t');
        }
        text += QLatin1String("\r\n");
    }
    WriteClipboardText(text);
}

void PasteClipboardIntoGrid(TStringGrid& grid)
{
    // The clipboard is read before any cell is written.
    const QString text = ReadClipboardText();
    const int col = grid.Col(), row = grid.Row();
    // Lines and fields that would fall outside the grid are not even split.
    const std::vector<TClipboardLine> lines = SplitClipboardText(
        Utf16Units(text),
        static_cast<std::size_t>(std::max(grid.RowCount() - row, 0)),
        static_cast<std::size_t>(std::max(grid.ColCount() - col, 0)));
    for (std::size_t k = 0; k < lines.size(); ++k)
        for (std::size_t j = 0; j < lines[k].size(); ++j)
            grid.SetCells(col + static_cast<int>(j), row + static_cast<int>(k),
                          TextOfUtf16Units(lines[k][j]));
}

void GridKeyDown(TStringGrid& sender, int key, Qt::KeyboardModifiers shift)
{
    if (!(shift & Qt::ControlModifier))
        return;
    constexpr int VirtualKeyC = 67, VirtualKeyV = 86;
    if (key == VirtualKeyC)
        CopyGridToClipboard(sender);
    else if (key == VirtualKeyV)
        PasteClipboardIntoGrid(sender);
}
