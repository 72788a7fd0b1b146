// The window 扩展分析 through the real form and widgets: opened by its action,
// recomputed when the inputs or the selectors change, inline messages instead
// of error boxes, 复制, its charts as painted; and the scenario runner's
// `choose`, `text` and `extended`.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>

#include "ChartControl.h"
#include "ChartDump.h"
#include "ChartRendering.h"
#include "ExtendedWindow.h"
#include "RecordedErrors.h"
#include "RecordingCanvas.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

// qcc, test-capability.R: 3 subgroups of 4 in rows of 4.
const char* const QccCells[] = {"10.00", "10.02", "9.98", "10.01", "10.03", "9.99",
                                "10.01", "10.00", "9.97", "10.04", "10.02", "9.99"};

struct TOpenWindow {
    TForm1 Form;
    QStringList Errors;
    TExtendedWindow* Window = nullptr;
    TOpenWindow()
    {
        Form.SetErrorDisplay(std::make_unique<TRecordedErrors>(Errors));
        for (int i = 0; i < 12; ++i)
            Form.StringGrid1()->SetCells(i % 4, i / 4, QString::fromUtf8(QccCells[i]));
        SetEdit("Edit6", "10.1");
        SetEdit("Edit7", "10.0");
        SetEdit("Edit8", "9.9");
        SetEdit("Edit32", "4");
        ShowExtendedAnalysis(Form);
        Window = OpenExtendedWindow(Form);
    }
    void SetEdit(const char* name, const char* text)
    {
        Form.Edit(QString::fromUtf8(name))->setText(QString::fromUtf8(text));
        QApplication::processEvents();
    }
    QComboBox* Combo(const char* name) { return Window->findChild<QComboBox*>(QString::fromUtf8(name)); }
    void Choose(const char* name, const char* key)
    {
        QComboBox* box = Combo(name);
        box->setCurrentIndex(box->findData(QString::fromUtf8(key)));
    }
    void SetField(const char* name, const char* text)
    {
        Window->findChild<QLineEdit*>(QString::fromUtf8(name))->setText(QString::fromUtf8(text));
    }
    bool SaysInline(const char* part) const
    {
        for (const std::string& m : Window->Result().Messages)
            if (m.find(part) != std::string::npos)
                return true;
        return false;
    }
    // The chart as a paint at its window size computed it, as the runner dumps it.
    QJsonObject Painted(const char* name)
    {
        TChartControl* chart = Window->findChild<TChartControl*>(QString::fromUtf8(name));
        return ChartDumpJson(chart->Chart(), LayOutChart(chart->Chart(), chart->width(), chart->height()));
    }
};

}  // namespace

TEST(ExtendedWindow, OpensAndFollowsInputsAndSelectors)
{
    TOpenWindow w;
    ASSERT_NE(w.Window, nullptr);
    EXPECT_EQ(w.Window->windowTitle(), QStringLiteral("扩展分析"));
    EXPECT_FALSE(w.Window->isModal());
    const TExtendedResult& r = w.Window->Result();
    ASSERT_TRUE(r.SigmaWithin);
    EXPECT_EQ(r.WithinMethod, TWithinSigmaMethod::Pooled);
    EXPECT_NEAR(r.SigmaWithin->Value, 0.0233692347, 1e-10);  // qcc's test-capability.R data, Sp / c4(d + 1) recomputed

    QComboBox* method = w.Combo("ExtendedSigmaMethod");
    QComboBox* confidence = w.Combo("ExtendedConfidence");
    ASSERT_TRUE(method && confidence);
    EXPECT_EQ(confidence->currentData().toString(), QStringLiteral("0.95"));
    method->setCurrentIndex(method->findData(QStringLiteral("rbar")));
    EXPECT_NEAR(w.Window->Result().SigmaWithin->Value, 0.0242865729, 1e-10);
    const double wide = w.Window->Result().Indices.Cp->Upper;
    confidence->setCurrentIndex(confidence->findData(QStringLiteral("0.99")));
    EXPECT_EQ(w.Window->Result().Confidence, 0.99);
    EXPECT_GT(w.Window->Result().Indices.Cp->Upper, wide);

    // A changed cell and a changed limit are taken up.
    w.Form.StringGrid1()->SetCells(0, 3, QStringLiteral("10.5"));
    QApplication::processEvents();
    EXPECT_EQ(w.Window->Result().Count, 13);
    w.SetEdit("Edit6", "");
    EXPECT_FALSE(w.Window->Result().Indices.CPU);
    EXPECT_TRUE(w.Window->Result().Indices.CPL);
    EXPECT_TRUE(w.Errors.isEmpty());
}

