#include "RecordingCanvas.h"

TCanvasOp TRecordingCanvas::Make(TCanvasOpKind kind) const
{
    TCanvasOp op;
    op.Kind = kind;
    op.Pen = pen_;
    op.Brush = brush_;
    op.Font = font_;
    op.Clip = clip_;
    return op;
}

void TRecordingCanvas::FillRect(const TRect& rect, TColor color)
{
    TCanvasOp op = Make(opFillRect);
    op.Rect = rect;
    op.Color = color;
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::MoveTo(int x, int y)
{
    TCanvasOp op = Make(opMoveTo);
    op.Points = {{x, y}};
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::LineTo(int x, int y)
{
    TCanvasOp op = Make(opLineTo);
    op.Points = {{x, y}};
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::Line(int x1, int y1, int x2, int y2)
{
    TCanvasOp op = Make(opLine);
    op.Points = {{x1, y1}, {x2, y2}};
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::Polyline(const std::vector<TPoint>& points)
{
    TCanvasOp op = Make(opPolyline);
    op.Points = points;
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::Rectangle(const TRect& rect)
{
    TCanvasOp op = Make(opRectangle);
    op.Rect = rect;
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::Polygon(const std::vector<TPoint>& points)
{
    TCanvasOp op = Make(opPolygon);
    op.Points = points;
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::TextOut(int x, int y, std::string_view text, TTextAlign align, TTextAnchor anchor)
{
    TCanvasOp op = Make(opTextOut);
    op.Points = {{x, y}};
    op.Text = std::string(text);
    op.Align = align;
    op.Anchor = anchor;
    ops_.push_back(std::move(op));
}

int TRecordingCanvas::TextWidth(std::string_view text)
{
    int codePoints = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++codePoints;
    return codePoints * charWidth_;
}

void TRecordingCanvas::ClipRectangle(const TRect& rect)
{
    clip_ = rect;
    TCanvasOp op = Make(opClip);
    op.Rect = rect;
    ops_.push_back(std::move(op));
}

void TRecordingCanvas::UnClipRectangle()
{
    clip_.reset();
    ops_.push_back(Make(opUnClip));
}

TColor TRecordingCanvas::SystemColor(TSystemColor which)
{
    switch (which) {
    case scBtnFace: return 15790320;  // 0xF0F0F0
    case scBtnHighlight: return clWhite;
    case scBtnShadow: return 10526880;  // 0xA0A0A0
    case scInfoBk: return 14811135;     // 0xE1FFFF
    }
    return clBlack;
}

std::vector<TCanvasOp> TRecordingCanvas::OpsOfKind(TCanvasOpKind kind) const
{
    std::vector<TCanvasOp> result;
    for (const TCanvasOp& op : ops_)
        if (op.Kind == kind)
            result.push_back(op);
    return result;
}

std::vector<TCanvasOp> TRecordingCanvas::TextOps(std::string_view text) const
{
    std::vector<TCanvasOp> result;
    for (const TCanvasOp& op : ops_)
        if (op.Kind == opTextOut && op.Text == text)
            result.push_back(op);
    return result;
}
