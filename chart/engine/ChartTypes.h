#pragma once
// Basic value types of the chart component: colours, pixel geometry and the
// enumerations its properties use.
#include <cstdint>

// 24-bit colour in blue-green-red byte order (red is the low byte), or one of
// the two special markers below.
using TColor = int32_t;

// The point or series has no colour of its own: use the series colour.
constexpr TColor DefaultColorMarker = 536870912;  // 0x20000000
// A null point: neither drawn nor given a mark.
constexpr TColor NullColor = 536870911;  // 0x1FFFFFFF

constexpr TColor clBlack = 0;
constexpr TColor clMaroon = 128;
constexpr TColor clRed = 255;
constexpr TColor clGreen = 32768;
constexpr TColor clOlive = 32896;
constexpr TColor clYellow = 65535;
constexpr TColor clLime = 65280;
constexpr TColor clNavy = 8388608;
constexpr TColor clPurple = 8388736;
constexpr TColor clTeal = 8421376;
constexpr TColor clGray = 8421504;
constexpr TColor clSilver = 12632256;
constexpr TColor clBlue = 16711680;
constexpr TColor clFuchsia = 16711935;
constexpr TColor clAqua = 16776960;
constexpr TColor clWhite = 16777215;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and bottom are exclusive wherever a rectangle is filled or outlined.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TPenEndStyle { esRound, esSquare, esFlat };

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
enum TChartListOrder { loNone, loAscending, loDescending };
enum THorizAxis { aTopAxis, aBottomAxis };
enum TVertAxis { aLeftAxis, aRightAxis };
enum TMarginUnits { muPercent, muPixels };
enum TMultiBar { mbNone, mbSide };

enum TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
    psNothing,
    psLeftTriangle,
    psRightTriangle
};

enum TSeriesMarksStyle {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue,
    smsXY
};

// Colours the platform supplies for the panel bevel and for mark boxes.
enum TSystemColor { scBtnFace, scBtnHighlight, scBtnShadow, scInfoBk };
