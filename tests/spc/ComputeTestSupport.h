#pragma once
// Shared by the compute command tests: the command's full write order with
// the sample data, and a check that a failing command wrote exactly a prefix
// of it and left every later control with its previous text.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "FakeWindow.h"
#include "app/core/Errors.h"
#include "spc/ComputeCommand.h"

// Every control the command writes, in the order of its first write.
inline const std::vector<std::string>& FullWriteOrder()
{
    static const std::vector<std::string> order = {
        "Edit33", "Edit1", "Edit3", "Edit4", "Edit5", "Edit12",                  // sample
        "Edit16", "Edit18", "Edit20", "Edit14", "Edit21",                        // overall indices
        "Edit22", "Edit23", "Edit26", "Edit24", "Edit25", "Edit27",              // overall ppm
        "Label27", "Label29", "Label30", "Edit31",                               // labels, classes
        "Edit11", "Edit9", "Edit10",                                             // within sigma
        "Edit15", "Edit17", "Edit19", "Edit13", "Edit28", "Edit29", "Edit30",    // within
        "Memo1", "Memo2", "Memo3", "Memo4",                                      // histogram
        "Memo6", "Memo7", "Memo8", "Memo5"};                                     // X-bar and R
    return order;
}

// The write order up to and including `last` ("" for nothing written).
inline std::vector<std::string> WrittenThrough(const std::string& last)
{
    const auto& order = FullWriteOrder();
    if (last.empty())
        return {};
    const auto end = std::find(order.begin(), order.end(), last);
    return {order.begin(), end + 1};
}

// A window whose every output still shows the text of an earlier run.
inline void MarkOutputsAsPrevious(TFakeWindow& window)
{
    for (const std::string& name : FullWriteOrder()) {
        if (name.rfind("Memo", 0) == 0)
            window.Memos[name] = {"previous"};
        else
            window.Texts[name] = "previous";
    }
}

// Runs the command, expects it to end with `message`, having written exactly
// the controls up to `lastWritten` and left the later ones as they were.
template <typename Error>
void ExpectCommandEndsAt(TFakeWindow& window, const std::string& message, const std::string& lastWritten)
{
    MarkOutputsAsPrevious(window);
    try {
        RunComputeCommand(window, nullptr);
        ADD_FAILURE() << "the command did not fail; expected " << message;
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), message);
    } catch (const Exception& error) {
        ADD_FAILURE() << "wrong error class, message " << error.Message();
    }
    const std::vector<std::string> expected = WrittenThrough(lastWritten);
    EXPECT_EQ(window.WrittenControls(), expected);
    for (const std::string& name : FullWriteOrder()) {
        if (std::find(expected.begin(), expected.end(), name) != expected.end())
            continue;
        if (name.rfind("Memo", 0) == 0)
            EXPECT_EQ(window.Memo(name), std::vector<std::string>{"previous"}) << name;
        else
            EXPECT_EQ(window.Text(name), "previous") << name;
    }
}
