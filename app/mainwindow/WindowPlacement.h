#pragma once
// Where the main window opens: at its natural size, centred, when the screen's
// available area holds it; otherwise filling that area (maximized), so that no
// part of it, title bar included, starts off-screen.
#include <QRect>
#include <QSize>

struct TWindowPlacement {
    QRect Geometry;  // the window's client geometry
    bool Maximized = false;
};

// available: the screen's available area (may be empty when the platform
// knows no screen); natural: the window's client size; frame: what the window
// manager adds around the client area (title bar and borders).
TWindowPlacement PlaceWindow(const QRect& available, const QSize& natural, const QMargins& frame);
