#pragma once
// The window as plain data for tests and benchmarks that need no widgets:
// the fields' texts with the form's default texts, the memo lines, a sparse
// grid, and a log of every control the command wrote.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "WindowModel.h"

class TMemoryWindow : public TWindowModel {
public:
    TMemoryWindow();  // every field with its text on the form at start

    std::string Text(const TWindowField& field) const override;
    void SetText(const TWindowField& field, const std::string& text) override;
    void ClearMemo(const TWindowField& memo) override;
    void AppendMemoLine(const TWindowField& memo, const std::string& line) override;
    int ColCount() const override { return cols_; }
    int RowCount() const override { return rows_; }
    std::string Cell(int col, int row) const override;

    // What a user does before computing: types into a field, fills the grid.
    void Type(const TWindowField& field, const std::string& text) { texts_[std::string(field.Control)] = text; }
    void SetCell(int col, int row, std::string text);
    void SetGridSize(int cols, int rows);
    // Readings in reading order from cell (0, 0), ColCount() to a row; the
    // grid grows downwards to hold them all.
    void LoadReadings(const std::vector<std::string>& readings);
    void LoadSampleData();  // 单元格赋值 with "." as decimal separator

    const std::vector<std::string>& Memo(const TWindowField& memo) const;
    // Control names in the order they were written (memos once per clear or append).
    std::vector<std::string> Written;
    // The controls written, each once, in the order of their first write.
    std::vector<std::string> WrittenControls() const;
    // Every field's text and every memo's lines, by control name.
    const std::map<std::string, std::string, std::less<>>& Texts() const { return texts_; }
    const std::map<std::string, std::vector<std::string>, std::less<>>& Memos() const { return memos_; }

private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, std::vector<std::string>, std::less<>> memos_;
    std::map<std::pair<int, int>, std::string> cells_;  // (col, row)
    int cols_ = 5;
    int rows_ = 10;
};
