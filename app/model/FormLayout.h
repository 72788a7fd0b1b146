#pragma once
// The main window's controls as data: one row per control with its component
// name, kind, place, size, default text, visibility and tab number.
#include <span>

enum class TControlKind { Grid, Edit, Memo, Label, Button, Chart };

struct TControlSpec {
    const char* Name;
    TControlKind Kind;
    int Left, Top, Width, Height;
    const char* Text;  // UTF-8; label line breaks are "\r\n"
    int TabOrder;      // -1: the control has no tab number
    bool Visible;
};

// In creation order, which is also the stacking order (later ones lie on top).
std::span<const TControlSpec> FormControls();

constexpr int FormClientWidth = 1904;
constexpr int FormClientHeight = 908;
constexpr const char* FormCaption = "CPK-X-R控制图";
