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

TGridCounts EnlargedCounts(const TStringGrid& grid, std::size_t neededCols, std::size_t neededRows)
{
    const auto cols0 = static_cast<std::size_t>(grid.ColCount());
    const auto rows0 = static_cast<std::size_t>(grid.RowCount());
    const std::size_t cols = std::min(std::max(cols0, neededCols), std::max(cols0, MaxEnlargedCells / rows0));
    const std::size_t rows = std::min(std::max(rows0, neededRows), std::max(rows0, MaxEnlargedCells / cols));
    return {cols, rows};
}

namespace {

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

QString CellText(const TClipboardField& field)
{
    QString text(static_cast<qsizetype>(field.Length()), Qt::Uninitialized);
    WriteClipboardField(field, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

}  // namespace

void PasteClipboardIntoGrid(TStringGrid& grid, const TEnlargeQuestion& askEnlarge)
{
    // The clipboard is read before any cell is written.
    const QString text = ReadClipboardText();
    const int col = grid.Col(), row = grid.Row();
    const auto room = [&](std::size_t count, int from) {
        return count > static_cast<std::size_t>(from) ? count - static_cast<std::size_t>(from) : 0;
    };
    const auto roomLines = [&] { return room(static_cast<std::size_t>(grid.RowCount()), row); };
    const auto roomFields = [&] { return room(static_cast<std::size_t>(grid.ColCount()), col); };
    // The text is read once; an enlarged grid takes the lines kept for it.
    const std::size_t keptLines =
        askEnlarge ? room(std::max(static_cast<std::size_t>(grid.RowCount()), MaxEnlargedCells), row) : roomLines();
    const TClipboardLines lines = ReadClipboardLines(Utf16Units(text), roomLines(), roomFields(), keptLines);
    // Values beyond the counts are never dropped without asking.
    if (askEnlarge && lines.Block.Outside > 0) {
        const TGridCounts counts = EnlargedCounts(grid, col + lines.Block.Cols, row + lines.Block.Rows);
        const std::size_t leftOut =
            lines.Block.Fields - CountClipboardFieldsWithin(lines, room(counts.Rows, row), room(counts.Cols, col));
        if (askEnlarge(EnlargeQuestionText(grid, lines.Block, leftOut))) {
            grid.SetColCount(static_cast<int>(counts.Cols));
            grid.SetRowCount(static_cast<int>(counts.Rows));
        }
    }
    // Each field is written once, straight into its cell's text; an empty
    // field empties its cell.
    const std::vector<TClipboardFieldLine> fields = ClipboardFields(lines, roomLines(), roomFields());
    for (std::size_t k = 0; k < fields.size(); ++k)
        for (std::size_t j = 0; j < fields[k].size(); ++j)
            grid.SetCells(col + static_cast<int>(j), row + static_cast<int>(k), CellText(fields[k][j]));
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
