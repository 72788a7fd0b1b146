#pragma once
// A canvas that draws nothing and records every operation with the drawing
// state in force, with fixed font metrics: every character (UTF-8 code
// point) is CharWidth pixels wide and every text LineHeight pixels high.
#include <optional>
#include <string>
#include <vector>

#include "Canvas.h"

enum TCanvasOpKind {
    opFillRect,
    opMoveTo,
    opLineTo,
    opLine,
    opPolyline,
    opRectangle,
    opPolygon,
    opTextOut,
    opClip,
    opUnClip
};

struct TCanvasOp {
    TCanvasOpKind Kind = opFillRect;
    std::vector<TPoint> Points;  // lines: start and end; move/line-to: the target
    TRect Rect;
    std::string Text;
    TTextAlign Align = taLeftJustify;
    TTextAnchor Anchor = tvTop;
    TColor Color = clBlack;  // fill colour of FillRect
    TPenSpec Pen;
    TBrushSpec Brush;
    TFontSpec Font;
    std::optional<TRect> Clip;
};

class TRecordingCanvas : public TCanvas {
public:
    explicit TRecordingCanvas(int charWidth = 6, int lineHeight = 13) : charWidth_(charWidth), lineHeight_(lineHeight)
    {}

    void SetPen(const TPenSpec& pen) override { pen_ = pen; }
    void SetBrush(const TBrushSpec& brush) override { brush_ = brush; }
    void SetFont(const TFontSpec& font) override { font_ = font; }

    void FillRect(const TRect& rect, TColor color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Rectangle(const TRect& rect) override;
    void Polygon(const std::vector<TPoint>& points) override;
    void TextOut(int x, int y, std::string_view text, TTextAlign align, TTextAnchor anchor) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view) override { return lineHeight_; }
    void ClipRectangle(const TRect& rect) override;
    void UnClipRectangle() override;
    TColor SystemColor(TSystemColor which) override;

    const std::vector<TCanvasOp>& Ops() const { return ops_; }
    std::vector<TCanvasOp> OpsOfKind(TCanvasOpKind kind) const;
    // Text operations showing exactly this text.
    std::vector<TCanvasOp> TextOps(std::string_view text) const;
    void Clear() { ops_.clear(); }

private:
    TCanvasOp Make(TCanvasOpKind kind) const;

    int charWidth_;
    int lineHeight_;
    TPenSpec pen_;
    TBrushSpec brush_;
    TFontSpec font_;
    std::optional<TRect> clip_;
    std::vector<TCanvasOp> ops_;
};
