#pragma once
// A canvas that paints through the QPainter canvas and records, beside it,
// the bare QPainter calls those drawing operations come to: the state last
// set (pen, brush, font as the painter holds them) and every primitive with
// its final pixels, texts at their measured places. Replaying the record on
// a bare QPainter is the floor of a chart's paint: the same pixels with no
// layout, no conversion and no measuring.
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <functional>
#include <vector>

#include "QtCanvas.h"

class TReplayCanvas : public TCanvas {
public:
    explicit TReplayCanvas(QPainter& painter) : painter_(painter), canvas_(painter) {}

    void SetPen(const TPenSpec& pen) override
    {
        canvas_.SetPen(pen);
        penClear_ = pen.Style == psClear;
    }
    void SetBrush(const TBrushSpec& brush) override
    {
        canvas_.SetBrush(brush);
        brushClear_ = brush.Clear;
    }
    void SetFont(const TFontSpec& font) override
    {
        canvas_.SetFont(font);
        textColor_ = ToQColor(font.Color);
    }

    void FillRect(const TRect& rect, TColor color) override
    {
        canvas_.FillRect(rect, color);
        const QRect r(rect.Left, rect.Top, rect.Width(), rect.Height());
        const QColor c = ToQColor(color);
        ops_.push_back([r, c](QPainter& p) { p.fillRect(r, c); });
    }
    void MoveTo(int x, int y) override
    {
        canvas_.MoveTo(x, y);
        position_ = QPoint(x, y);
    }
    void LineTo(int x, int y) override
    {
        canvas_.LineTo(x, y);
        Record([from = position_, to = QPoint(x, y)](QPainter& p) { p.drawLine(from, to); });
        position_ = QPoint(x, y);
    }
    void Line(int x1, int y1, int x2, int y2) override
    {
        canvas_.Line(x1, y1, x2, y2);
        Record([=](QPainter& p) { p.drawLine(x1, y1, x2, y2); });
        position_ = QPoint(x2, y2);
    }
    void Polyline(const std::vector<TPoint>& points) override
    {
        canvas_.Polyline(points);
        QPolygon polygon;
        for (const TPoint& point : points)
            polygon << QPoint(point.X, point.Y);
        Record([polygon](QPainter& p) { p.drawPolyline(polygon); });
        if (!points.empty())
            position_ = polygon.last();
    }
    void Rectangle(const TRect& rect) override
    {
        canvas_.Rectangle(rect);
        const QRect r(rect.Left, rect.Top, rect.Width(), rect.Height());
        if (!penClear_)
            Record([r](QPainter& p) { p.drawRect(r.adjusted(0, 0, -1, -1)); });
        else if (!brushClear_)
            Record([r](QPainter& p) { p.fillRect(r, p.brush()); });
    }
    void Polygon(const std::vector<TPoint>& points) override
    {
        canvas_.Polygon(points);
        QPolygon polygon;
        for (const TPoint& point : points)
            polygon << QPoint(point.X, point.Y);
        Record([polygon](QPainter& p) { p.drawPolygon(polygon); });
    }
    void TextOut(int x, int y, std::string_view text, TTextAlign align, TTextAnchor anchor) override
    {
        canvas_.TextOut(x, y, text, align, anchor);
        const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        const QFontMetrics metrics(painter_.font());
        const int width = metrics.horizontalAdvance(string);
        if (align == taCenter)
            x -= width / 2;
        else if (align == taRightJustify)
            x -= width;
        const QPoint at(x, anchor == tvTop ? y + metrics.ascent() : y - metrics.descent());
        const QPen linePen = painter_.pen();
        const QPen textPen(textColor_);
        Record([at, string, textPen, linePen](QPainter& p) {
            p.setPen(textPen);
            p.drawText(at, string);
            p.setPen(linePen);
        });
    }
    int TextWidth(std::string_view text) override { return canvas_.TextWidth(text); }
    int TextHeight(std::string_view text) override { return canvas_.TextHeight(text); }
    void ClipRectangle(const TRect& rect) override
    {
        canvas_.ClipRectangle(rect);
        const QRect r(rect.Left, rect.Top, rect.Width(), rect.Height());
        ops_.push_back([r](QPainter& p) { p.setClipRect(r); });
    }
    void UnClipRectangle() override
    {
        canvas_.UnClipRectangle();
        ops_.push_back([](QPainter& p) { p.setClipping(false); });
    }
    TColor SystemColor(TSystemColor which) override { return canvas_.SystemColor(which); }

    // Plays the record on a painter set up as the chart canvas sets it up.
    void Replay(QPainter& painter) const
    {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        for (const auto& op : ops_)
            op(painter);
    }

private:
    // A primitive with the painter state it is drawn in; the state is set
    // in the replay only where it changes.
    template <class Draw>
    void Record(Draw draw)
    {
        const QPen pen = painter_.pen();
        const QBrush brush = painter_.brush();
        const QFont font = painter_.font();
        if (!stateRecorded_ || pen != pen_)
            ops_.push_back([pen](QPainter& p) { p.setPen(pen); });
        if (!stateRecorded_ || brush != brush_)
            ops_.push_back([brush](QPainter& p) { p.setBrush(brush); });
        if (!stateRecorded_ || font != font_)
            ops_.push_back([font](QPainter& p) { p.setFont(font); });
        stateRecorded_ = true;
        pen_ = pen;
        brush_ = brush;
        font_ = font;
        ops_.push_back(std::move(draw));
    }

    QPainter& painter_;
    TQtCanvas canvas_;
    std::vector<std::function<void(QPainter&)>> ops_;
    QPoint position_;
    QColor textColor_;
    bool penClear_ = false;
    bool brushClear_ = true;
    bool stateRecorded_ = false;
    QPen pen_;
    QBrush brush_;
    QFont font_;
};
