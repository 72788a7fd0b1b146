#pragma once
// The window in memory with a log of every control the command wrote.
#include <algorithm>
#include <string>
#include <vector>

#include "MemoryWindow.h"

class TFakeWindow : public TMemoryWindow {
public:
    // Control names in the order they were written (memos once per clear or append).
    std::vector<std::string> Written;

    void SetText(const TWindowField& field, const std::string& text) override
    {
        TMemoryWindow::SetText(field, text);
        Written.emplace_back(field.Control);
    }
    void ClearMemo(const TWindowField& memo) override
    {
        TMemoryWindow::ClearMemo(memo);
        Written.emplace_back(memo.Control);
    }
    void AppendMemoLine(const TWindowField& memo, const std::string& line) override
    {
        TMemoryWindow::AppendMemoLine(memo, line);
        Written.emplace_back(memo.Control);
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
