#pragma once
// 文件 → 导出到 Excel…: the window's results as a workbook, written whole or
// not at all to the file chosen in the save dialog.
#include "ResultsWorkbook.h"

class TFileDialogs;
class TForm1;

// What the window shows: its texts, the latest record and its four charts.
TWorkbookContents FormWorkbookContents(TForm1& form, const TStudyInfo& study);

// A cancelled dialog ends the command quietly; what fails is thrown.
void ExportResultsWorkbook(TForm1& form, const TStudyInfo& study, TFileDialogs& dialogs);
