#include "QtCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QPolygon>

QColor ToQColor(TColor color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

namespace {

TColor FromQColor(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

TQtCanvas::TQtCanvas(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
}

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
        case esRound: pen.setCapStyle(Qt::RoundCap); pen.setJoinStyle(Qt::RoundJoin); break;
        case esSquare: pen.setCapStyle(Qt::SquareCap); pen.setJoinStyle(Qt::BevelJoin); break;
        case esFlat: pen.setCapStyle(Qt::FlatCap); pen.setJoinStyle(Qt::MiterJoin); break;
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
    QFont font(ToQString(spec.Name));
    // Points at 96 pixels per inch, as the window is laid out.
    font.setPixelSize((spec.Size * 96 + 36) / 72);
    font.setBold(spec.Bold);
    painter_.setFont(font);
    textColor_ = ToQColor(spec.Color);
}

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

void TQtCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    QPolygon polygon(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        polygon[static_cast<qsizetype>(i)] = QPoint(points[i].X, points[i].Y);
    painter_.drawPolyline(polygon);
    position_ = polygon.last();
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
    const QString string = ToQString(text);
    const QFontMetrics metrics(painter_.font());
    const int width = metrics.horizontalAdvance(string);
    if (align == taCenter)
        x -= width / 2;
    else if (align == taRightJustify)
        x -= width;
    const int baseline = anchor == tvTop ? y + metrics.ascent() : y - metrics.descent();
    const QPen pen = painter_.pen();
    painter_.setPen(textColor_);
    painter_.drawText(QPoint(x, baseline), string);
    painter_.setPen(pen);
}

int TQtCanvas::TextWidth(std::string_view text)
{
    return QFontMetrics(painter_.font()).horizontalAdvance(ToQString(text));
}

int TQtCanvas::TextHeight(std::string_view) { return QFontMetrics(painter_.font()).height(); }

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
