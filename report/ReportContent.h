#pragma once
// Everything the report shows, gathered before it is laid out: the texts
// exactly as the window shows them, the charts to draw and the study
// information. The window and the batch fill it from the same form, so the
// same study gives the same report.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

#include "StudyInfo.h"

class TChart;

// A table of texts: a heading, its column heads and rows of cells.
struct TReportTable {
    QString Title;
    QStringList Header;
    QList<QStringList> Rows;
};

// A chart drawn by the chart component; the page gives it its width and a
// height in the proportions it has on the form.
struct TReportChart {
    QString Caption;  // "" when the chart draws its own title
    TChart* Chart = nullptr;
    int FormWidth = 0, FormHeight = 0;
};

// One memo box: its heading and every line it holds.
struct TReportMemo {
    QString Heading;
    QStringList Lines;
};

struct TReportContent {
    TStudyInfo Study;  // the date already filled in
    // The window's fields by their control name (Edit1 ... Edit33, Label27, Label29, Label30).
    QHash<QString, QString> Texts;
    // In the window's order: Memo1 ... Memo4, Memo6 ... Memo8, Memo5.
    std::vector<TReportMemo> Memos;
    // The grid's rows down to the last one with a text, each as wide as the
    // widest of them; cells as typed.
    QList<QStringList> Readings;
    QStringList Notices;
    std::vector<TReportChart> Charts;
    // The extended analysis when it was computed, else empty.
    std::vector<TReportTable> Extended;
    QStringList ExtendedMessages;
};
