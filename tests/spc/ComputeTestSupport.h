#pragma once
// Shared by the compute command tests: the command's full write order with
// the sample data, and a check that a failing command wrote exactly a prefix
// of it and left every later control with its previous text.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ComputeCommand.h"
#include "Errors.h"
#include "MemoryWindow.h"

// Every field the command writes, in the order of its first write.
inline const std::vector<const TWindowField*>& FullWriteOrder()
{
    using namespace Field;
    static const std::vector<const TWindowField*> order = {&SubgroupCount,
                                                           &Count,
                                                           &Mean,
                                                           &Max,
                                                           &Min,
                                                           &StdDevOverall,  // sample
                                                           &CpOverall,
                                                           &CplOverall,
                                                           &CpuOverall,
                                                           &CpkOverall,
                                                           &Ca,  // overall indices
                                                           &PpmBelowOverall,
                                                           &PpmAboveOverall,
                                                           &PpmTotalOverall,  // overall ppm
                                                           &PpmBelowMeasured,
                                                           &PpmAboveMeasured,
                                                           &PpmTotalMeasured,  // measured
                                                           &AboveUslSummary,
                                                           &BelowLslSummary,
                                                           &OutsideSummary,
                                                           &ClassCount,  // labels, classes
                                                           &StdDevWithin,
                                                           &Plus3Sigma,
                                                           &Minus3Sigma,  // within sigma
                                                           &CpWithin,
                                                           &CplWithin,
                                                           &CpuWithin,
                                                           &CpkWithin,
                                                           &PpmBelowWithin,
                                                           &PpmAboveWithin,
                                                           &PpmTotalWithin,  // within
                                                           &ClassValues,
                                                           &Frequencies,
                                                           &OverallCurve,
                                                           &WithinCurve,  // histogram
                                                           &SubgroupSums,
                                                           &SubgroupMeans,
                                                           &SubgroupRanges,
                                                           &KeyValues};  // X-bar and R
    return order;
}

// The control names written up to and including `last` (null for nothing written).
inline std::vector<std::string> WrittenThrough(const TWindowField* last)
{
    std::vector<std::string> names;
    if (!last)
        return names;
    for (const TWindowField* field : FullWriteOrder()) {
        names.emplace_back(field->Control);
        if (field == last)
            break;
    }
    return names;
}

// A window whose every output still shows the text of an earlier run.
inline void MarkOutputsAsPrevious(TMemoryWindow& window)
{
    for (const TWindowField* field : FullWriteOrder()) {
        if (field->Role == TFieldRole::Memo) {
            window.ClearMemo(*field);
            window.AppendMemoLine(*field, "previous");
        } else {
            window.SetText(*field, "previous");
        }
    }
    window.Written.clear();
}

// Runs the command, expects it to end with `message`, having written exactly
// the fields up to `lastWritten` and left the later ones as they were.
template <typename Error>
void ExpectCommandEndsAt(TMemoryWindow& window, const std::string& message, const TWindowField* lastWritten)
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
    for (const TWindowField* field : FullWriteOrder()) {
        if (std::find(expected.begin(), expected.end(), field->Control) != expected.end())
            continue;
        if (field->Role == TFieldRole::Memo)
            EXPECT_EQ(window.Memo(*field), std::vector<std::string>{"previous"}) << field->Control;
        else
            EXPECT_EQ(window.Text(*field), "previous") << field->Control;
    }
}
