// Marks that must stay legible side by side: within a group, a mark that
// would touch one above it (or one level with it and drawn earlier) moves
// down until it no longer does. Blank marks take no part; they show nothing.
#include <algorithm>
#include <map>

#include "Chart.h"

namespace {

struct TGroupMark {
    TSeriesMarks* Marks;
    TDrawnMark* Mark;
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
        if (box.Top != group[i].Box.Top) {
            TMarkPosition& position = group[i].Mark->Position;
            const int pixels = box.Top - group[i].Box.Top;
            position.Top += pixels;
            position.ArrowTo.Y += pixels;
            group[i].Marks->StorePosition(static_cast<std::size_t>(group[i].Mark->Index), position);
        }
        group[i].Box = box;
    }
}

}  // namespace

void TChart::SeparateMarkGroups(TChartLayout& layout)
{
    std::map<int, std::vector<TGroupMark>> groups;
    for (std::size_t s = 0; s < seriesList_.size(); ++s) {
        TSeriesMarks& marks = seriesList_[s]->Marks();
        if (!seriesList_[s]->Active() || marks.OverlapGroup() == 0)
            continue;
        for (TDrawnMark& mark : layout.Series[s].Marks) {
            if (Blank(mark.Text))
                continue;
            const TMarkPosition& p = mark.Position;
            groups[marks.OverlapGroup()].push_back(
                {&marks, &mark, {p.Left, p.Top, p.Left + p.Width, p.Top + p.Height}});
        }
    }
    for (auto& [group, members] : groups)
        Separate(members);
}
