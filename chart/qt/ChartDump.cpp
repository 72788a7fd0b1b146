#include "ChartDump.h"

#include <QJsonArray>
#include <QString>

#include "BarSeries.h"
#include "CustomSeries.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

const char* LabelStyleName(TAxisLabelStyle style)
{
    switch (style) {
    case talAuto: return "talAuto";
    case talNone: return "talNone";
    case talValue: return "talValue";
    case talMark: return "talMark";
    case talText: return "talText";
    }
    return "talAuto";
}

const char* PenStyleName(TPenStyle style)
{
    switch (style) {
    case psSolid: return "psSolid";
    case psDash: return "psDash";
    case psDot: return "psDot";
    case psDashDot: return "psDashDot";
    case psDashDotDot: return "psDashDotDot";
    case psClear: return "psClear";
    }
    return "psSolid";
}

const char* PointerStyleName(TSeriesPointerStyle style)
{
    static const char* const names[] = {"psRectangle", "psCircle",    "psTriangle",     "psDownTriangle",
                                        "psCross",     "psDiagCross", "psStar",         "psDiamond",
                                        "psSmallDot",  "psNothing",   "psLeftTriangle", "psRightTriangle"};
    return names[style];
}

const char* const AxisNames[] = {"bottom", "top", "left", "right"};

QJsonObject AxisJson(const TChartAxis& axis)
{
    return {{"automatic", axis.Automatic()},
            {"minimum", axis.Minimum()},
            {"maximum", axis.Maximum()},
            {"labelStyle", LabelStyleName(axis.LabelStyle())},
            {"gridVisible", axis.Grid().Visible()}};
}

QJsonObject SeriesJson(const TChartSeries& series, bool withPoints)
{
    QJsonArray points;
    for (std::size_t i = 0; withPoints && i < series.Count(); ++i)
        points.append(QJsonObject{{"x", series.XValues()[i]},
                                  {"y", series.YValues()[i]},
                                  {"label", Text(series.Label(i))},
                                  {"color", series.StoredColor(i)}});
    const TSeriesMarks& marks = series.Marks();
    QJsonValue pointerStyle = QJsonValue::Null;
    if (const auto* custom = dynamic_cast<const TCustomSeries*>(&series))
        pointerStyle = PointerStyleName(custom->Pointer().Style());
    return {{"name", Text(series.Name())},
            {"class", series.ClassName()},
            {"color", series.Color()},
            {"vertAxis", series.VertAxis() == aRightAxis ? "aRightAxis" : "aLeftAxis"},
            {"pen", QJsonObject{{"width", series.Pen().Width()}, {"style", PenStyleName(series.Pen().Style())}}},
            {"pointerStyle", pointerStyle},
            {"marks", QJsonObject{{"visible", marks.Visible()},
                                  {"transparent", marks.Transparent()},
                                  {"fontSize", marks.Font().Size()},
                                  {"fontColor", marks.Font().Color()},
                                  {"bold", marks.Font().Bold()},
                                  {"arrowLength", marks.ArrowLength()}}},
            {"points", points}};
}

QJsonObject AxisPaintJson(const TAxisLayout& axis)
{
    QJsonArray labels;
    for (const TAxisLabel& label : axis.Division.Labels)
        labels.append(QJsonObject{{"value", label.Value}, {"text", Text(label.Text)}, {"pos", label.Pos}});
    QJsonArray ticks;
    for (int tick : axis.Division.Ticks)
        ticks.append(tick);
    return {{"visible", axis.Visible},
            {"workMinimum", axis.Scale.WorkMinimum},
            {"workMaximum", axis.Scale.WorkMaximum},
            {"startPos", axis.Scale.StartPos},
            {"endPos", axis.Scale.EndPos},
            {"increment", axis.Division.Step},
            {"labels", labels},
            {"ticks", ticks}};
}

QJsonObject SeriesPaintJson(const TChartSeries& series, const TSeriesLayout& layout)
{
    QJsonArray marks;
    for (const TDrawnMark& mark : layout.Marks)
        marks.append(QJsonObject{{"index", mark.Index},
                                 {"text", Text(mark.Text)},
                                 {"left", mark.Position.Left},
                                 {"top", mark.Position.Top},
                                 {"width", mark.Position.Width},
                                 {"height", mark.Position.Height}});
    QJsonObject json{{"name", Text(series.Name())},
                     {"firstVisible", layout.FirstVisible},
                     {"lastVisible", layout.LastVisible},
                     {"marks", marks}};
    if (dynamic_cast<const TBarSeries*>(&series))
        json.insert("barSize", layout.Bars.Size);
    return json;
}

QJsonObject DumpJson(const TChart& chart, const TChartLayout& layout, bool withPoints)
{
    QString title;
    for (const std::string& line : chart.Title().Text()) {
        if (!title.isEmpty())
            title += QStringLiteral("\r\n");
        title += Text(line);
    }

    QJsonObject axes, paintAxes;
    for (TAxisKind kind : {akLeft, akRight, akBottom, akTop}) {
        axes.insert(AxisNames[kind], AxisJson(chart.Axis(kind)));
        paintAxes.insert(AxisNames[kind], AxisPaintJson(layout.Axis(kind)));
    }

    QJsonArray series, paintSeries;
    for (const TChartSeries* one : chart.SeriesList()) {
        series.append(SeriesJson(*one, withPoints));
        paintSeries.append(SeriesPaintJson(*one, layout.Of(*one)));
    }

    const TRect& plot = layout.PlotRect;
    return {{"title", QJsonObject{{"visible", chart.Title().Visible()}, {"text", title}}},
            {"axes", axes},
            {"series", series},
            {"paint", QJsonObject{{"plotRect", QJsonArray{plot.Left, plot.Top, plot.Right, plot.Bottom}},
                                  {"axes", paintAxes},
                                  {"series", paintSeries}}}};
}

}  // namespace

QJsonObject ChartDumpJson(const TChart& chart, const TChartLayout& layout) { return DumpJson(chart, layout, true); }

QJsonObject ChartDumpJsonWithoutPoints(const TChart& chart, const TChartLayout& layout)
{
    return DumpJson(chart, layout, false);
}
