#include "Chart.h"

#include <algorithm>

TChart::TChart()
{
    for (TAxisKind kind : {akBottom, akTop, akLeft, akRight})
        axes_[kind] = std::make_unique<TChartAxis>(*this, kind);
    title_.SetOnChange([this] { Invalidate(); });
    title_.Font().SetOnChange([this] { Invalidate(); });
    title_.Frame().SetOnChange([this] { Invalidate(); });
    backWall_.SetOnChange([this] { Invalidate(); });
    backWall_.Pen().SetOnChange([this] { Invalidate(); });
}

TChart::~TChart()
{
    destroying_ = true;
    for (TChartSeries* series : seriesList_)
        series->DetachFromParent();
    seriesList_.clear();
    owned_.clear();
}

void TChart::SetMargins(int left, int top, int right, int bottom)
{
    marginLeft_ = left;
    marginTop_ = top;
    marginRight_ = right;
    marginBottom_ = bottom;
    Invalidate();
}

void TChart::Invalidate()
{
    needsRepaint_ = true;
    if (onInvalidate_ && !destroying_)
        onInvalidate_();
}

// --- Series list

TChartSeries* TChart::FindSeries(std::string_view name) const
{
    for (TChartSeries* series : seriesList_)
        if (series->Name() == name)
            return series;
    for (const auto& series : owned_)
        if (series->Name() == name)
            return series.get();
    return nullptr;
}

bool TChart::HasActiveSeries() const
{
    return std::any_of(seriesList_.begin(), seriesList_.end(),
                       [](const TChartSeries* series) { return series->Active(); });
}

TColor TChart::FreePaletteColor(const TChartSeries& joining) const
{
    for (TColor candidate : DefaultPalette) {
        if (candidate == color_ || candidate == backWall_.Color())
            continue;
        const bool shown = std::any_of(seriesList_.begin(), seriesList_.end(), [&](const TChartSeries* other) {
            return other != &joining && other->Color() == candidate;
        });
        if (!shown)
            return candidate;
    }
    return DefaultPalette[std::size(DefaultPalette) - 1];
}

void TChart::Join(TChartSeries& series)
{
    if (std::find(seriesList_.begin(), seriesList_.end(), &series) != seriesList_.end())
        return;
    series.AttachTo(this, FreePaletteColor(series));
    seriesList_.push_back(&series);
    Invalidate();
}

void TChart::Leave(TChartSeries& series)
{
    const auto found = std::find(seriesList_.begin(), seriesList_.end(), &series);
    if (found != seriesList_.end())
        seriesList_.erase(found);
    series.DetachFromParent();
    Invalidate();
}

void TChart::Release(TChartSeries& series)
{
    const auto found = std::find_if(owned_.begin(), owned_.end(),
                                    [&](const std::unique_ptr<TChartSeries>& owned) { return owned.get() == &series; });
    if (found != owned_.end())
        owned_.erase(found);
}

void TChart::DestroyAllSeries()
{
    while (!seriesList_.empty()) {
        TChartSeries* series = seriesList_.front();
        Leave(*series);
        // A series nobody owns is only taken out; its creator frees it.
        if (TChart* owner = series->Owner())
            owner->Release(*series);
    }
}

// --- Layout

const TSeriesLayout& TChartLayout::Of(const TChartSeries& series) const
{
    static const TSeriesLayout none;
    for (const TSeriesLayout& layout : Series)
        if (layout.Series == &series)
            return layout;
    return none;
}

namespace {

// Passes measuring on and notes the font it was last asked for.
class TFontNotingMeasurer : public TTextMeasurer {
public:
    TFontNotingMeasurer(TTextMeasurer& measurer, std::optional<TFontSpec>& lastFont)
        : measurer_(measurer),
          lastFont_(lastFont)
    {}
    void SetFont(const TFontSpec& font) override
    {
        lastFont_ = font;
        measurer_.SetFont(font);
    }
    int TextWidth(std::string_view text) override { return measurer_.TextWidth(text); }
    int TextHeight(std::string_view text) override { return measurer_.TextHeight(text); }

private:
    TTextMeasurer& measurer_;
    std::optional<TFontSpec>& lastFont_;
};

}  // namespace

