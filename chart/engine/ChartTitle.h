#pragma once
// The chart's title and its back wall.
#include <string>
#include <vector>

#include "ChartFont.h"
#include "ChartPen.h"

class TChartTitle : public TChangeLink {
public:
    TChartTitle() : font_(clBlue) {}

    const std::vector<std::string>& Text() const { return text_; }
    void SetText(std::vector<std::string> lines)
    {
        text_ = std::move(lines);
        Changed();
    }
    // One line of text; the empty text clears the title.
    void SetCaption(const std::string& text)
    {
        SetText(text.empty() ? std::vector<std::string>{} : std::vector<std::string>{text});
    }
    bool Visible() const { return visible_; }
    void SetVisible(bool value)
    {
        if (visible_ != value) {
            visible_ = value;
            Changed();
        }
    }
    bool AdjustFrame() const { return adjustFrame_; }
    bool Transparent() const { return transparent_; }
    TChartPen& Frame() { return frame_; }
    const TChartPen& Frame() const { return frame_; }
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

private:
    std::vector<std::string> text_;
    bool visible_ = true;
    bool adjustFrame_ = true;
    bool transparent_ = true;
    TChartPen frame_;
    TChartFont font_;
};

// In two dimensions only the wall's frame around the plot is drawn.
class TChartWall : public TChangeLink {
public:
    bool Transparent() const { return transparent_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value)
    {
        if (color_ != value) {
            color_ = value;
            Changed();
        }
    }
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }

private:
    bool transparent_ = true;
    TColor color_ = clSilver;
    TChartPen pen_;
};
