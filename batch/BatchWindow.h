#pragma once
// The window of the batch mode: the fields with the form's default texts,
// the memo boxes and a file's grid. The compute command runs on it as on the
// real window.
#include <string>
#include <vector>

#include "BatchGrid.h"
#include "MemoLines.h"
#include "StudyInfo.h"
#include "WindowModel.h"

class TBatchWindow : public TWindowModel {
public:
    // decimalSeparator is the one in force, in which the form writes its default target.
    TBatchWindow(TBatchGrid grid, const std::string& decimalSeparator);

    std::string Text(const TWindowField& field) const override;
    void SetText(const TWindowField& field, const std::string& text) override;
    void ClearMemo(const TWindowField& memo) override;
    void AppendMemoLine(const TWindowField& memo, const std::string& line) override;
    int ColCount() const override { return grid_.ColCount(); }
    int RowCount() const override { return grid_.RowCount(); }
    std::string Cell(int col, int row) const override { return std::string(grid_.Cell(col, row)); }

    const TMemoLines& MemoLines(const TWindowField& memo) const;

    // The study information of a study file, for the report and the workbook.
    const TStudyInfo& StudyInformation() const { return info_; }
    void SetStudyInformation(const TStudyInfo& info) { info_ = info; }

private:
    std::size_t IndexOf(const TWindowField& field, bool memo) const;

    TBatchGrid grid_;
    std::vector<std::string> texts_;  // by the field's place in WindowFields()
    std::vector<TMemoLines> memos_;   // likewise
    TStudyInfo info_;
};
