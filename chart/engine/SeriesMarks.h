#pragma once
// The marks of a series: small text boxes next to its points.
#include <optional>
#include <string>
#include <vector>

#include "Canvas.h"
#include "ChangeLink.h"
#include "ChartFont.h"
#include "ChartLayout.h"
#include "ChartPen.h"

class TChartSeries;

class TSeriesMarks {
public:
    TSeriesMarks(TChartSeries& series, bool visible, int arrowLength);
    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Set(visible_, value); }
    TSeriesMarksStyle Style() const { return style_; }
    void SetStyle(TSeriesMarksStyle value) { Set(style_, value); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { Set(transparent_, value); }
    // DefaultColorMarker stands for the platform's tooltip background.
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Set(color_, value); }
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }
    TChartPen& Frame() { return frame_; }
    const TChartPen& Frame() const { return frame_; }
    TChartPen& Arrow() { return arrow_; }
    const TChartPen& Arrow() const { return arrow_; }
    // The connector length (the callout's Length).
    int ArrowLength() const { return arrowLength_; }
    void SetArrowLength(int value) { Set(arrowLength_, value); }
    int CalloutDistance() const { return calloutDistance_; }
    void SetCalloutDistance(int value) { Set(calloutDistance_, value); }
    bool CalloutVisible() const { return calloutVisible_; }
    void SetCalloutVisible(bool value) { Set(calloutVisible_, value); }
    int DrawEvery() const { return drawEvery_; }
    void SetDrawEvery(int value) { Set(drawEvery_, value < 1 ? 1 : value); }
    bool Clip() const { return clip_; }
    void SetClip(bool value) { Set(clip_, value); }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value) { Set(multiLine_, value); }
    // Marks of the series of one chart that share a non-zero group never
    // print over one another: the lower of two that would touch moves down
    // once the chart has laid out every mark. 0, the default, takes no part.
    int OverlapGroup() const { return overlapGroup_; }
    void SetOverlapGroup(int value) { Set(overlapGroup_, value); }
    int ShadowSize() const { return shadowSize_; }
    TColor ShadowColor() const { return shadowColor_; }

    // Text of the mark of point i by the style.
    std::string MarkText(std::size_t index) const;

    // Positions kept between paints, one per point index: a bar's mark
    // keeps clear of the earlier ones, also of those this paint leaves out.
    const std::optional<TMarkPosition>& StoredPosition(std::size_t index) const;
    void ClearPositions() { positions_.clear(); }
    void StorePosition(std::size_t index, const TMarkPosition& position);

    // The layout half: the boxes of the visible points' marks into the
    // series' layout, once the axes and the visible range are known.
    void CalcPositions(TTextMeasurer& measurer, const TChartLayout& chart, TSeriesLayout& layout);
    // The drawing half: paints the marks of the layout.
    void Draw(TCanvas& canvas, const TSeriesLayout& layout) const;

    // The box a mark occupies for overlap tests: grown by the frame width and
    // the shadow size at the right and bottom.
    TRect OverlapRect(const TMarkPosition& position) const;

private:
    void Paint(TCanvas& canvas, const TMarkPosition& position, const std::vector<std::string>& lines,
               int lineHeight) const;
    std::vector<std::string> TextLines(const std::string& text) const;
    void Changed();
    template <class T>
    void Set(T& field, const T& value)
    {
        AssignAndNotify(field, value, [this] { Changed(); });
    }

    TChartSeries& series_;
    bool visible_;
    TSeriesMarksStyle style_ = smsLabel;
    bool transparent_ = false;
    TColor color_ = DefaultColorMarker;
    TChartFont font_;
    TChartPen frame_;
    TChartPen arrow_{clWhite, 1, psSolid, true};
    int arrowLength_;
    int calloutDistance_ = 0;
    bool calloutVisible_ = false;
    int drawEvery_ = 1;
    bool clip_ = false;
    bool multiLine_ = false;
    int overlapGroup_ = 0;
    int shadowSize_ = 1;
    TColor shadowColor_ = clGray;

    std::vector<std::optional<TMarkPosition>> positions_;
};
