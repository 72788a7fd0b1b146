#include "WidgetOntoPainter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>
#include <QWidget>

namespace {

constexpr int WidgetDotsPerInch = 96;

// Hands every drawing operation on to the target painter, in the target's
// transformation times the widget's own.
class TForwardingEngine : public QPaintEngine {
public:
    explicit TForwardingEngine(QPainter& target) : QPaintEngine(AllFeatures), target_(target), base_(target.transform())
    {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override
    {
        target_.setTransform(base_);
        target_.setClipping(false);
        return true;
    }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            target_.setTransform(state.transform() * base_);
        if (dirty & DirtyPen)
            target_.setPen(state.pen());
        if (dirty & DirtyBrush)
            target_.setBrush(state.brush());
        if (dirty & DirtyBrushOrigin)
            target_.setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyBackground)
            target_.setBackground(state.backgroundBrush());
        if (dirty & DirtyBackgroundMode)
            target_.setBackgroundMode(state.backgroundMode());
        if (dirty & DirtyFont)
            target_.setFont(OnTarget(state.font()));
        if (dirty & DirtyHints)
            target_.setRenderHints(state.renderHints());
        if (dirty & DirtyCompositionMode)
            target_.setCompositionMode(state.compositionMode());
        if (dirty & DirtyOpacity)
            target_.setOpacity(state.opacity());
        if (dirty & DirtyClipEnabled)
            target_.setClipping(state.isClipEnabled());
        if (dirty & DirtyClipRegion)
            target_.setClipRegion(state.clipRegion(), state.clipOperation());
        if (dirty & DirtyClipPath)
            target_.setClipPath(state.clipPath(), state.clipOperation());
    }

    void drawTextItem(const QPointF& baseline, const QTextItem& text) override
    {
        // One run of one font: drawn from its baseline it stays on the line.
        const QFont font = target_.font();
        target_.setFont(OnTarget(text.font()));
        target_.drawText(baseline, text.text());
        target_.setFont(font);
    }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override
    {
        target_.drawPixmap(r, pixmap, source);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source, Qt::ImageConversionFlags flags) override
    {
        target_.drawImage(r, image, source, flags);
    }
    void drawTiledPixmap(const QRectF& r, const QPixmap& pixmap, const QPointF& offset) override
    {
        target_.drawTiledPixmap(r, pixmap, offset);
    }
    void drawPath(const QPainterPath& path) override { target_.drawPath(path); }
    void drawLines(const QLineF* lines, int count) override { target_.drawLines(lines, count); }
    void drawRects(const QRectF* rects, int count) override { target_.drawRects(rects, count); }
    void drawEllipse(const QRectF& r) override { target_.drawEllipse(r); }
    void drawPoints(const QPointF* points, int count) override { target_.drawPoints(points, count); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        switch (mode) {
        case PolylineMode: target_.drawPolyline(points, count); break;
        case ConvexMode: target_.drawConvexPolygon(points, count); break;
        case WindingMode: target_.drawPolygon(points, count, Qt::WindingFill); break;
        case OddEvenMode: target_.drawPolygon(points, count, Qt::OddEvenFill); break;
        }
    }

private:
    // A size in points means the widget's points; the target's device counts
    // its own, and its transformation already scales the widget's pixels.
    QFont OnTarget(const QFont& given) const
    {
        // Afresh from its description: a font the widget resolved carries
        // that widget's device, which the target's text would be sized for.
        QFont font;
        font.fromString(given.toString());
        if (font.pixelSize() <= 0 && target_.device())
            font.setPointSizeF(font.pointSizeF() * WidgetDotsPerInch / target_.device()->logicalDpiY());
        return font;
    }

    QPainter& target_;
    const QTransform base_;
};

// A device of the widget's size and resolution whose engine forwards.
class TForwardingDevice : public QPaintDevice {
public:
    TForwardingDevice(QSize size, QPainter& target) : size_(size), engine_(target) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return size_.width() * 254 / (10 * WidgetDotsPerInch);
        case PdmHeightMM: return size_.height() * 254 / (10 * WidgetDotsPerInch);
        case PdmNumColors: return 1 << 24;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return WidgetDotsPerInch;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize size_;
    mutable TForwardingEngine engine_;
};

}  // namespace

void RenderWidgetOnto(QWidget& widget, QPainter& target)
{
    TForwardingDevice device(widget.size(), target);
    QPainter painter(&device);
    widget.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
}
