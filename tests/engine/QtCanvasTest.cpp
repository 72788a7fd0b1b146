// The QPainter canvas and the chart control on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWidget>

#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <stdexcept>

#include "BarSeries.h"
#include "ChartControl.h"
#include "ChartDump.h"
#include "ChartRendering.h"
#include "ChartStateJson.h"
#include "CustomSeries.h"
#include "FormCharts.h"
#include "QtCanvas.h"

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "engine_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

class QtCanvasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { App(); }
};

}  // namespace

TEST_F(QtCanvasTest, ColoursAreBlueGreenRed)
{
    EXPECT_EQ(ToQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(16711680), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(15453831), QColor(135, 206, 235));
}

TEST_F(QtCanvasTest, RectanglesExcludeRightAndBottomEdges)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.SetPen({clBlack, 1, psSolid, esRound});
        canvas.SetBrush({false, clRed});
        canvas.Rectangle({2, 2, 11, 11});  // 9 x 9: columns 2..10
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(11, 11), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 6), QColor(255, 0, 0));
}

TEST_F(QtCanvasTest, OnePixelLinesLeaveOutTheirEndPoint)
{
    // A tick of TickLength pixels is a line TickLength pixels long.
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.SetPen({clBlack, 1, psSolid, esRound});
        canvas.Line(2, 5, 6, 5);
        canvas.MoveTo(10, 2);
        canvas.LineTo(10, 6);
    }
    EXPECT_EQ(image.pixelColor(2, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(6, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, 6), QColor(Qt::white));
}

TEST_F(QtCanvasTest, DashedWidthTwoLineStaysDashed)
{
    QImage image(200, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.SetPen({clBlack, 2, psDash, esRound});
        canvas.Line(10, 5, 190, 5);
    }
    int gaps = 0;
    for (int x = 20; x < 180; ++x)
        gaps += image.pixelColor(x, 5) == QColor(Qt::white);
    EXPECT_GT(gaps, 20);
    EXPECT_LT(gaps, 140);
}

namespace {

// A widget that runs a check inside its paint, where a painter on it is active.
class TPaintCheck : public QWidget {
public:
    std::function<void(QPainter&)> Check;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Check(painter);
    }
};

}  // namespace

// Measures are kept between paints; they must stay those of the font in
// force, on every device, also for texts measured before any font is set.
TEST_F(QtCanvasTest, MeasuresFollowTheFontInForceOnEachDevice)
{
    const auto check = [](QPainter& painter) {
        const auto fresh = [&painter](const char* text) {
            return QFontMetrics(painter.font()).horizontalAdvance(QString::fromUtf8(text));
        };
        TQtCanvas canvas(painter);
        EXPECT_EQ(canvas.TextWidth("Wide 12"), fresh("Wide 12"));
        EXPECT_EQ(canvas.TextHeight("W"), QFontMetrics(painter.font()).height());
        for (const TFontSpec& spec : {TFontSpec{}, TFontSpec{"Arial", 10, clRed, true}, TFontSpec{}}) {
            canvas.SetFont(spec);
            EXPECT_EQ(canvas.TextWidth("Wide 12 均值"), fresh("Wide 12 均值")) << spec.Size;
            EXPECT_EQ(canvas.TextHeight("W"), QFontMetrics(painter.font()).height()) << spec.Size;
        }
    };
    TPaintCheck widget;
    QFont large(QStringLiteral("DejaVu Sans"));
    large.setPixelSize(30);
    large.setLetterSpacing(QFont::AbsoluteSpacing, 3);  // left to the device by the chart fonts
    widget.setFont(large);
    widget.resize(50, 50);
    widget.Check = check;
    QImage image(50, 50, QImage::Format_RGB32);
    for (int round = 0; round < 2; ++round) {  // the second round reads kept measures
        QPainter painter(&image);
        check(painter);
        painter.end();
        widget.grab();
    }
}

TEST_F(QtCanvasTest, LaidOutChartPaintsAndDumps)
{
    TChartControl control;
    control.resize(772, 190);
    LayOutFormChart(control.Chart(), WindowChart::Xbar);
    const QImage image = PaintChartImage(control.Chart(), 772, 190);
    EXPECT_EQ(image.pixelColor(400, 100), QColor(Qt::white));

    const QJsonObject dump = ChartDumpJson(control.Chart(), LayOutChart(control.Chart(), 772, 190));
    EXPECT_EQ(dump["title"]["text"].toString(), QString::fromUtf8("均值控制图"));
    EXPECT_TRUE(dump["title"]["visible"].toBool());
    const QJsonArray series = dump["series"].toArray();
    ASSERT_EQ(series.size(), 5);
    EXPECT_EQ(series[0]["name"].toString(), "FastLineSeries1");
    EXPECT_EQ(series[0]["class"].toString(), "TFastLineSeries");
    EXPECT_EQ(series[0]["color"].toInt(), 255);
    EXPECT_TRUE(series[0]["pointerStyle"].isNull());
    EXPECT_EQ(series[4]["pointerStyle"].toString(), "psRectangle");
    const QJsonObject paint = dump["paint"].toObject();
    EXPECT_EQ(paint["plotRect"].toArray().size(), 4);
    EXPECT_TRUE(paint["axes"]["left"]["visible"].toBool());
    EXPECT_FALSE(paint["axes"]["top"]["visible"].toBool());
    EXPECT_EQ(paint["series"].toArray().size(), 5);
}

