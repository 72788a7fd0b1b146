#include "QtCanvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPalette>
#include <QPolygon>
#include <QThread>

#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

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

    int Width(std::string_view text)
    {
        // Widths of the same label texts come back paint after paint; the
        // bound only keeps a stream of ever new texts from growing the table.
        constexpr std::size_t MaxWidths = 4096;
        const std::string key(text);
        const auto found = widths_.find(key);
        if (found != widths_.end())
            return found->second;
        if (widths_.size() >= MaxWidths)
            widths_.clear();
        const int width = Metrics.horizontalAdvance(ToQString(text));
        widths_.emplace(key, width);
        return width;
    }

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

namespace {

using TMeasuredFonts = std::vector<std::unique_ptr<TMeasuredFont>>;

// Fonts that differ only in their colour measure alike.
bool SameFace(const TFontSpec& a, const TFontSpec& b)
{
    return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold;
}

// The main thread's fonts go with the application object, before Qt's font
// caches do; another thread's go when the thread ends.
TMeasuredFonts* MainThreadFonts = nullptr;

TMeasuredFonts& ThreadFonts()
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && app->thread() == QThread::currentThread()) {
        if (!MainThreadFonts) {
            MainThreadFonts = new TMeasuredFonts;
            qAddPostRoutine([] { delete std::exchange(MainThreadFonts, nullptr); });
        }
        return *MainThreadFonts;
    }
    thread_local TMeasuredFonts fonts;
    return fonts;
}

}  // namespace

TQtCanvas::TQtCanvas(QPainter& painter)
    : painter_(painter),
      deviceFont_(painter.font()),
      dpi_(painter.device() ? painter.device()->logicalDpiY() : 0)
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
    // The painter resolves a font against its device's font and resolution;
    // measures taken before serve again only for the same three.
    TMeasuredFonts& fonts = ThreadFonts();
    for (const auto& measured : fonts) {
        if (SameFace(measured->Spec, spec) && measured->Dpi == dpi_ && measured->DeviceFont == deviceFont_) {
            font_ = measured.get();
            painter_.setFont(font_->Font);
            return;
        }
    }
    QFont font(ToQString(spec.Name));
    // Points at 96 pixels per inch, as the window is laid out.
    font.setPixelSize((spec.Size * 96 + 36) / 72);
    font.setBold(spec.Bold);
    painter_.setFont(font);
    fonts.push_back(std::make_unique<TMeasuredFont>(spec, dpi_, deviceFont_, painter_.font()));
    font_ = fonts.back().get();
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
