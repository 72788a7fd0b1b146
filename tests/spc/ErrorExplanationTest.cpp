// The sentence below a compute error names the cause the command met first.
#include <gtest/gtest.h>

#include <string>

#include "ComputeCommand.h"
#include "ComputeErrorExplanation.h"
#include "DisplayedError.h"
#include "MemoryWindow.h"

namespace {

std::string ExplainedCompute(TMemoryWindow& window)
{
    const std::optional<std::string> message = DisplayedErrorOf([&window] { RunComputeCommand(window, nullptr); });
    EXPECT_TRUE(message.has_value());
    const TarryCpk* record = CurrentCpk();
    return ExplainComputeError(window, record ? &record->Value : nullptr, message.value_or(""));
}

}  // namespace

TEST(ErrorExplanation, TheCauseTheCommandMeetsFirstIsNamed)
{
    TMemoryWindow window;
    window.LoadSampleData();
    // Equal limits fail in the capability stage, before a subgroup size of 1 would.
    window.Type(Field::Usl, "25");
    window.Type(Field::Lsl, "25");
    window.Type(Field::SubgroupSize, "1");
    EXPECT_EQ(ExplainedCompute(window), "上规格与下规格相等：请输入不同的规格限。");
    window.Type(Field::Usl, "28");
    EXPECT_NE(ExplainedCompute(window).find("扩展分析"), std::string::npos);
    // The first overflowing number in reading order, limits before cells.
    window.Type(Field::SubgroupSize, "5");
    window.SetCell(3, 2, "4e38");
    EXPECT_TRUE(ExplainedCompute(window).starts_with("第 3 行第 4 列的“4e38”超出了可计算的范围"));
    window.SetCell(3, 2, "26");
    window.LoadReadings({"26", "26", "26", "26", "26"});
    EXPECT_EQ(ExplainedCompute(window), "所有读数都相同（标准差为 0）：无法计算过程能力，请检查读数。");
    // Messages of other commands get no sentence.
    EXPECT_EQ(ExplainComputeError(window, nullptr, "Cannot open clipboard."), "");
}