// The batch writes the chart state itself and the scenario runner through
// Qt's JSON; both must give the same bytes, numbers and key order included.
TEST_F(QtCanvasTest, ChartStateIsTheTextQtWritesForIt)
{
    TChartControl control;
    LayOutFormChart(control.Chart(), WindowChart::Individuals);
    TChartSeries& series = *control.Chart().SeriesList()[3];
    for (double y : {1e-4, 0.001, 100000.0, -0.0, 1e30, double(1e20f), 6.7136787566551682e20, 0x1p53 + 2, -0x1p53,
                     123456789012.5, 3.4028234663852886e38, 5e-324})
        series.AddPoint(double(series.Count()), y, "a\t\"b\"\x01");
    std::mt19937_64 random(29);
    for (int i = 0; i < 3000; ++i) {
        const double y = std::ldexp(double(random() >> 11), int(random() % 200) - 100);
        series.AddPoint(double(series.Count()), i % 2 ? y : std::trunc(y));
    }
    std::ostringstream written;
    {
        TJsonWriter json(written);
        WriteChartState(json, control.Chart(), LayOutChart(control.Chart(), 772, 190), true);
    }
    const QByteArray ours = QByteArray::fromStdString(written.str());
    const QJsonDocument read = QJsonDocument::fromJson(ours);
    ASSERT_TRUE(read.isObject());
    EXPECT_EQ(read.toJson(QJsonDocument::Compact), ours);
}

TEST_F(QtCanvasTest, ControlRepaintsOnChange)
{
    TChartControl control;
    control.resize(300, 200);
    const QImage before = control.grab().toImage();
    control.Chart().SetColor(clRed);
    const QImage after = control.grab().toImage();
    EXPECT_NE(before.pixelColor(150, 100), after.pixelColor(150, 100));
}

namespace {

// A series whose paint fails, as a chart in a broken state would.
class TFailingSeries : public TChartSeries {
public:
    explicit TFailingSeries(TChart* owner) : TChartSeries(owner) {}
    const char* ClassName() const override { return "TFailingSeries"; }
    void PrepareLayout(TTextMeasurer&, TSeriesLayout&) const override { throw std::runtime_error("paint failed"); }

protected:
    void DrawAllValues(TCanvas&, const TChartLayout&, const TSeriesLayout&) const override {}
};

}  // namespace

// The image for a screenshot or an export is painted under the same guard as
// the window: the exception ends the paint, the image keeps what was drawn.
TEST_F(QtCanvasTest, AFailingPaintLeavesAnImageAndNoException)
{
    TChartControl control;
    control.resize(200, 100);
    control.Chart().AttachSeries(control.Chart().CreateSeries<TFailingSeries>("Failing"));
    QImage image;
    ASSERT_NO_THROW(image = PaintChartImage(control.Chart(), 200, 100));
    EXPECT_EQ(image.size(), QSize(200, 100));
    ASSERT_NO_THROW(control.grab());
}

// The layout the dump and the batch take without drawing is the one a paint
// on an image draws: the same font measures give the same bands, labels and
// mark boxes. Measuring leaves the painter's font to the drawing.
TEST_F(QtCanvasTest, LayoutWithoutDrawingIsThePaintsLayout)
{
    TChart chart;
    chart.Title().SetText({"均值控制图"});
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    for (int i = 0; i < 12; ++i)
        bars.AddPoint(11.9 + i * 0.025, (i * 7) % 13);
    auto& line = chart.CreateSeries<TLineSeries>();
    line.SetParentChart(&chart);
    line.SetVertAxis(aRightAxis);
    line.Marks().SetVisible(true);
    line.Marks().Font().SetSize(10);
    line.Marks().Font().SetBold(true);
    line.AddPoint(11.9, 0.5, " ");
    line.AddPoint(12.2, 0.5);

    const TChartLayout alone = LayOutChart(chart, 772, 486);
    QImage image(772, 486, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont before = painter.font();
    TQtCanvas canvas(painter);
    const TChartLayout painted = chart.LayOut(canvas.Measurer(), 772, 486);
    EXPECT_EQ(painter.font(), before);

    EXPECT_EQ(painted.PlotRect, alone.PlotRect);
    EXPECT_EQ(painted.TitleLines, alone.TitleLines);
    for (TAxisKind kind : {akBottom, akTop, akLeft, akRight}) {
        EXPECT_EQ(painted.Axis(kind).LabelsPos, alone.Axis(kind).LabelsPos) << kind;
        EXPECT_EQ(painted.Axis(kind).Division.Ticks, alone.Axis(kind).Division.Ticks) << kind;
    }
    ASSERT_EQ(painted.Series.size(), 2u);
    EXPECT_EQ(painted.Series[0].Bars.Size, alone.Series[0].Bars.Size);
    for (std::size_t s = 0; s < 2; ++s) {
        ASSERT_EQ(painted.Series[s].Marks.size(), alone.Series[s].Marks.size());
        for (std::size_t m = 0; m < painted.Series[s].Marks.size(); ++m)
            EXPECT_EQ(painted.Series[s].Marks[m].Position, alone.Series[s].Marks[m].Position);
    }
    EXPECT_FALSE(alone.Series[1].Marks.empty());
}