TEST(ExtendedWindow, WhatCannotBeComputedIsSaidInline)
{
    TOpenWindow w;
    w.Form.StringGrid1()->SetCells(1, 1, QStringLiteral("abc"));
    w.SetEdit("Edit32", "20");
    const TExtendedResult& r = w.Window->Result();
    EXPECT_EQ(r.Count, 11);  // the text that is no number is left out and named
    EXPECT_FALSE(r.SigmaWithin);
    EXPECT_TRUE(r.Indices.Pp);
    ASSERT_GE(r.Messages.size(), 2u);
    EXPECT_NE(r.Messages[0].find("abc"), std::string::npos);
    w.SetEdit("Edit32", "x");
    EXPECT_FALSE(w.Window->Result().SigmaWithin);
    EXPECT_TRUE(w.Errors.isEmpty());  // never an error box
    // The classic window's results were not touched.
    EXPECT_TRUE(w.Form.Edit(QStringLiteral("Edit1"))->text().isEmpty());
}

TEST(ExtendedWindow, SubgroupSizeOneGivesIndividualsCharts)
{
    TOpenWindow w;
    w.SetEdit("Edit32", "1");
    const TExtendedResult& r = w.Window->Result();
    EXPECT_EQ(r.WithinMethod, TWithinSigmaMethod::MovingRange);
    ASSERT_EQ(r.Charts.size(), 2u);
    EXPECT_EQ(r.Charts[0].Name, "i");
    EXPECT_EQ(r.Charts[1].Name, "mr");
    EXPECT_FALSE(w.Combo("ExtendedSigmaMethod")->isEnabled());
}

TEST(ExtendedWindow, DistributionChartSubgroupAndHistoricalChoices)
{
    TOpenWindow w;
    w.Choose("ExtendedDistribution", "lognormal");
    EXPECT_EQ(w.Window->Result().Distribution.Selected, "lognormal");
    EXPECT_TRUE(w.Window->Result().Distribution.Ppk);
    // A value <= 0 leaves the lognormal out, inline; the normal indices stay.
    w.Form.StringGrid1()->SetCells(0, 0, QStringLiteral("-1"));
    QApplication::processEvents();
    EXPECT_FALSE(w.Window->Result().Distribution.Ppk);
    EXPECT_TRUE(w.SaysInline("小于或等于 0"));
    EXPECT_TRUE(w.Window->Result().Indices.Ppk);
    w.Form.StringGrid1()->SetCells(0, 0, QStringLiteral("10.00"));
    QApplication::processEvents();

    w.Choose("ExtendedChart", "xbarS");
    ASSERT_EQ(w.Window->Result().Charts.size(), 2u);
    EXPECT_EQ(w.Window->Result().Charts[1].Name, "s");
    // Rows as subgroups: an emptied cell makes the second row a subgroup of three.
    w.Choose("ExtendedSubgroups", "rows");
    w.Form.StringGrid1()->SetCells(3, 1, QString());
    QApplication::processEvents();
    const TExtendedResult& rows = w.Window->Result();
    EXPECT_FALSE(rows.EqualSizes);
    EXPECT_EQ(rows.SubgroupCount, 3);
    ASSERT_EQ(rows.Charts[0].PointLimits.size(), 3u);
    EXPECT_GT(rows.Charts[0].PointLimits[1].Upper, rows.Charts[0].PointLimits[0].Upper);

    // Historical values: a sigma of 0 is refused inline, a usable one is used and marked.
    w.SetField("ExtendedHistoricalSigma", "0");
    EXPECT_TRUE(w.SaysInline("历史标准差必须大于 0"));
    EXPECT_FALSE(w.Window->Result().HistoricalSigma);
    w.SetField("ExtendedHistoricalSigma", "0.02");
    w.SetField("ExtendedHistoricalMean", "10");
    EXPECT_EQ(w.Window->Result().Charts[0].PointLimits[0].Centre, 10);
    EXPECT_NEAR(w.Window->Result().Indices.Cp->Value, 0.2 / 0.12, 1e-12);
    w.Window->CopyTables();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("历史值")));
    EXPECT_TRUE(w.Errors.isEmpty());
}

