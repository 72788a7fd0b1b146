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

// --- Paint

void TChart::Paint(TCanvas& canvas, int width, int height)
{
    ++paintCount_;
    needsRepaint_ = false;
    panelRect_ = {0, 0, width, height};

    DrawPanel(canvas);
    CalcChartRect();
    for (TChartSeries* series : seriesList_)
        if (series->Active())
            series->PrepareForPaint(canvas);
    DrawTitle(canvas);
    LayOutAxes(canvas);
    LayOutMarks(canvas);
    DrawBackWall(canvas);
    for (const auto& axis : axes_)
        if (axis->IsVisible())
            axis->Draw(canvas, plotRect_);
    for (TChartSeries* series : seriesList_)
        if (series->Active())
            series->Draw(canvas, plotRect_);
}

void TChart::DrawPanel(TCanvas& canvas)
{
    const TColor fill = color_ == DefaultColorMarker ? canvas.SystemColor(scBtnFace) : color_;
    canvas.FillRect(panelRect_, fill);
    // Raised bevel: light on the top and left edges, dark on the bottom and right.
    TRect edge = panelRect_;
    for (int i = 0; i < bevelWidth_; ++i) {
        canvas.SetPen({canvas.SystemColor(scBtnHighlight), 1, psSolid, esRound});
        canvas.Polyline({{edge.Left, edge.Bottom - 1}, {edge.Left, edge.Top}, {edge.Right - 1, edge.Top}});
        canvas.SetPen({canvas.SystemColor(scBtnShadow), 1, psSolid, esRound});
        canvas.Polyline(
            {{edge.Right - 1, edge.Top}, {edge.Right - 1, edge.Bottom - 1}, {edge.Left - 1, edge.Bottom - 1}});
        edge = {edge.Left + 1, edge.Top + 1, edge.Right - 1, edge.Bottom - 1};
    }
}

void TChart::CalcChartRect()
{
    const int border = bevelWidth_;  // BorderWidth 0, no inner bevel, no border pen
    int left = marginLeft_, top = marginTop_, right = marginRight_, bottom = marginBottom_;
    if (marginUnits_ == muPercent) {
        left = marginLeft_ * panelRect_.Width() / 100;
        right = marginRight_ * panelRect_.Width() / 100;
        top = marginTop_ * panelRect_.Height() / 100;
        bottom = marginBottom_ * panelRect_.Height() / 100;
    }
    chartRect_ = {panelRect_.Left + border + left, panelRect_.Top + border + top, panelRect_.Right - border - right,
                  panelRect_.Bottom - border - bottom};
}

void TChart::DrawTitle(TCanvas& canvas)
{
    titleBottom_ = chartRect_.Top;
    titleRect_ = {};
    const std::vector<std::string>& lines = title_.Text();
    if (!title_.Visible() || lines.empty())
        return;
    canvas.SetFont(title_.Font().Spec());
    const int frameWidth = title_.Frame().Visible() ? title_.Frame().Width() : 0;
    const int lineHeight = canvas.TextHeight("W");

    TRect box = chartRect_;
    box.Top += frameWidth;
    box.Bottom = box.Top + static_cast<int>(lines.size()) * lineHeight;
    box = {box.Left - frameWidth, box.Top - frameWidth, box.Right + frameWidth, box.Bottom + frameWidth};
    if (title_.AdjustFrame()) {
        int widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, canvas.TextWidth(line));
        const int boxWidth = canvas.TextWidth("W") + frameWidth + widest;
        const int centre = (chartRect_.Left + chartRect_.Right) / 2;
        box.Left = centre - boxWidth / 2;
        box.Right = centre + boxWidth / 2;
    }
    titleRect_ = box;
    // Transparent: no background and no frame, only the text.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int x = (box.Left + box.Right) / 2 - canvas.TextWidth(lines[i]) / 2;
        canvas.TextOut(x, box.Top + frameWidth + static_cast<int>(i) * lineHeight, lines[i], taLeftJustify, tvTop);
    }
    titleBottom_ = box.Bottom + 5 + frameWidth;
}

void TChart::LayOutAxes(TCanvas& canvas)
{
    for (const auto& axis : axes_)
        axis->CalcVisibility();
    for (const auto& axis : axes_)
        axis->CalcAutomaticRange();

    TRect rect = chartRect_;
    rect.Top = titleBottom_;
    for (const auto& axis : axes_)
        if (axis->IsVisible())
            axis->ReserveBands(rect, canvas);
    if (rect.Right < rect.Left)
        rect.Right = rect.Left + 1;
    if (rect.Bottom < rect.Top)
        rect.Bottom = rect.Top + 1;
    plotRect_ = rect;

    for (const auto& axis : axes_)
        axis->CalcPositions(plotRect_);
    for (TChartSeries* series : seriesList_)
        if (series->Active())
            series->CalcSizesFromAxes();
    for (const auto& axis : axes_)
        axis->ApplySeriesMargins();
    for (const auto& axis : axes_)
        if (axis->IsVisible())
            axis->CalcDivision(canvas);
}

void TChart::LayOutMarks(TCanvas& canvas)
{
    for (TChartSeries* series : seriesList_)
        if (series->Active())
            series->CalcVisiblePart(canvas, plotRect_);
    SeparateMarkGroups();
}

void TChart::DrawBackWall(TCanvas& canvas)
{
    canvas.SetPen(backWall_.Pen().Spec());
    canvas.SetBrush({true, backWall_.Color()});
    canvas.Rectangle({plotRect_.Left, plotRect_.Top, plotRect_.Right + 1, plotRect_.Bottom + 1});
}
