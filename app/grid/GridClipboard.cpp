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
    // Spreadsheets take the HTML table as cells, without their text-import dialog.
    QString text, html = QStringLiteral("<table>");
    for (int row = 0; row < grid.RowCount(); ++row) {
        html += QLatin1String("<tr>");
        for (int col = 0; col < grid.ColCount(); ++col) {
            const QString cell = grid.Cells(col, row);
            text += cell;
            text += QLatin1Char('\t');
            html += QLatin1String("<td>") + cell.toHtmlEscaped() + QLatin1String("</td>");
        }
        text += QLatin1String("\r\n");
        html += QLatin1String("</tr>");
    }
    html += QLatin1String("</table>");
    WriteClipboardTextAndHtml(text, html);
}

namespace {

struct TCounts {
    std::size_t Cols;
    std::size_t Rows;
};

// Just enough columns and rows for the block, within the bound; never fewer
// than the grid has.
TCounts EnlargedCounts(const TStringGrid& grid, std::size_t neededCols, std::size_t neededRows)
{
    const auto cols0 = static_cast<std::size_t>(grid.ColCount());
    const auto rows0 = static_cast<std::size_t>(grid.RowCount());
    const std::size_t cols = std::min(std::max(cols0, neededCols), std::max(cols0, MaxEnlargedCells / rows0));
    const std::size_t rows = std::min(std::max(rows0, neededRows), std::max(rows0, MaxEnlargedCells / cols));
    return {cols, rows};
}

QString EnlargeQuestionText(const TStringGrid& grid, const TClipboardBlock& block, std::size_t leftOut)
{
    QString text = QStringLiteral("粘贴的数据有 %1 列 × %2 行（从单元格 (%3, %4) 起），表格只有 %5 列 × %6 行，"
                                  "有 %7 个值在表格之外。")
                       .arg(block.Cols)
                       .arg(block.Rows)
                       .arg(grid.Col())
                       .arg(grid.Row())
                       .arg(grid.ColCount())
                       .arg(grid.RowCount())
                       .arg(block.Outside);
    if (leftOut > 0)
        text += QStringLiteral("\n表格最多扩大到 %1 个单元格，扩大后仍有 %2 个值粘贴不下。")
                    .arg(MaxEnlargedCells)
                    .arg(leftOut);
    return text;
}

}  // namespace

void PasteClipboardIntoGrid(TStringGrid& grid, const TEnlargeQuestion& askEnlarge)
{
    // The clipboard is read before any cell is written.
    const QString text = ReadClipboardText();
    const int col = grid.Col(), row = grid.Row();
    const std::u16string_view view = Utf16Units(text);
    // Values beyond the counts are never dropped without asking.
    if (askEnlarge) {
        const auto room = [&](int count, int from) { return static_cast<std::size_t>(std::max(count - from, 0)); };
        const TClipboardBlock block =
            MeasureClipboardBlock(view, room(grid.RowCount(), row), room(grid.ColCount(), col));
        if (block.Outside > 0) {
            const TCounts counts = EnlargedCounts(grid, col + block.Cols, row + block.Rows);
            const std::size_t leftOut =
                block.Fields - CountClipboardFieldsWithin(view, counts.Rows - static_cast<std::size_t>(row),
                                                          counts.Cols - static_cast<std::size_t>(col));
            if (askEnlarge(EnlargeQuestionText(grid, block, leftOut))) {
                grid.SetColCount(static_cast<int>(counts.Cols));
                grid.SetRowCount(static_cast<int>(counts.Rows));
            }
        }
    }
    // Lines and fields that would fall outside the grid are not even split.
    const std::vector<TClipboardLine> lines =
        SplitClipboardText(view, static_cast<std::size_t>(std::max(grid.RowCount() - row, 0)),
                           static_cast<std::size_t>(std::max(grid.ColCount() - col, 0)));
    for (std::size_t k = 0; k < lines.size(); ++k)
        for (std::size_t j = 0; j < lines[k].size(); ++j)
            grid.SetCells(col + static_cast<int>(j), row + static_cast<int>(k), TextOfUtf16Units(lines[k][j]));
}

void GridKeyDown(TStringGrid& sender, int key, Qt::KeyboardModifiers shift, const TEnlargeQuestion& askEnlarge)
{
    if (!(shift & Qt::ControlModifier))
        return;
    constexpr int VirtualKeyC = 67, VirtualKeyV = 86, VirtualKeyY = 89, VirtualKeyZ = 90;
    if (key == VirtualKeyC)
        CopyGridToClipboard(sender);
    else if (key == VirtualKeyV)
        sender.AsOneStep(QStringLiteral("粘贴"), [&] { PasteClipboardIntoGrid(sender, askEnlarge); });
    else if (key == VirtualKeyZ && !(shift & Qt::ShiftModifier))
        sender.Undo();
    else if (key == VirtualKeyY || key == VirtualKeyZ)
        sender.Redo();
}