// The control charts number their points on the bottom axis, keep the limit
// values inside the chart, and give a small span the margin span/4; the
// probability plot draws circles.
TEST(ExtendedWindow, ChartsShowNumbersWholeLabelsAndSmallSpans)
{
    TOpenWindow w;
    const QJsonObject xbar = w.Painted("ExtendedControlChart");
    const QJsonObject paint = xbar["paint"].toObject();
    QStringList numbers;
    for (const QJsonValue label : paint["axes"]["bottom"]["labels"].toArray())
        numbers << label["text"].toString();
    numbers.sort();
    EXPECT_EQ(numbers, (QStringList{"1", "2", "3"}));
    const int width = w.Window->findChild<TChartControl*>(QStringLiteral("ExtendedControlChart"))->width();
    int limitMarks = 0;
    for (const QJsonValue series : paint["series"].toArray())
        for (const QJsonValue mark : series["marks"].toArray())
            if (!mark["text"].toString().trimmed().isEmpty()) {
                ++limitMarks;
                EXPECT_LE(mark["left"].toInt() + mark["width"].toInt(), width - 2)
                    << mark["text"].toString().toStdString();
            }
    EXPECT_EQ(limitMarks, 3);

    const TControlChart& chart = w.Window->Result().Charts[0];
    double low = chart.Limits.Lower, high = chart.Limits.Upper;
    for (double y : chart.Points)
        low = std::min(low, y), high = std::max(high, y);
    const QJsonObject left = xbar["axes"]["left"].toObject();
    EXPECT_DOUBLE_EQ(left["minimum"].toDouble(), low - (high - low) / 4);
    EXPECT_DOUBLE_EQ(left["maximum"].toDouble(), high + (high - low) / 4);

    TChartControl* plot = w.Window->findChild<TChartControl*>(QStringLiteral("ExtendedProbabilityPlot"));
    TRecordingCanvas canvas;
    plot->Chart().Paint(canvas, plot->width(), plot->height());
    size_t circles = 0;
    for (const TCanvasOp& op : canvas.OpsOfKind(opPolygon))
        circles += op.Points.size() == 16;
    EXPECT_EQ(circles, w.Window->Result().Distribution.Fits.empty() ? 0u : 12u);
}

TEST(ExtendedWindow, CopyPutsTabTextAndHtml)
{
    TOpenWindow w;
    w.Window->CopyTables();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().contains(QStringLiteral("\r\nCpk\t")));
    EXPECT_TRUE(copied->text().contains(QStringLiteral("Shapiro-Wilk W\t")));
    EXPECT_TRUE(copied->html().contains(QStringLiteral("<td>Cpk</td>")));
}

TEST(ExtendedWindow, RunnerChoosesAndDumpsExtended)
{
    QProcess runner;
    runner.start(QStringLiteral(SCENARIO_RUNNER), {});
    runner.write("cell 0 0 10.00\ncell 1 0 10.02\ncell 2 0 9.98\ncell 3 0 10.01\n"
                 "cell 0 1 10.03\ncell 1 1 9.99\ncell 2 1 10.01\ncell 3 1 10.00\n"
                 "cell 0 2 9.97\ncell 1 2 10.04\ncell 2 2 10.02\ncell 3 2 9.99\n"
                 "text Edit6 10.1\ntext Edit7 10.0\ntext Edit8 9.9\ntext Edit32 4\n"
                 "dump\naction actionExtendedAnalysis\nchoose ExtendedSigmaMethod rbar\n"
                 "choose ExtendedConfidence 0.90\ndump\nchoose ExtendedConfidence 0.5\n");
    runner.closeWriteChannel();
    runner.waitForFinished(60000);
    EXPECT_EQ(runner.exitCode(), 2);  // an item that is not there is a malformed line
    const QList<QByteArray> lines = runner.readAllStandardOutput().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_FALSE(QJsonDocument::fromJson(lines[0]).object().contains(QStringLiteral("extended")));
    const QJsonObject e = QJsonDocument::fromJson(lines[1]).object()[QStringLiteral("extended")].toObject();
    EXPECT_EQ(e[QStringLiteral("count")].toInt(), 12);
    EXPECT_EQ(e[QStringLiteral("confidence")].toDouble(), 0.9);
    const QJsonObject within = e[QStringLiteral("sigmaWithin")].toObject();
    EXPECT_EQ(within[QStringLiteral("method")].toString(), QStringLiteral("rbar"));
    EXPECT_NEAR(within[QStringLiteral("value")].toDouble(), 0.0242865729, 1e-10);
    EXPECT_NEAR(within[QStringLiteral("dof")].toDouble(), 8.1, 1e-12);
    const QJsonObject cp = e[QStringLiteral("indices")].toObject()[QStringLiteral("Cp")].toObject();
    EXPECT_NEAR(cp[QStringLiteral("value")].toDouble(), 1.3725005, 1e-6);
    EXPECT_TRUE(e[QStringLiteral("charts")].toObject().contains(QStringLiteral("xbar")));
    EXPECT_TRUE(e[QStringLiteral("runTests")].isArray());
}

