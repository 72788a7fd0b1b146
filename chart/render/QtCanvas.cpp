#include "QtCanvas.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPalette>
#include <QPolygon>

#include <cstddef>
#include <type_traits>
#include <vector>

#include "QtTextMeasurer.h"

QColor ToQColor(TColor color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

namespace {

TColor FromQColor(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psSolid: return Qt::SolidLine;
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

}  // namespace

TQtCanvas::TQtCanvas(QPainter& painter)
    : painter_(painter),
      deviceFont_(painter.font()),
      dpi_(painter.device() ? painter.device()->logicalDpiY() : 0),
      measurer_(std::make_unique<TQtTextMeasurer>(deviceFont_, dpi_))
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
}

TQtCanvas::~TQtCanvas() = default;

void TQtCanvas::SetPen(const TPenSpec& spec)
{
    penClear_ = spec.Style == psClear;
    QPen pen(ToQColor(spec.Color));
    pen.setStyle(ToQtPenStyle(spec.Style));
    if (spec.Width >= 2) {
        // A geometric pen: the dash pattern stays and the end style gives
        // the ends and joins.
        pen.setWidth(spec.Width);
        switch (spec.EndStyle) {
        case esRound:
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            break;
        case esSquare:
            pen.setCapStyle(Qt::SquareCap);
            pen.setJoinStyle(Qt::BevelJoin);
            break;
        case esFlat:
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
            break;
        }
    } else {
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
    }
    painter_.setPen(pen);
}

void TQtCanvas::SetBrush(const TBrushSpec& brush)
{
    brushClear_ = brush.Clear;
    painter_.setBrush(brush.Clear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.Color)));
}

void TQtCanvas::SetFont(const TFontSpec& spec)
{
    textPen_ = QPen(ToQColor(spec.Color));
    // Only this canvas sets the painter's font: the same font again changes nothing.
    if (font_ && SameFace(font_->Spec, spec))
        return;
    // The painter resolves a font against its device's font and resolution.
    font_ = &MeasuredFont(spec, dpi_, deviceFont_, [this](const QFont& font) {
        painter_.setFont(font);
        return painter_.font();
    });
    painter_.setFont(font_->Font);
}

TTextMeasurer& TQtCanvas::Measurer() { return *measurer_; }

void TQtCanvas::FillRect(const TRect& rect, TColor color)
{
    painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), ToQColor(color));
}

void TQtCanvas::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void TQtCanvas::LineTo(int x, int y)
{
    const QPoint to(x, y);
    painter_.drawLine(position_, to);
    position_ = to;
}

void TQtCanvas::Line(int x1, int y1, int x2, int y2)
{
    painter_.drawLine(x1, y1, x2, y2);
    position_ = QPoint(x2, y2);
}

// A point of the chart is laid out as Qt's: a long line goes to the painter
// as it is, without a copy.
static_assert(sizeof(TPoint) == sizeof(QPoint) && offsetof(TPoint, X) == 0 && offsetof(TPoint, Y) == sizeof(int));
static_assert(std::is_standard_layout_v<TPoint> && std::is_trivially_copyable_v<QPoint>);

void TQtCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    painter_.drawPolyline(reinterpret_cast<const QPoint*>(points.data()), static_cast<int>(points.size()));
    position_ = QPoint(points.back().X, points.back().Y);
}

void TQtCanvas::Rectangle(const TRect& rect)
{
    if (penClear_) {
        if (!brushClear_)
            painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), painter_.brush());
        return;
    }
    // A one-pixel outline on the edge pixels; right and bottom exclusive.
    painter_.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
}

void TQtCanvas::Polygon(const std::vector<TPoint>& points)
{
    QPolygon polygon;
    for (const TPoint& point : points)
        polygon << QPoint(point.X, point.Y);
    painter_.drawPolygon(polygon);
}

void TQtCanvas::TextOut(int x, int y, std::string_view text, TTextAlign align, TTextAnchor anchor)
{
    TMeasuredFont& font = Measured();
    if (align == taCenter)
        x -= font.Width(text) / 2;
    else if (align == taRightJustify)
        x -= font.Width(text);
    const int baseline = anchor == tvTop ? y + font.Ascent : y - font.Descent;
    const QPen pen = painter_.pen();
    painter_.setPen(textPen_);
    painter_.drawText(QPoint(x, baseline), ToQString(text));
    painter_.setPen(pen);
}

int TQtCanvas::TextWidth(std::string_view text) { return Measured().Width(text); }

int TQtCanvas::TextHeight(std::string_view) { return Measured().Height; }

TMeasuredFont& TQtCanvas::Measured()
{
    if (font_)
        return *font_;
    if (!painterFont_)
        painterFont_ = std::make_unique<TMeasuredFont>(TFontSpec{}, dpi_, deviceFont_, painter_.font());
    return *painterFont_;
}

void TQtCanvas::ClipRectangle(const TRect& rect)
{
    painter_.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

void TQtCanvas::UnClipRectangle() { painter_.setClipping(false); }

TColor TQtCanvas::SystemColor(TSystemColor which)
{
    const QPalette palette = QGuiApplication::palette();
    switch (which) {
    case scBtnFace: return FromQColor(palette.color(QPalette::Button));
    case scBtnHighlight: return FromQColor(palette.color(QPalette::Light));
    case scBtnShadow: return FromQColor(palette.color(QPalette::Dark));
    case scInfoBk: return FromQColor(palette.color(QPalette::ToolTipBase));
    }
    return clBlack;
}
