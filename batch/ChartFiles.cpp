#include "ChartFiles.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ChartRendering.h"
#include "Errors.h"
#include "QtCanvas.h"
#include "SafeFile.h"

namespace {

// Qt strokes a wide line's joins one by one and fills its outline scanline
// by scanline: one polyline through a million readings takes minutes, and so
// do a million point marks. Beyond what the window holds, each run of line
// points in one pixel column is drawn as its first, lowest, highest and last
// point, which cover the same stretch of the column, in pieces that share
// their end points; a mark already drawn at the same place in the same
// colours is not drawn again, and the others are stamped from an image of
// the mark drawn once (aliased drawing at whole pixels gives the same pixels
// at every place).
class TLargeChartCanvas : public TQtCanvas {
public:
    explicit TLargeChartCanvas(QPainter& painter) : TQtCanvas(painter), target_(painter) {}

    void SetPen(const TPenSpec& pen) override
    {
        if (pen != pen_ || !penSet_)
            TQtCanvas::SetPen(pen);
        pen_ = pen;
        penSet_ = true;
    }

    void SetBrush(const TBrushSpec& brush) override
    {
        brush_ = brush;
        TQtCanvas::SetBrush(brush);
    }

    void Polygon(const std::vector<TPoint>& points) override
    {
        // The point marks are diamonds of four corners.
        if (points.size() != 4) {
            TQtCanvas::Polygon(points);
            return;
        }
        if (drawnMarks_.insert(MarkKey(points)).second)
            StampMark(points);
    }

    void Polyline(const std::vector<TPoint>& points) override
    {
        constexpr std::size_t Piece = 64;
        const std::vector<TPoint>& line = ColumnExtremes(points);
        if (line.size() <= Piece) {
            TQtCanvas::Polyline(line);
            return;
        }
        for (std::size_t first = 0; first + 1 < line.size(); first += Piece - 1) {
            const std::size_t end = std::min(first + Piece, line.size());
            TQtCanvas::Polyline(std::vector<TPoint>(line.begin() + first, line.begin() + end));
        }
    }

private:
    std::vector<TPoint> ColumnExtremes(const std::vector<TPoint>& points)
    {
        reduced_.clear();
        for (std::size_t first = 0; first < points.size();) {
            std::size_t end = first, low = first, high = first;
            for (; end < points.size() && points[end].X == points[first].X; ++end) {
                if (points[end].Y < points[low].Y)
                    low = end;
                if (points[end].Y > points[high].Y)
                    high = end;
            }
            for (const std::size_t i : {first, std::min(low, high), std::max(low, high), end - 1})
                if (reduced_.empty() || reduced_.back().X != points[i].X || reduced_.back().Y != points[i].Y)
                    reduced_.push_back(points[i]);
            first = end;
        }
        return reduced_;
    }

    struct TMark {
        std::array<int, 8> Corners;
        TPenSpec Pen;
        TBrushSpec Brush;
        bool operator==(const TMark&) const = default;
    };
    struct TMarkHash {
        std::size_t operator()(const TMark& mark) const
        {
            std::size_t hash = std::hash<unsigned>()(mark.Pen.Color) ^ (std::hash<unsigned>()(mark.Brush.Color) << 1);
            for (const int value : mark.Corners)
                hash = hash * 1000003u ^ std::hash<int>()(value);
            return hash;
        }
    };

    void StampMark(const std::vector<TPoint>& points)
    {
        int left = points[0].X, top = points[0].Y;
        for (const TPoint& point : points) {
            left = std::min(left, point.X);
            top = std::min(top, point.Y);
        }
        const int margin = pen_.Width + 2;
        std::vector<TPoint> shape = points;
        for (TPoint& point : shape) {
            point.X -= left - margin;
            point.Y -= top - margin;
        }
        QImage& stamp = stamps_[MarkKey(shape)];
        if (stamp.isNull())
            stamp = DrawnMark(shape, margin);
        target_.drawImage(QPoint(left - margin, top - margin), stamp);
    }

    QImage DrawnMark(const std::vector<TPoint>& shape, int margin) const
    {
        int right = 0, bottom = 0;
        for (const TPoint& point : shape) {
            right = std::max(right, point.X);
            bottom = std::max(bottom, point.Y);
        }
        const qreal ratio = target_.device()->devicePixelRatio();
        QImage stamp(QSize(right + margin + 1, bottom + margin + 1) * ratio, QImage::Format_ARGB32_Premultiplied);
        stamp.setDevicePixelRatio(ratio);
        stamp.fill(Qt::transparent);
        QPainter painter(&stamp);
        TQtCanvas canvas(painter);
        canvas.SetPen(pen_);
        canvas.SetBrush(brush_);
        canvas.Polygon(shape);
        return stamp;
    }

    TMark MarkKey(const std::vector<TPoint>& points) const
    {
        TMark mark{{}, pen_, brush_};
        for (std::size_t i = 0; i < 4; ++i) {
            mark.Corners[2 * i] = points[i].X;
            mark.Corners[2 * i + 1] = points[i].Y;
        }
        return mark;
    }

    QPainter& target_;
    std::vector<TPoint> reduced_;
    TPenSpec pen_;
    bool penSet_ = false;
    TBrushSpec brush_;
    std::unordered_set<TMark, TMarkHash> drawnMarks_;
    std::unordered_map<TMark, QImage, TMarkHash> stamps_;  // by the mark's shape at its image's origin
};

// The largest grid the window holds: up to it a chart file is drawn as the
// window draws it.
constexpr std::size_t WindowPoints = 100000;

// An exception may not leave a paint; what was drawn stays, as in the window.
void PaintLargeChart(TChart& chart, QPainter& painter, int width, int height)
{
    TLargeChartCanvas canvas(painter);
    try {
        chart.Paint(canvas, width, height);
    } catch (const std::exception&) {
    }
}

bool BeyondWindow(const TChart& chart)
{
    std::size_t points = 0;
    for (const TChartSeries* series : chart.SeriesList())
        points = std::max(points, series->Count());
    return points > WindowPoints;
}

TChartFileFormat FileFormat(TChartFormat format)
{
    return format == TChartFormat::Png   ? TChartFileFormat::Png
           : format == TChartFormat::Svg ? TChartFileFormat::Svg
                                         : TChartFileFormat::Pdf;
}

}  // namespace

TChartPaint ChartFilePaint(const TChart& chart) { return BeyondWindow(chart) ? PaintLargeChart : RenderChart; }

std::string ChartFileName(const TBatchChart& chart, TChartFormat format)
{
    const char* extension = format == TChartFormat::Png ? ".png" : format == TChartFormat::Svg ? ".svg" : ".pdf";
    return std::string(chart.Name) + extension;
}

void WriteChartFiles(TBatchCharts& charts, const std::string& dir, TChartFormat format)
{
    const QString directory = QString::fromStdString(dir);
    if (!QDir().mkpath(directory))
        throw TUsageError("无法创建图表目录“" + dir + "”");
    for (TBatchChart& chart : charts.Charts()) {
        const QString name = QString::fromStdString(ChartFileName(chart, format));
        const TDocumentInfo info{QString::fromUtf8(chart.Name.data(), qsizetype(chart.Name.size())),
                                 QStringLiteral("cpk-xr-batch")};
        const QByteArray bytes = ChartFileBytes(chart.Chart, FileFormat(format), chart.Width, chart.Height, info,
                                                ChartFilePaint(chart.Chart));
        try {
            WriteFileSafely(QDir(directory).filePath(name), bytes);
        } catch (const Exception& error) {
            throw TUsageError(error.Message());
        }
    }
}
