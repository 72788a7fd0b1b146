#include "ComputeNotices.h"

namespace {

// More empty cells than this are counted in one line instead of named each.
constexpr std::size_t NamedEmptyCells = 3;

std::string CellName(int col, int row)
{
    return "第 " + std::to_string(row + 1) + " 行第 " + std::to_string(col + 1) + " 列";
}

}  // namespace

std::vector<std::string> ComputeNotices(const TWindowModel& window, const TCPKValue& record)
{
    std::vector<std::string> notices;
    // Empty cells count only between the first and the last value.
    std::vector<std::pair<int, int>> pending, between;
    bool valueSeen = false;
    for (int row = 0; row < window.RowCount(); ++row)
        for (int col = 0; col < window.ColCount(); ++col) {
            if (!window.Cell(col, row).empty()) {
                between.insert(between.end(), pending.begin(), pending.end());
                pending.clear();
                valueSeen = true;
            } else if (valueSeen) {
                pending.emplace_back(col, row);
            }
        }
    for (std::size_t i = 0; i < between.size() && i < NamedEmptyCells; ++i)
        notices.push_back(CellName(between[i].first, between[i].second) +
                          "为空：其后的读数前移，子组不再与表格的行对应");
    if (between.size() > NamedEmptyCells)
        notices.push_back("另有 " + std::to_string(between.size() - NamedEmptyCells) +
                          " 个空单元格位于读数之间：其后的读数同样前移");
    if (record.SubgroupSize > 1 && record.SubgroupCount > 0) {
        const long long leftOver =
            static_cast<long long>(record.Count) - static_cast<long long>(record.SubgroupCount) * record.SubgroupSize;
        if (leftOver > 0)
            notices.push_back("最后 " + std::to_string(leftOver) + " 个读数不足一个子组，未计入均值和极差");
    }
    return notices;
}
