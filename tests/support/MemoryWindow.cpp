#include "MemoryWindow.h"

#include <algorithm>
#include <stdexcept>

#include "FormLayout.h"
#include "SampleData.h"

namespace {

const TControlSpec& ControlOf(const TWindowField& field)
{
    for (const TControlSpec& control : FormControls())
        if (field.Control == control.Name)
            return control;
    throw std::logic_error("程序错误：窗体上没有控件“" + std::string(field.Control) + "”");
}

}  // namespace

TMemoryWindow::TMemoryWindow()
{
    for (const TWindowField* field : WindowFields())
        if (field->Role == TFieldRole::Memo)
            memos_[std::string(field->Control)];
        else
            texts_[std::string(field->Control)] = ControlOf(*field).Text;
}

std::string TMemoryWindow::Text(const TWindowField& field) const
{
    const auto found = texts_.find(field.Control);
    if (found == texts_.end())
        throw std::logic_error("程序错误：“" + std::string(field.Control) + "”不是文本框");
    return found->second;
}

void TMemoryWindow::SetText(const TWindowField& field, const std::string& text)
{
    Text(field);  // only the fields' controls exist
    texts_[std::string(field.Control)] = text;
    Written.emplace_back(field.Control);
}

void TMemoryWindow::ClearMemo(const TWindowField& memo)
{
    Memo(memo);
    memos_[std::string(memo.Control)].clear();
    Written.emplace_back(memo.Control);
}

void TMemoryWindow::AppendMemoLine(const TWindowField& memo, const std::string& line)
{
    Memo(memo);
    memos_[std::string(memo.Control)].push_back(line);
    Written.emplace_back(memo.Control);
}

const std::vector<std::string>& TMemoryWindow::Memo(const TWindowField& memo) const
{
    const auto found = memos_.find(memo.Control);
    if (found == memos_.end())
        throw std::logic_error("程序错误：“" + std::string(memo.Control) + "”不是多行文本框");
    return found->second;
}

std::vector<std::string> TMemoryWindow::WrittenControls() const
{
    std::vector<std::string> names;
    for (const std::string& name : Written)
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    return names;
}

std::string TMemoryWindow::Cell(int col, int row) const
{
    const auto found = cells_.find({col, row});
    return found == cells_.end() ? std::string() : found->second;
}

void TMemoryWindow::SetCell(int col, int row, std::string text)
{
    if (text.empty())
        cells_.erase({col, row});
    else
        cells_[{col, row}] = std::move(text);
}

void TMemoryWindow::SetGridSize(int cols, int rows)
{
    cols_ = cols;
    rows_ = rows;
}

void TMemoryWindow::LoadReadings(const std::vector<std::string>& readings)
{
    cells_.clear();
    const size_t cols = size_t(cols_);
    for (size_t i = 0; i < readings.size(); ++i)
        SetCell(int(i % cols), int(i / cols), readings[i]);
    const size_t rows = (readings.size() + cols - 1) / cols;
    if (rows > size_t(rows_))
        rows_ = int(rows);
}

void TMemoryWindow::LoadSampleData()
{
    for (int col = 0; col < SampleColumns; ++col)
        for (int row = 0; row < SampleRows; ++row)
            SetCell(col, row, SampleText(col, row));
}
