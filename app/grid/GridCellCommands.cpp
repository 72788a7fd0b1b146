// "单元格赋值", "清空单元格" and Delete: fixed texts into the grid's cells.
#include "GridCommands.h"

#include "NumberSettings.h"

namespace {

// The sample texts by column, rows 0 to 4, written with "." as decimal point.
constexpr const char* SampleTexts[5][5] = {
    {"26.39", "24.52", "26.07", "27.03", "26.57"},
    {"27.41", "23.65", "26.49", "30.21", "25.69"},
    {"28.11", "26.86", "29.41", "26.34", "24.87"},
    {"24.06", "30.77", "26.47", "26.02", "26.6"},
    {"25.88", "26.12", "23.41", "24.68", "26.4"},
};

}  // namespace

QString WithDecimalSeparator(QString text)
{
    // The compute command reads numbers with the separator of the number settings.
    return text.replace(QLatin1Char('.'), QString::fromStdString(NumberSettings().DecimalSeparator));
}

TSampleColumns LoadSampleData(TStringGrid& grid)
{
    TSampleColumns columns;
    for (int col = 0; col < 5; ++col)
        for (const char* text : SampleTexts[col])
            columns[col].append(WithDecimalSeparator(QString::fromLatin1(text)));
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
