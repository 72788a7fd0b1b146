#pragma once
// The main window as plain data: edit and label texts with their defaults,
// memo lines, a sparse grid, and a log of every control the command wrote.
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "spc/WindowModel.h"

class TFakeWindow : public TWindowModel {
public:
    std::map<std::string, std::string, std::less<>> Texts = {
        {"Edit2", "5"}, {"Edit6", "28"}, {"Edit7", "25.5"}, {"Edit8", "23"},
        {"Edit31", "Edit31"}, {"Edit32", "5"},
        {"Label27", "高于规格数量    百分比 "}, {"Label29", "低于规格数量    百分比 "},
        {"Label30", "不规格数量    百分比 "}};
    std::map<std::string, std::vector<std::string>, std::less<>> Memos;
    std::map<std::pair<int, int>, std::string> Cells;  // (col, row)
    int Cols = 5;
    int Rows = 10;
    // Control names in the order they were written (memos once per clear or append).
    std::vector<std::string> Written;

    std::string Text(std::string_view name) const override
    {
        const auto found = Texts.find(name);
        return found == Texts.end() ? std::string() : found->second;
    }
    void SetText(std::string_view name, const std::string& text) override
    {
        Texts[std::string(name)] = text;
        Written.emplace_back(name);
    }
    void ClearMemo(std::string_view name) override
    {
        Memos[std::string(name)].clear();
        Written.emplace_back(name);
    }
    void AppendMemoLine(std::string_view name, const std::string& line) override
    {
        Memos[std::string(name)].push_back(line);
        Written.emplace_back(name);
    }
    int ColCount() const override { return Cols; }
    int RowCount() const override { return Rows; }
    std::string Cell(int col, int row) const override
    {
        const auto found = Cells.find({col, row});
        return found == Cells.end() ? std::string() : found->second;
    }

    const std::vector<std::string>& Memo(std::string_view name) const
    {
        static const std::vector<std::string> none;
        const auto found = Memos.find(name);
        return found == Memos.end() ? none : found->second;
    }

    // The sample data of "单元格赋值": five rows of five readings.
    void LoadSampleData()
    {
        static const char* const sample[5][5] = {
            {"26.39", "27.41", "28.11", "24.06", "25.88"},
            {"24.52", "23.65", "26.86", "30.77", "26.12"},
            {"26.07", "26.49", "29.41", "26.47", "23.41"},
            {"27.03", "30.21", "26.34", "26.02", "24.68"},
            {"26.57", "25.69", "24.87", "26.6", "26.4"}};
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 5; ++col)
                Cells[{col, row}] = sample[row][col];
    }

    // Readings in reading order from cell (0, 0), Cols to a row.
    void LoadReadings(const std::vector<std::string>& readings)
    {
        Cells.clear();
        for (size_t i = 0; i < readings.size(); ++i)
            Cells[{int(i % size_t(Cols)), int(i / size_t(Cols))}] = readings[i];
        if (int(readings.size()) > Cols * Rows)
            Rows = int((readings.size() + size_t(Cols) - 1) / size_t(Cols));
    }

    // The controls written, each once, in the order of their first write.
    std::vector<std::string> WrittenControls() const
    {
        std::vector<std::string> names;
        for (const std::string& name : Written)
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        return names;
    }
};
