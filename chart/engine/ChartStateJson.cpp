#include "ChartStateJson.h"

#include <type_traits>

#include "BarSeries.h"
#include "CustomSeries.h"

namespace {

// The enumerations' names, in their order.
const char* LabelStyleName(TAxisLabelStyle style)
{
    static const char* const names[] = {"talAuto", "talNone", "talValue", "talMark", "talText"};
    return names[style];
}

const char* PenStyleName(TPenStyle style)
{
    static const char* const names[] = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear"};
    return names[style];
}

const char* PointerStyleName(TSeriesPointerStyle style)
{
    static const char* const names[] = {"psRectangle", "psCircle",    "psTriangle",     "psDownTriangle",
                                        "psCross",     "psDiagCross", "psStar",         "psDiamond",
                                        "psSmallDot",  "psNothing",   "psLeftTriangle", "psRightTriangle"};
    return names[style];
}

// One member: its name, then the value as its type writes it.
template <typename T>
void Member(TJsonWriter& json, std::string_view name, const T& value)
{
    json.Key(name);
    if constexpr (std::is_same_v<T, bool>)
        json.Bool(value);
    else if constexpr (std::is_integral_v<T>)
        json.Integer(value);
    else if constexpr (std::is_floating_point_v<T>)
        json.NumberAsQt(value);
    else
        json.String(value);
}

// The four axes by name, in name order.
constexpr std::pair<const char*, TAxisKind> AxesByName[] = {
    {"bottom", akBottom}, {"left", akLeft}, {"right", akRight}, {"top", akTop}};

// "axes": an object of the four, "series": an array of the chart's series;
// write gives each one's value.
template <typename Write>
void AxesMember(TJsonWriter& json, Write write)
{
    json.Key("axes");
    json.BeginObject();
    for (const auto& [name, kind] : AxesByName) {
        json.Key(name);
        write(kind);
    }
    json.EndObject();
}

template <typename Write>
void SeriesMember(TJsonWriter& json, const TChart& chart, Write write)
{
    json.Key("series");
    json.BeginArray();
    for (const TChartSeries* series : chart.SeriesList())
        write(*series);
    json.EndArray();
}

void WriteAxis(TJsonWriter& json, const TChartAxis& axis)
{
    json.BeginObject();
    Member(json, "automatic", axis.Automatic());
    Member(json, "gridVisible", axis.Grid().Visible());
    Member(json, "labelStyle", LabelStyleName(axis.LabelStyle()));
    Member(json, "maximum", axis.Maximum());
    Member(json, "minimum", axis.Minimum());
    json.EndObject();
}

void WritePoints(TJsonWriter& json, const TChartSeries& series)
{
    json.BeginArray();
    for (std::size_t i = 0; i < series.Count(); ++i) {
        json.BeginObject();
        Member(json, "color", series.StoredColor(i));
        Member(json, "label", series.Label(i));
        Member(json, "x", series.XValues()[i]);
        Member(json, "y", series.YValues()[i]);
        json.EndObject();
    }
    json.EndArray();
}

void WriteSeries(TJsonWriter& json, const TChartSeries& series, bool withPoints)
{
    const TSeriesMarks& marks = series.Marks();
    json.BeginObject();
    Member(json, "class", series.ClassName());
    Member(json, "color", series.Color());
    json.Key("marks");
    json.BeginObject();
    Member(json, "arrowLength", marks.ArrowLength());
    Member(json, "bold", marks.Font().Bold());
    Member(json, "fontColor", marks.Font().Color());
    Member(json, "fontSize", marks.Font().Size());
    Member(json, "transparent", marks.Transparent());
    Member(json, "visible", marks.Visible());
    json.EndObject();
    Member(json, "name", series.Name());
    json.Key("pen");
    json.BeginObject();
    Member(json, "style", PenStyleName(series.Pen().Style()));
    Member(json, "width", series.Pen().Width());
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
    Member(json, "vertAxis", series.VertAxis() == aRightAxis ? "aRightAxis" : "aLeftAxis");
    json.EndObject();
}

void WriteAxisLayout(TJsonWriter& json, const TAxisLayout& axis)
{
    json.BeginObject();
    Member(json, "endPos", axis.Scale.EndPos);
    Member(json, "increment", axis.Division.Step);
    json.Key("labels");
    json.BeginArray();
    for (const TAxisLabel& label : axis.Division.Labels) {
        json.BeginObject();
        Member(json, "pos", label.Pos);
        Member(json, "text", label.Text);
        Member(json, "value", label.Value);
        json.EndObject();
    }
    json.EndArray();
    Member(json, "startPos", axis.Scale.StartPos);
    json.Key("ticks");
    json.BeginArray();
    for (int tick : axis.Division.Ticks)
        json.Integer(tick);
    json.EndArray();
    Member(json, "visible", axis.Visible);
    Member(json, "workMaximum", axis.Scale.WorkMaximum);
    Member(json, "workMinimum", axis.Scale.WorkMinimum);
    json.EndObject();
}

void WriteSeriesLayout(TJsonWriter& json, const TChartSeries& series, const TSeriesLayout& layout)
{
    json.BeginObject();
    if (dynamic_cast<const TBarSeries*>(&series)) {
        Member(json, "barSize", layout.Bars.Size);
    }
    Member(json, "firstVisible", layout.FirstVisible);
    Member(json, "lastVisible", layout.LastVisible);
    json.Key("marks");
    json.BeginArray();
    for (const TDrawnMark& mark : layout.Marks) {
        json.BeginObject();
        Member(json, "height", mark.Position.Height);
        Member(json, "index", mark.Index);
        Member(json, "left", mark.Position.Left);
        Member(json, "text", mark.Text);
        Member(json, "top", mark.Position.Top);
        Member(json, "width", mark.Position.Width);
        json.EndObject();
    }
    json.EndArray();
    Member(json, "name", series.Name());
    json.EndObject();
}

void WritePaint(TJsonWriter& json, const TChart& chart, const TChartLayout& layout)
{
    json.BeginObject();
    AxesMember(json, [&](TAxisKind kind) { WriteAxisLayout(json, layout.Axis(kind)); });
    json.Key("plotRect");
    json.BeginArray();
    for (int edge : {layout.PlotRect.Left, layout.PlotRect.Top, layout.PlotRect.Right, layout.PlotRect.Bottom})
        json.Integer(edge);
    json.EndArray();
    SeriesMember(json, chart, [&](const TChartSeries& series) { WriteSeriesLayout(json, series, layout.Of(series)); });
    json.EndObject();
}

}  // namespace

void WriteChartState(TJsonWriter& json, const TChart& chart, const TChartLayout& layout, bool withPoints)
{
    json.BeginObject();
    AxesMember(json, [&](TAxisKind kind) { WriteAxis(json, chart.Axis(kind)); });
    json.Key("paint");
    WritePaint(json, chart, layout);
    SeriesMember(json, chart, [&](const TChartSeries& series) { WriteSeries(json, series, withPoints); });
    json.Key("title");
    json.BeginObject();
    json.Key("text");
    std::string title;
    for (const std::string& line : chart.Title().Text())
        title += (title.empty() ? "" : "\r\n") + line;
    json.String(title);
    Member(json, "visible", chart.Title().Visible());
    json.EndObject();
    json.EndObject();
}
