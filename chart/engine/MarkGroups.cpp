// Marks that must stay legible side by side: within a group, a mark that
// would touch one above it (or one level with it and drawn earlier) moves
// down until it no longer does. Blank marks take no part; they show nothing.
#include <algorithm>
#include <map>

#include "Chart.h"

namespace {

struct TGroupMark {
    TSeriesMarks* Marks;
    std::size_t DrawnIndex;
    TRect Box;
};

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Rectangles with exclusive right and bottom edges that share a pixel.
bool Touch(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Moves each mark, from the top one down, below every earlier one it
// touches. Every move puts its top on a placed mark's bottom, strictly lower
// than before, so a mark moves at most once per placed mark.
void Separate(std::vector<TGroupMark>& group)
{
    std::stable_sort(group.begin(), group.end(),
                     [](const TGroupMark& a, const TGroupMark& b) { return a.Box.Top < b.Box.Top; });
    for (std::size_t i = 0; i < group.size(); ++i) {
        TRect box = group[i].Box;
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t j = 0; j < i; ++j) {
                if (!Touch(box, group[j].Box))
                    continue;
                const int shift = group[j].Box.Bottom - box.Top;
                box.Top += shift;
                box.Bottom += shift;
                moved = true;
            }
        }
        if (box.Top != group[i].Box.Top)
            group[i].Marks->MoveDown(group[i].DrawnIndex, box.Top - group[i].Box.Top);
        group[i].Box = box;
    }
}

}  // namespace

void TChart::SeparateMarkGroups()
{
    std::map<int, std::vector<TGroupMark>> groups;
    for (TChartSeries* series : seriesList_) {
        TSeriesMarks& marks = series->Marks();
        if (!series->Active() || marks.OverlapGroup() == 0)
            continue;
        const std::vector<TDrawnMark>& drawn = marks.DrawnMarks();
        for (std::size_t k = 0; k < drawn.size(); ++k) {
            if (Blank(drawn[k].Text))
                continue;
            const TMarkPosition& p = drawn[k].Position;
            groups[marks.OverlapGroup()].push_back({&marks, k, {p.Left, p.Top, p.Left + p.Width, p.Top + p.Height}});
        }
    }
    for (auto& [group, members] : groups)
        Separate(members);
}
