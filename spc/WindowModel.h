#pragma once
// What the computation needs of the main window: the texts of named controls,
// the memo boxes and the measurement grid's cells. The Qt window implements
// it; tests use a plain in-memory model. Texts are UTF-8.
#include <string>

#include "WindowFields.h"

class TWindowModel {
public:
    virtual ~TWindowModel() = default;

    // Text of an edit field or a summary label.
    virtual std::string Text(const TWindowField& field) const = 0;
    virtual void SetText(const TWindowField& field, const std::string& text) = 0;

    virtual void ClearMemo(const TWindowField& memo) = 0;
    virtual void AppendMemoLine(const TWindowField& memo, const std::string& line) = 0;

    // The measurement grid: counts and the text of cell (col, row), "" when empty.
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual std::string Cell(int col, int row) const = 0;
};
