#pragma once
// The commands that take results out of the window: each asks for its file
// or printer through the dialogs and throws what fails, for the form's error
// display. A cancelled dialog ends the command quietly.
class TChartControl;
class TFileDialogs;
class TForm1;
struct TStudyInfo;

// The report of the form's results with the study's information.
void ExportReportPdf(TForm1& form, TFileDialogs& dialogs, const TStudyInfo& study);
void PrintReportPages(TForm1& form, TFileDialogs& dialogs, const TStudyInfo& study);
void ExportWindowImage(TForm1& form, TFileDialogs& dialogs);
void SaveChartImageAs(TChartControl& chart, TFileDialogs& dialogs);
