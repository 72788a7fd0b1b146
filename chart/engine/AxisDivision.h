#pragma once
// The division of an axis for one paint, computed by the chart's layout pass
// and only painted by the axis's drawing: the label step, the labels with
// their texts and pixels, and the pixels of the ticks and minor ticks.
#include <string>
#include <vector>

struct TAxisLabel {
    double Value = 0;
    std::string Text;
    int Pos = 0;
};

struct TAxisDivision {
    double Step = 0;  // label step of value labels; 0 when there are none
    std::vector<TAxisLabel> Labels;
    int LabelHeight = 0;  // line height of the labels' font
    std::vector<int> Ticks;
    std::vector<int> MinorTicks;  // only those strictly inside the axis
};
