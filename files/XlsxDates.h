#pragma once
// Dates in XLSX are numbers shown through a date format: a cell's style
// (its "s" attribute, an index into styles.xml's cellXfs) says whether its
// number is a day count. Such cells are read as ISO dates, as XLS and ODS
// dates are, so that a date column is never taken for readings.
#include <QString>

#include <string>
#include <vector>

class TZipArchive;

struct TXlsxDates {
    std::vector<bool> DateStyles;  // by cellXfs index
    bool Epoch1904 = false;        // workbookPr date1904: day 0 is 1904-01-01

    bool IsDateStyle(const QString& styleIndex) const;
};

// Reads xl/styles.xml (absent: no date styles); Epoch1904 is set by the caller
// from the workbook part.
TXlsxDates ReadXlsxDateStyles(TZipArchive& zip, const std::string& fileName);

// True when a number format code shows a date or a time (built-in ids
// 14-22, 27-36, 45-47, 50-58; custom codes with y, m, d, h or s outside
// quoted texts and brackets).
bool IsDateFormat(int numFmtId, const QString& formatCode);

// "2026-03-01", "2026-03-01 06:30:00", or "" when the serial is no date.
std::string SerialDateText(double serial, bool epoch1904);
