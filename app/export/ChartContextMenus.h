#pragma once
// The charts' context menus: 复制图像 and 保存图像… on each of the window's
// four charts, as actions named CHART.copyImage and CHART.saveImage. A chart
// takes the focus when clicked, and Shift+F10 opens the menu of the focused one.
#include <functional>

class QMenu;
class TFileDialogs;
class TForm1;

void AddChartContextMenus(TForm1& form, std::function<TFileDialogs&()> dialogs);

// The keyboard's way to a chart, which Tab passes by: one entry per chart in
// `menu` that gives the chart the focus and opens its context menu.
void AddChartMenuEntries(QMenu& menu, TForm1& form);
