#pragma once
// The report's content read from the form after a compute: its fields, memo
// lines, grid and charts as the window shows them, with the study
// information and the extended analysis when it was computed. The window and
// the batch both take their report from here.
#include "ReportContent.h"

class TForm1;
struct TExtendedResult;

// The study's date, when not given, is today's.
TReportContent FormReportContent(TForm1& form, const TStudyInfo& study, const TExtendedResult* extended);
