// "单元格赋值", "清空单元格" and Delete: fixed texts into the grid's cells.
#include "GridCommands.h"

#include "NumberSettings.h"
#include "SampleData.h"

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
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            if (!grid.Cells(col, row).isEmpty())
                grid.SetCells(col, row, QString());
}

void ClearSelectedCells(TStringGrid& grid)
{
    const QRect selection = grid.Selection();
    for (int row = selection.top(); row <= selection.bottom(); ++row)
        for (int col = selection.left(); col <= selection.right(); ++col)
            if (!grid.Cells(col, row).isEmpty())
                grid.SetCells(col, row, QString());
}
