#pragma once
// A pen of the chart component: a drawing pen with a Visible flag, and its
// preset kinds.
#include "Canvas.h"
#include "ChangeLink.h"

class TChartPen : public TChangeLink {
public:
    TChartPen() = default;
    TChartPen(TColor color, int width, TPenStyle style, bool visible)
        : color_(color),
          width_(width),
          style_(style),
          visible_(visible)
    {}
    TChartPen(const TChartPen&) = delete;
    TChartPen& operator=(const TChartPen&) = delete;

    TColor Color() const { return color_; }
    int Width() const { return width_; }
    TPenStyle Style() const { return style_; }
    bool Visible() const { return visible_; }
    TPenEndStyle EndStyle() const { return endStyle_; }

    void SetColor(TColor value) { Set(color_, value); }
    void SetWidth(int value) { Set(width_, value); }
    void SetStyle(TPenStyle value) { Set(style_, value); }
    void SetVisible(bool value) { Set(visible_, value); }
    void SetEndStyle(TPenEndStyle value) { Set(endStyle_, value); }

    // Copies the drawing values, not the owner link.
    void Assign(const TChartPen& other)
    {
        color_ = other.color_;
        width_ = other.width_;
        style_ = other.style_;
        visible_ = other.visible_;
        endStyle_ = other.endStyle_;
        Changed();
    }

    // What the canvas receives: a hidden pen is set as style clear.
    TPenSpec Spec() const { return {color_, width_, visible_ ? style_ : psClear, endStyle_}; }
    TPenSpec SpecWithColor(TColor color) const
    {
        TPenSpec spec = Spec();
        spec.Color = color;
        return spec;
    }

private:
    template <class T>
    void Set(T& field, const T& value)
    {
        AssignAndNotify(field, value, [this] { Changed(); });
    }

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    bool visible_ = true;
    TPenEndStyle endStyle_ = esRound;
};

// The preset kinds.
class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen() : TChartPen(clBlack, 2, psSolid, true) {}
};
class TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen() : TChartPen(clGray, 1, psDot, true) {}
};
class TAxisGridPen : public TDottedGrayPen {};
class TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen() : TChartPen(clGray, 1, psSolid, true) {}
};
