#include "ChartStateJson.h"

#include "BarSeries.h"
#include "CustomSeries.h"

namespace {

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

// The four axes by name, in name order.
constexpr std::pair<const char*, TAxisKind> AxesByName[] = {
    {"bottom", akBottom}, {"left", akLeft}, {"right", akRight}, {"top", akTop}};

void WriteAxis(TJsonWriter& json, const TChartAxis& axis)
{
    json.BeginObject();
    json.Key("automatic");
    json.Bool(axis.Automatic());
    json.Key("gridVisible");
    json.Bool(axis.Grid().Visible());
    json.Key("labelStyle");
    json.String(LabelStyleName(axis.LabelStyle()));
    json.Key("maximum");
    json.NumberAsQt(axis.Maximum());
    json.Key("minimum");
    json.NumberAsQt(axis.Minimum());
    json.EndObject();
}

void WritePoints(TJsonWriter& json, const TChartSeries& series)
{
    json.BeginArray();
    for (std::size_t i = 0; i < series.Count(); ++i) {
        json.BeginObject();
        json.Key("color");
        json.Integer(series.StoredColor(i));
        json.Key("label");
        json.String(series.Label(i));
        json.Key("x");
        json.NumberAsQt(series.XValues()[i]);
        json.Key("y");
        json.NumberAsQt(series.YValues()[i]);
        json.EndObject();
    }
    json.EndArray();
}

void WriteSeries(TJsonWriter& json, const TChartSeries& series, bool withPoints)
{
    const TSeriesMarks& marks = series.Marks();
    json.BeginObject();
    json.Key("class");
    json.String(series.ClassName());
    json.Key("color");
    json.Integer(series.Color());
    json.Key("marks");
    json.BeginObject();
    json.Key("arrowLength");
    json.Integer(marks.ArrowLength());
    json.Key("bold");
    json.Bool(marks.Font().Bold());
    json.Key("fontColor");
    json.Integer(marks.Font().Color());
    json.Key("fontSize");
    json.Integer(marks.Font().Size());
    json.Key("transparent");
    json.Bool(marks.Transparent());
    json.Key("visible");
    json.Bool(marks.Visible());
    json.EndObject();
    json.Key("name");
    json.String(series.Name());
    json.Key("pen");
    json.BeginObject();
    json.Key("style");
    json.String(PenStyleName(series.Pen().Style()));
    json.Key("width");
    json.Integer(series.Pen().Width());
    json.EndObject();
    json.Key("pointerStyle");
    if (const auto* custom = dynamic_cast<const TCustomSeries*>(&series))
        json.String(PointerStyleName(custom->Pointer().Style()));
    else
        json.Null();
    if (withPoints) {
        json.Key("points");
        WritePoints(json, series);
    }
    json.Key("vertAxis");
    json.String(series.VertAxis() == aRightAxis ? "aRightAxis" : "aLeftAxis");
    json.EndObject();
}

void WriteAxisLayout(TJsonWriter& json, const TAxisLayout& axis)
{
    json.BeginObject();
    json.Key("endPos");
    json.Integer(axis.Scale.EndPos);
    json.Key("increment");
    json.NumberAsQt(axis.Division.Step);
    json.Key("labels");
    json.BeginArray();
    for (const TAxisLabel& label : axis.Division.Labels) {
        json.BeginObject();
        json.Key("pos");
        json.Integer(label.Pos);
        json.Key("text");
        json.String(label.Text);
        json.Key("value");
        json.NumberAsQt(label.Value);
        json.EndObject();
    }
    json.EndArray();
    json.Key("startPos");
    json.Integer(axis.Scale.StartPos);
    json.Key("ticks");
    json.BeginArray();
    for (int tick : axis.Division.Ticks)
        json.Integer(tick);
    json.EndArray();
    json.Key("visible");
    json.Bool(axis.Visible);
    json.Key("workMaximum");
    json.NumberAsQt(axis.Scale.WorkMaximum);
    json.Key("workMinimum");
    json.NumberAsQt(axis.Scale.WorkMinimum);
    json.EndObject();
}

void WriteSeriesLayout(TJsonWriter& json, const TChartSeries& series, const TSeriesLayout& layout)
{
    json.BeginObject();
    if (dynamic_cast<const TBarSeries*>(&series)) {
        json.Key("barSize");
        json.Integer(layout.Bars.Size);
    }
    json.Key("firstVisible");
    json.Integer(layout.FirstVisible);
    json.Key("lastVisible");
    json.Integer(layout.LastVisible);
    json.Key("marks");
    json.BeginArray();
    for (const TDrawnMark& mark : layout.Marks) {
        json.BeginObject();
        json.Key("height");
        json.Integer(mark.Position.Height);
        json.Key("index");
        json.Integer(mark.Index);
        json.Key("left");
        json.Integer(mark.Position.Left);
        json.Key("text");
        json.String(mark.Text);
        json.Key("top");
        json.Integer(mark.Position.Top);
        json.Key("width");
        json.Integer(mark.Position.Width);
        json.EndObject();
    }
    json.EndArray();
    json.Key("name");
    json.String(series.Name());
    json.EndObject();
}

void WritePaint(TJsonWriter& json, const TChart& chart, const TChartLayout& layout)
{
    json.BeginObject();
    json.Key("axes");
    json.BeginObject();
    for (const auto& [name, kind] : AxesByName) {
        json.Key(name);
        WriteAxisLayout(json, layout.Axis(kind));
    }
    json.EndObject();
    json.Key("plotRect");
    json.BeginArray();
    for (int edge : {layout.PlotRect.Left, layout.PlotRect.Top, layout.PlotRect.Right, layout.PlotRect.Bottom})
        json.Integer(edge);
    json.EndArray();
    json.Key("series");
    json.BeginArray();
    for (const TChartSeries* series : chart.SeriesList())
        WriteSeriesLayout(json, *series, layout.Of(*series));
    json.EndArray();
    json.EndObject();
}

}  // namespace

void WriteChartState(TJsonWriter& json, const TChart& chart, const TChartLayout& layout, bool withPoints)
{
    json.BeginObject();
    json.Key("axes");
    json.BeginObject();
    for (const auto& [name, kind] : AxesByName) {
        json.Key(name);
        WriteAxis(json, chart.Axis(kind));
    }
    json.EndObject();
    json.Key("paint");
    WritePaint(json, chart, layout);
    json.Key("series");
    json.BeginArray();
    for (const TChartSeries* series : chart.SeriesList())
        WriteSeries(json, *series, withPoints);
    json.EndArray();
    json.Key("title");
    json.BeginObject();
    json.Key("text");
    std::string title;
    for (const std::string& line : chart.Title().Text())
        title += (title.empty() ? "" : "\r\n") + line;
    json.String(title);
    json.Key("visible");
    json.Bool(chart.Title().Visible());
    json.EndObject();
    json.EndObject();
}
