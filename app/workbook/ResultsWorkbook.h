#pragma once
// The results as an XLSX workbook, the same for the window and the batch:
// 结果 (the study information, then every result field and key value as a
// number shown exactly as the window's text), 数据 (the readings in the
// grid's layout), 子组 (sums, means, ranges), 直方图 (class limits,
// frequencies, both curves) and 图表 (the four charts as images).
#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

#include "ChartRendering.h"
#include "ResultRecord.h"
#include "StudyInfo.h"
#include "WindowModel.h"

struct TWorkbookChart {
    QString Name;  // as a reader names it
    TChart* Chart = nullptr;
    int Width = 0, Height = 0;  // its size on the form
    TChartPaint Paint = RenderChart;
};

struct TWorkbookContents {
    const TWindowModel* Window = nullptr;
    const TCPKValue* Record = nullptr;       // null before the first computation
    bool HistogramComplete = false;          // the record's classes and curves were computed
    std::vector<std::string> KeyValueLines;  // the lines of the key values' memo
    TStudyInfo Study;
    std::vector<TWorkbookChart> Charts;
    std::string DecimalSeparator;  // the one the window's texts are written with
};

// The workbook file's bytes. Throws an Exception with a Chinese message when
// the workbook cannot be made (a grid beyond a worksheet's size included).
QByteArray ResultsWorkbookBytes(const TWorkbookContents& contents);
