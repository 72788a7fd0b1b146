#pragma once
// Shift+F10 opens the context menu of the control that has the focus, as the
// Menu key does, so that a keyboard reaches every entry of a context menu.
#include <QPoint>

#include <functional>

class QWidget;

// Opens the context menu of `widget` as the keyboard does, at `at` (widget
// coordinates).
void OpenContextMenuByKeyboard(QWidget& widget, QPoint at);

// Shift+F10 on `widget` opens its context menu at the point `at` names.
void OpenContextMenuOnShiftF10(QWidget& widget, std::function<QPoint()> at);
