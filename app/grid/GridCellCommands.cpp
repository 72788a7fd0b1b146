// "单元格赋值", "清空单元格" and Delete: fixed texts into the grid's cells.
#include "GridCommands.h"

#include "NumberSettings.h"
#include "SampleData.h"

#include <algorithm>

QString WithDecimalSeparator(QString text)
{
    // The compute command reads numbers with the separator of the number settings.
    return text.replace(QLatin1Char('.'), QString::fromStdString(NumberSettings().DecimalSeparator));
}

TSampleColumns LoadSampleData(TStringGrid& grid)
{
    TSampleColumns columns;
    for (int col = 0; col < SampleColumns; ++col)
        for (int row = 0; row < SampleRows; ++row)
            columns[col].append(WithDecimalSeparator(QString::fromLatin1(SampleText(col, row))));
    // Rows 5 and below keep their texts.
    for (int col = 0; col < 5; ++col)
        for (int row = 0; row < columns[col].size() && row < grid.RowCount(); ++row)
            grid.SetCells(col, row, columns[col][row]);
    return columns;
}

void ClearGridCells(TStringGrid& grid)
{
    // Texts beyond the counts go too, so that none comes back when the grid grows.
    for (const TStoredCell& cell : grid.StoredCells())
        grid.SetCells(cell.Col, cell.Row, QString());
}

std::size_t CountCellsOutside(const TStringGrid& grid, int cols, int rows)
{
    const std::vector<TStoredCell> cells = grid.StoredCells();
    return static_cast<std::size_t>(std::count_if(
        cells.begin(), cells.end(), [&](const TStoredCell& cell) { return cell.Col >= cols || cell.Row >= rows; }));
}

void ResetGridSize(TStringGrid& grid)
{
    for (const TStoredCell& cell : grid.StoredCells())
        if (cell.Col >= DefaultGridCols || cell.Row >= DefaultGridRows)
            grid.SetCells(cell.Col, cell.Row, QString());
    grid.SetColCount(DefaultGridCols);
    grid.SetRowCount(DefaultGridRows);
}

void ClearSelectedCells(TStringGrid& grid)
{
    const QRect selection = grid.Selection();
    for (int row = selection.top(); row <= selection.bottom(); ++row)
        for (int col = selection.left(); col <= selection.right(); ++col)
            if (!grid.Cells(col, row).isEmpty())
                grid.SetCells(col, row, QString());
}
