#pragma once
// Text measures in the chart fonts as Qt's painters resolve them, kept for the
// thread: what the layout of a chart measures with, with or without a painter.
#include <QFont>
#include <QFontMetrics>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "TextMeasurer.h"

// A chart font as the painter resolved it, with its metrics and the widths
// of the texts measured in it. A chart paints with a handful of fonts and the
// same texts paint after paint, so the measures are kept for the thread
// instead of being taken again for every text.
class TMeasuredFont {
public:
    TMeasuredFont(const TFontSpec& spec, int dpi, const QFont& deviceFont, const QFont& resolved)
        : Spec(spec),
          Dpi(dpi),
          DeviceFont(deviceFont),
          Font(resolved),
          Metrics(resolved),
          Ascent(Metrics.ascent()),
          Descent(Metrics.descent()),
          Height(Metrics.height())
    {}

    // Widths of the same label texts come back paint after paint.
    int Width(std::string_view text);

    const TFontSpec Spec;
    const int Dpi;
    const QFont DeviceFont;
    const QFont Font;
    const QFontMetrics Metrics;
    const int Ascent;
    const int Descent;
    const int Height;

private:
    std::unordered_map<std::string, int> widths_;
};

// Fonts that differ only in their colour measure alike.
bool SameFace(const TFontSpec& a, const TFontSpec& b);

// The measured form of a chart font on a device with that font and resolution.
// `resolve` turns the chart font into the one a painter of the device would
// use; it is called only for a font not measured before.
TMeasuredFont& MeasuredFont(const TFontSpec& spec, int dpi, const QFont& deviceFont,
                            const std::function<QFont(const QFont&)>& resolve);

class TQtTextMeasurer : public TTextMeasurer {
public:
    // As a painter on an image measures: the application's font, 96 dots
    // per inch.
    TQtTextMeasurer();
    TQtTextMeasurer(const QFont& deviceFont, int dpi);
    ~TQtTextMeasurer() override;

    void SetFont(const TFontSpec& spec) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

private:
    TMeasuredFont& Measured();

    const QFont deviceFont_;
    const int dpi_;
    TMeasuredFont* font_ = nullptr;                  // the font last set
    std::unique_ptr<TMeasuredFont> deviceMeasured_;  // before any font is set
};
