#pragma once
// What the computation needs of the main window: the texts of named controls,
// the memo boxes and the measurement grid's cells. The Qt window implements
// it; tests use a plain in-memory model. Texts are UTF-8.
#include <string>
#include <string_view>

class TWindowModel {
public:
    virtual ~TWindowModel() = default;

    // Text of an edit field (Edit1 ... Edit33).
    virtual std::string Text(std::string_view controlName) const = 0;
    // Sets the text of an edit field or a label (Label1 ... Label52).
    virtual void SetText(std::string_view controlName, const std::string& text) = 0;

    virtual void ClearMemo(std::string_view memoName) = 0;
    virtual void AppendMemoLine(std::string_view memoName, const std::string& line) = 0;

    // The measurement grid: counts and the text of cell (col, row), "" when empty.
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual std::string Cell(int col, int row) const = 0;
};
