#pragma once
// The drawing surface a chart paints on. The chart computes every pixel
// position itself; the surface only draws with the state last set.
#include <string>
#include <string_view>
#include <vector>

#include "ChartTypes.h"
#include "TextMeasurer.h"

struct TPenSpec {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;        // psClear draws no line
    TPenEndStyle EndStyle = esRound;  // ends and joins of pens 2 pixels or wider
    friend bool operator==(const TPenSpec&, const TPenSpec&) = default;
};

struct TBrushSpec {
    bool Clear = true;  // no fill
    TColor Color = clWhite;
    friend bool operator==(const TBrushSpec&, const TBrushSpec&) = default;
};

enum TTextAlign { taLeftJustify, taCenter, taRightJustify };
enum TTextAnchor { tvTop, tvBottom };

class TCanvas : public TTextMeasurer {
public:
    // What a chart lays itself out with before it draws here: the canvas
    // itself, unless measuring would change what it draws.
    virtual TTextMeasurer& Measurer() { return *this; }

    // Drawing state; the font is set through SetFont.
    virtual void SetPen(const TPenSpec& pen) = 0;
    virtual void SetBrush(const TBrushSpec& brush) = 0;

    // Drawing operations, integer pixels of the chart control.
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // A connected line through the points with the current pen; the fast
    // path of long lines.
    virtual void Polyline(const std::vector<TPoint>& points) = 0;
    // Filled with the brush, outlined with the pen; right and bottom exclusive.
    virtual void Rectangle(const TRect& rect) = 0;
    virtual void Polygon(const std::vector<TPoint>& points) = 0;
    // Text with no background; x is the left edge, centre or right edge by
    // align, y the top or bottom edge by anchor.
    virtual void TextOut(int x, int y, std::string_view text, TTextAlign align, TTextAnchor anchor) = 0;

    virtual void ClipRectangle(const TRect& rect) = 0;
    virtual void UnClipRectangle() = 0;

    virtual TColor SystemColor(TSystemColor which) = 0;
};