TEST(ExtendedWindow, StartsAtASizeItsScreenHoldsAndKeepsTheUsersSize)
{
    // A laptop's 1366 × 768 (less a panel) and 1920 × 1080 at scale 1.5.
    for (const QRect available : {QRect(0, 0, 1366, 740), QRect(0, 0, 1280, 720)}) {
        const QSize start = ExtendedWindowStartSize(available);
        EXPECT_LE(start.width() + 8, available.width());
        EXPECT_LE(start.height() + 34, available.height());
    }
    EXPECT_EQ(ExtendedWindowStartSize(QRect(0, 0, 2560, 1440)), QSize(1480, 860));

    TOpenWindow open;
    ASSERT_NE(open.Window, nullptr);
    const QSize chosen = open.Window->size() + QSize(40, 30);
    open.Window->resize(chosen);
    open.Window->close();
    ShowExtendedAnalysis(open.Form);
    EXPECT_EQ(OpenExtendedWindow(open.Form)->size(), chosen);
}

TEST(ExtendedWindow, RunnerSetsTheNewSelectorsAndFields)
{
    QProcess runner;
    runner.start(QStringLiteral(SCENARIO_RUNNER), {});
    runner.write("cell 0 0 10.00\ncell 1 0 10.02\ncell 2 0 9.98\ncell 0 1 10.03\ncell 1 1 9.99\n"
                 "cell 0 2 9.97\ncell 1 2 10.04\ncell 2 2 10.02\ncell 3 2 9.99\n"
                 "text Edit6 10.1\ntext Edit8 9.9\naction actionExtendedAnalysis\n"
                 "choose ExtendedDistribution weibull\nchoose ExtendedChart xbarS\nchoose ExtendedSubgroups rows\n"
                 "text ExtendedHistoricalMean 10\ntext ExtendedHistoricalSigma 0.02\ndump\n");
    runner.closeWriteChannel();
    runner.waitForFinished(60000);
    EXPECT_EQ(runner.exitCode(), 0);
    const QJsonObject e = QJsonDocument::fromJson(runner.readAllStandardOutput().split('\n')[0])
                              .object()[QStringLiteral("extended")]
                              .toObject();
    EXPECT_EQ(e[QStringLiteral("subgroups")].toString(), QStringLiteral("rows"));
    EXPECT_EQ(e[QStringLiteral("historical")][QStringLiteral("mean")].toDouble(), 10);
    EXPECT_EQ(e[QStringLiteral("historical")][QStringLiteral("sigma")].toDouble(), 0.02);
    const QJsonObject s = e[QStringLiteral("charts")][QStringLiteral("s")].toObject();
    EXPECT_EQ(s[QStringLiteral("upper")].toArray().size(), 3);  // rows of 3, 2 and 4 values
    const QJsonObject d = e[QStringLiteral("distribution")].toObject();
    EXPECT_EQ(d[QStringLiteral("selected")].toString(), QStringLiteral("weibull"));
    const QJsonObject weibull = d[QStringLiteral("fits")].toArray()[3].toObject();
    EXPECT_TRUE(weibull[QStringLiteral("parameters")].toObject().contains(QStringLiteral("shape")));
    for (const char* key : {"percentiles", "indices", "ppm", "boxcoxLambda"})
        EXPECT_TRUE(d.contains(QString::fromUtf8(key))) << key;
}
