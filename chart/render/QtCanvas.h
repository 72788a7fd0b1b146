#pragma once
// The chart canvas on a QPainter: what the window and the screenshots use.
#include <QFont>
#include <QPainter>
#include <QPoint>

#include <memory>

#include "Canvas.h"

class TMeasuredFont;
class TQtTextMeasurer;

// Colours are blue-green-red values: red is the low byte.
QColor ToQColor(TColor color);

class TQtCanvas : public TCanvas {
public:
    // The painter must outlive the canvas; antialiasing is switched off so
    // that lines fall on the pixels the chart computes.
    explicit TQtCanvas(QPainter& painter);

    // Measures as this canvas does, without touching the painter: a layout
    // leaves the painter's state to the drawing.
    TTextMeasurer& Measurer() override;

    void SetPen(const TPenSpec& pen) override;
    void SetBrush(const TBrushSpec& brush) override;
    void SetFont(const TFontSpec& font) override;

    void FillRect(const TRect& rect, TColor color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Rectangle(const TRect& rect) override;
    void Polygon(const std::vector<TPoint>& points) override;
    void TextOut(int x, int y, std::string_view text, TTextAlign align, TTextAnchor anchor) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void ClipRectangle(const TRect& rect) override;
    void UnClipRectangle() override;
    TColor SystemColor(TSystemColor which) override;

    ~TQtCanvas() override;

private:
    TMeasuredFont& Measured();

    QPainter& painter_;
    // The font the painter starts with is its device's, which fonts set
    // later are resolved against.
    const QFont deviceFont_;
    const int dpi_;
    std::unique_ptr<TQtTextMeasurer> measurer_;
    TMeasuredFont* font_ = nullptr;  // the font last set, with its measures
    // The painter's own font, measured when a text comes before any SetFont.
    std::unique_ptr<TMeasuredFont> painterFont_;
    QPoint position_;
    QPen textPen_{QColor()};  // texts are drawn with the font's colour
    bool brushClear_ = true;
    bool penClear_ = false;
};
