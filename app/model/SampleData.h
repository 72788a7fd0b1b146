#pragma once
// The sample data of 单元格赋值: five columns of five readings, written with
// "." as decimal point.
constexpr int SampleColumns = 5;
constexpr int SampleRows = 5;

// The text of the sample reading in column col, row row.
const char* SampleText(int col, int row);
