#pragma once
// The charts' context menus: 复制图像 and 保存图像… on each of the window's
// four charts, as actions named CHART.copyImage and CHART.saveImage.
#include <functional>

class TFileDialogs;
class TForm1;

void AddChartContextMenus(TForm1& form, std::function<TFileDialogs&()> dialogs);
