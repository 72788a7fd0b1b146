#pragma once
// A chart as the window lays it out (white, no 3D, no legend, no title) and
// helpers to paint it on the recording canvas: characters 6 pixels wide,
// lines 13 pixels high.
#include <algorithm>
#include <string>
#include <vector>

#include "BarSeries.h"
#include "Chart.h"
#include "CustomSeries.h"
#include "FastLineSeries.h"
#include "RecordingCanvas.h"

inline void LayOutPlain(TChart& chart)
{
    chart.SetColor(clWhite);
    chart.SetView3D(false);
    chart.SetLegendVisible(false);
    chart.Title().SetVisible(false);
}

// Pixel margins of 0 and a fixed left label band, so that the plot
// rectangle's width is exactly width - 29 (left at 28, right at width - 1).
inline void FixLayout(TChart& chart)
{
    chart.SetMarginUnits(muPixels);
    chart.SetMargins(0, 0, 0, 0);
    chart.LeftAxis().SetLabelsSize(20);
}

inline std::vector<std::string> Texts(const std::vector<TCanvasOp>& ops)
{
    std::vector<std::string> texts;
    for (const TCanvasOp& op : ops)
        if (op.Kind == opTextOut)
            texts.push_back(op.Text);
    return texts;
}

// Lays the chart out with the canvas as its measurer and draws that layout.
inline TChartLayout Paint(TChart& chart, TCanvas& canvas, int width, int height)
{
    TChartLayout layout = chart.LayOut(canvas, width, height);
    chart.Draw(canvas, layout);
    return layout;
}

inline std::vector<std::string> LabelTexts(const TAxisLayout& axis)
{
    std::vector<std::string> texts;
    for (const TAxisLabel& label : axis.Division.Labels)
        texts.push_back(label.Text);
    return texts;
}

// Operations recorded between the first op of kind `from` and the end.
inline std::size_t IndexOf(const std::vector<TCanvasOp>& ops, TCanvasOpKind kind, std::size_t from = 0)
{
    for (std::size_t i = from; i < ops.size(); ++i)
        if (ops[i].Kind == kind)
            return i;
    return ops.size();
}