TChartLayout TChart::LayOut(TTextMeasurer& measurer, int width, int height)
{
    needsRepaint_ = false;
    TChartLayout layout;
    TFontNotingMeasurer noting(measurer, layout.LastFont);
    layout.PanelRect = {0, 0, width, height};
    layout.ChartRect = CalcChartRect(layout.PanelRect);
    for (TChartSeries* series : seriesList_) {
        TSeriesLayout& own = layout.Series.emplace_back();
        own.Series = series;
        if (series->Active())
            series->PrepareLayout(noting, own);
    }
    LayOutTitle(noting, layout);
    LayOutAxes(noting, layout);
    LayOutMarks(noting, layout);
    return layout;
}

TRect TChart::CalcChartRect(const TRect& panel) const
{
    const int border = bevelWidth_;  // BorderWidth 0, no inner bevel, no border pen
    int left = marginLeft_, top = marginTop_, right = marginRight_, bottom = marginBottom_;
    if (marginUnits_ == muPercent) {
        left = marginLeft_ * panel.Width() / 100;
        right = marginRight_ * panel.Width() / 100;
        top = marginTop_ * panel.Height() / 100;
        bottom = marginBottom_ * panel.Height() / 100;
    }
    return {panel.Left + border + left, panel.Top + border + top, panel.Right - border - right,
            panel.Bottom - border - bottom};
}

void TChart::LayOutTitle(TTextMeasurer& measurer, TChartLayout& layout) const
{
    const TRect& chartRect = layout.ChartRect;
    layout.TitleBottom = chartRect.Top;
    const std::vector<std::string>& lines = title_.Text();
    if (!title_.Visible() || lines.empty())
        return;
    measurer.SetFont(title_.Font().Spec());
    const int frameWidth = title_.Frame().Visible() ? title_.Frame().Width() : 0;
    const int lineHeight = measurer.TextHeight("W");

    TRect box = chartRect;
    box.Top += frameWidth;
    box.Bottom = box.Top + static_cast<int>(lines.size()) * lineHeight;
    box = {box.Left - frameWidth, box.Top - frameWidth, box.Right + frameWidth, box.Bottom + frameWidth};
    if (title_.AdjustFrame()) {
        int widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, measurer.TextWidth(line));
        const int boxWidth = measurer.TextWidth("W") + frameWidth + widest;
        const int centre = (chartRect.Left + chartRect.Right) / 2;
        box.Left = centre - boxWidth / 2;
        box.Right = centre + boxWidth / 2;
    }
    layout.TitleRect = box;
    for (std::size_t i = 0; i < lines.size(); ++i)
        layout.TitleLines.push_back({(box.Left + box.Right) / 2 - measurer.TextWidth(lines[i]) / 2,
                                     box.Top + frameWidth + static_cast<int>(i) * lineHeight});
    layout.TitleBottom = box.Bottom + 5 + frameWidth;
}

void TChart::LayOutAxes(TTextMeasurer& measurer, TChartLayout& layout)
{
    for (const auto& axis : axes_)
        layout.Axis(axis->Kind()).Visible = axis->ShownInPaint();
    for (const auto& axis : axes_)
        axis->CalcAutomaticRange(layout.Axis(axis->Kind()).Scale);

    TRect rect = layout.ChartRect;
    rect.Top = layout.TitleBottom;
    for (const auto& axis : axes_)
        if (layout.Axis(axis->Kind()).Visible)
            axis->ReserveBands(rect, measurer, layout.Axis(axis->Kind()));
    if (rect.Right < rect.Left)
        rect.Right = rect.Left + 1;
    if (rect.Bottom < rect.Top)
        rect.Bottom = rect.Top + 1;
    layout.PlotRect = rect;

    for (const auto& axis : axes_)
        axis->CalcPositions(layout.PlotRect, layout.Axis(axis->Kind()));
    for (std::size_t s = 0; s < seriesList_.size(); ++s)
        if (seriesList_[s]->Active())
            seriesList_[s]->CalcSizesFromAxes(layout, layout.Series[s]);
    // Each axis widens its own scale only: the order does not matter.
    for (const auto& axis : axes_)
        layout.Axis(axis->Kind()).Scale = axis->WidenedScale(layout);
    for (const auto& axis : axes_) {
        TAxisLayout& own = layout.Axis(axis->Kind());
        if (own.Visible)
            own.Division = axis->CalcDivision(measurer, own.Scale);
    }
}

