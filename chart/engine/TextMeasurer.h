#pragma once
// What the chart's layout needs of a drawing surface: the size of a text in a
// font. A canvas is one; a font's metrics alone are another.
#include <string>
#include <string_view>

#include "ChartTypes.h"

struct TFontSpec {
    std::string Name = "Arial";
    int Size = 8;  // points
    TColor Color = clBlack;
    bool Bold = false;
    friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

class TTextMeasurer {
public:
    virtual ~TTextMeasurer() = default;
    virtual void SetFont(const TFontSpec& font) = 0;
    // In the font last set.
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
};
