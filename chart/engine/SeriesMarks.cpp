#include "SeriesMarks.h"

#include <algorithm>

#include "ChartAxis.h"
#include "ChartSeries.h"
#include "NumberText.h"

TSeriesMarks::TSeriesMarks(TChartSeries& series, bool visible, int arrowLength)
    : series_(series),
      visible_(visible),
      arrowLength_(arrowLength)
{
    for (TChangeLink* link : std::initializer_list<TChangeLink*>{&font_, &frame_, &arrow_})
        link->SetOnChange([this] { Changed(); });
}

void TSeriesMarks::Changed() { series_.Repaint(); }

std::string TSeriesMarks::MarkText(std::size_t index) const
{
    const double value = series_.YValues()[index];
    const std::string valueText = PatternNumberText(series_.ValueFormat(), value);
    const std::string& label = series_.Label(index);
    const std::string& labelOrValue = label.empty() ? valueText : label;
    // X values are written as the horizontal axis writes its value labels.
    const auto xText = [&] {
        const double x = series_.XValues()[index];
        const TChartAxis* axis = series_.GetHorizAxis();
        return axis ? axis->LabelText(x) : PatternNumberText("#,##0.###", x);
    };
    switch (style_) {
    case smsValue: return valueText;
    case smsLabel: return labelOrValue;
    case smsLabelValue: return labelOrValue + " " + valueText;
    case smsXValue: return xText();
    case smsXY: return xText() + " " + valueText;
    default: return labelOrValue;  // percent and legend texts are not offered
    }
}

const std::optional<TMarkPosition>& TSeriesMarks::StoredPosition(std::size_t index) const
{
    static const std::optional<TMarkPosition> none;
    return index < positions_.size() ? positions_[index] : none;
}

std::vector<std::string> TSeriesMarks::TextLines(const std::string& text) const
{
    // A line break inside a label starts a new line of the box.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

TRect TSeriesMarks::OverlapRect(const TMarkPosition& position) const
{
    TRect rect{position.Left, position.Top, position.Left + position.Width, position.Top + position.Height};
    if (frame_.Visible()) {
        rect.Right += frame_.Width();
        rect.Bottom += frame_.Width();
    }
    if (shadowSize_ > 0) {
        rect.Right += shadowSize_;
        rect.Bottom += shadowSize_;
    }
    return rect;
}

void TSeriesMarks::CalcPositions(TTextMeasurer& measurer, const TChartLayout& chart, TSeriesLayout& layout)
{
    layout.Marks.clear();
    if (!visible_ || series_.Count() == 0 || layout.FirstVisible < 0)
        return;
    measurer.SetFont(font_.Spec());
    const int lineHeight = measurer.TextHeight("W");
    layout.MarkLineHeight = lineHeight;
    const int extra = frame_.Visible() ? 2 * frame_.Width() : 1;

    for (int i = layout.FirstVisible; i <= layout.LastVisible; ++i) {
        const std::size_t index = static_cast<std::size_t>(i);
        if (i % drawEvery_ != 0 || series_.IsNull(index))
            continue;
        std::string text = MarkText(index);
        if (text.empty())
            continue;
        const std::vector<std::string> lines = TextLines(text);
        int widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, measurer.TextWidth(line));

        TMarkPosition position;
        position.Width = widest + measurer.TextWidth("W") + extra;
        position.Height = static_cast<int>(lines.size()) * lineHeight + extra;
        const TPoint anchor = series_.PointPixel(chart, index);
        position.ArrowFrom = position.ArrowTo = anchor;
        position.Left = anchor.X - position.Width / 2;
        position.Top = anchor.Y - position.Height + 1;  // last row on the point's row
        series_.PlaceMark(chart, layout, position, index);
        StorePosition(index, position);
        layout.Marks.push_back({i, std::move(text), position});
    }
}

void TSeriesMarks::StorePosition(std::size_t index, const TMarkPosition& position)
{
    if (positions_.size() <= index)
        positions_.resize(index + 1);
    positions_[index] = position;
}

void TSeriesMarks::Draw(TCanvas& canvas, const TSeriesLayout& layout) const
{
    if (layout.Marks.empty())
        return;
    canvas.SetFont(font_.Spec());
    for (const TDrawnMark& mark : layout.Marks)
        Paint(canvas, mark.Position, TextLines(mark.Text), layout.MarkLineHeight);
}

void TSeriesMarks::Paint(TCanvas& canvas, const TMarkPosition& position, const std::vector<std::string>& lines,
                         int lineHeight) const
{
    if (calloutVisible_ || arrow_.Visible()) {
        canvas.SetPen(arrow_.Spec());
        canvas.Line(position.ArrowFrom.X, position.ArrowFrom.Y, position.ArrowTo.X, position.ArrowTo.Y);
    }
    if (!transparent_) {
        const TColor fill = color_ == DefaultColorMarker ? canvas.SystemColor(scInfoBk) : color_;
        if (shadowSize_ > 0) {
            canvas.SetPen({shadowColor_, 1, psClear, esRound});
            canvas.SetBrush({false, shadowColor_});
            canvas.Rectangle({position.Left + shadowSize_, position.Top + shadowSize_,
                              position.Left + position.Width + shadowSize_,
                              position.Top + position.Height + shadowSize_});
        }
        canvas.SetPen(frame_.Spec());
        canvas.SetBrush({false, fill});
        canvas.Rectangle({position.Left, position.Top, position.Left + position.Width, position.Top + position.Height});
    }
    canvas.SetFont(font_.Spec());
    canvas.SetBrush({true, clWhite});
    const int centre = ((position.Left + 2) + (position.Left + position.Width)) / 2;
    const int frameOffset = frame_.Visible() ? frame_.Width() : 0;
    for (std::size_t line = 0; line < lines.size(); ++line)
        canvas.TextOut(centre, position.Top + static_cast<int>(line) * lineHeight + frameOffset, lines[line], taCenter,
                       tvTop);
}