void TChart::LayOutMarks(TTextMeasurer& measurer, TChartLayout& layout)
{
    for (std::size_t s = 0; s < seriesList_.size(); ++s)
        if (seriesList_[s]->Active())
            seriesList_[s]->CalcVisiblePart(measurer, layout, layout.Series[s]);
    SeparateMarkGroups(layout);
}

// --- Drawing

void TChart::Paint(TCanvas& canvas, int width, int height) { Draw(canvas, LayOut(canvas.Measurer(), width, height)); }

void TChart::Draw(TCanvas& canvas, const TChartLayout& layout) const
{
    DrawPanel(canvas, layout.PanelRect);
    DrawTitle(canvas, layout);
    if (layout.LastFont)
        canvas.SetFont(*layout.LastFont);
    DrawBackWall(canvas, layout.PlotRect);
    for (const auto& axis : axes_)
        if (layout.Axis(axis->Kind()).Visible)
            axis->Draw(canvas, layout.Axis(axis->Kind()), layout.PlotRect);
    for (std::size_t s = 0; s < seriesList_.size() && s < layout.Series.size(); ++s)
        if (seriesList_[s]->Active())
            seriesList_[s]->Draw(canvas, layout, layout.Series[s]);
}

void TChart::DrawPanel(TCanvas& canvas, const TRect& panel) const
{
    const TColor fill = color_ == DefaultColorMarker ? canvas.SystemColor(scBtnFace) : color_;
    canvas.FillRect(panel, fill);
    // Raised bevel: light on the top and left edges, dark on the bottom and right.
    TRect edge = panel;
    for (int i = 0; i < bevelWidth_; ++i) {
        canvas.SetPen({canvas.SystemColor(scBtnHighlight), 1, psSolid, esRound});
        canvas.Polyline({{edge.Left, edge.Bottom - 1}, {edge.Left, edge.Top}, {edge.Right - 1, edge.Top}});
        canvas.SetPen({canvas.SystemColor(scBtnShadow), 1, psSolid, esRound});
        canvas.Polyline(
            {{edge.Right - 1, edge.Top}, {edge.Right - 1, edge.Bottom - 1}, {edge.Left - 1, edge.Bottom - 1}});
        edge = {edge.Left + 1, edge.Top + 1, edge.Right - 1, edge.Bottom - 1};
    }
}

// Transparent: no background and no frame, only the text.
void TChart::DrawTitle(TCanvas& canvas, const TChartLayout& layout) const
{
    if (layout.TitleLines.empty())
        return;
    canvas.SetFont(title_.Font().Spec());
    const std::vector<std::string>& lines = title_.Text();
    for (std::size_t i = 0; i < lines.size() && i < layout.TitleLines.size(); ++i)
        canvas.TextOut(layout.TitleLines[i].X, layout.TitleLines[i].Y, lines[i], taLeftJustify, tvTop);
}

void TChart::DrawBackWall(TCanvas& canvas, const TRect& plotRect) const
{
    canvas.SetPen(backWall_.Pen().Spec());
    canvas.SetBrush({true, backWall_.Color()});
    canvas.Rectangle({plotRect.Left, plotRect.Top, plotRect.Right + 1, plotRect.Bottom + 1});
}
