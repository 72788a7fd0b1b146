// Every way the compute command ends early: the message, the controls written
// up to that point, the later ones untouched, and the partly filled record
// left current.
#include "ComputeTestSupport.h"

namespace {

TMemoryWindow SampleWindow()
{
    TMemoryWindow window;
    window.LoadSampleData();
    return window;
}

std::string NotAFloatMessage(const std::string& text) { return "'" + text + "' is not a valid floating point value"; }

}  // namespace

TEST(ComputeFailure, LimitThatIsNotANumberWritesNothing)
{
    for (const TWindowField* limit : {&Field::Usl, &Field::Target, &Field::Lsl}) {
        TMemoryWindow window = SampleWindow();
        window.Type(*limit, "2 8");
        ExpectCommandEndsAt<EConvertError>(window, NotAFloatMessage("2 8"), nullptr);
    }
}

TEST(ComputeFailure, CellThatIsNotANumberWritesNothing)
{
    for (const char* text : {"abc", "   ", "1,5", "26.39\t"}) {
        TMemoryWindow window = SampleWindow();
        window.SetCell(3, 2, text);
        ExpectCommandEndsAt<EConvertError>(window, NotAFloatMessage(text), nullptr);
    }
    TMemoryWindow first = SampleWindow();
    first.SetCell(0, 0, "x");
    ExpectCommandEndsAt<EConvertError>(first, NotAFloatMessage("x"), nullptr);
}

TEST(ComputeFailure, EmptyGridReadsAsTheEmptyText)
{
    TMemoryWindow window;
    ExpectCommandEndsAt<EConvertError>(window, "'' is not a valid floating point value", nullptr);
    EXPECT_EQ(CurrentCpk()->Value.Count, 0);
}

TEST(ComputeFailure, NumberBeyondSingleOverflowsWhereItIsStored)
{
    TMemoryWindow limit = SampleWindow();
    limit.Type(Field::Target, "1e39");
    ExpectCommandEndsAt<EOverflow>(limit, "Floating point overflow", nullptr);
    EXPECT_EQ(CurrentCpk()->Value.USL, 28.0f);  // stored before the target failed

    TMemoryWindow cell = SampleWindow();
    cell.SetCell(4, 4, "-3.5e38");
    ExpectCommandEndsAt<EOverflow>(cell, "Floating point overflow", nullptr);

    // Each reading fits a Single, their sum does not.
    TMemoryWindow sum;
    sum.LoadReadings({"3e38", "3e38", "1"});
    ExpectCommandEndsAt<EOverflow>(sum, "Floating point overflow", nullptr);
    EXPECT_EQ(CurrentCpk()->Value.Count, 2);
}

TEST(ComputeFailure, SubgroupSizeThatIsNotAnIntegerOrZero)
{
    TMemoryWindow text = SampleWindow();
    text.Type(Field::SubgroupSize, "5.0");
    ExpectCommandEndsAt<EConvertError>(text, "'5.0' is not a valid integer value", nullptr);

    TMemoryWindow zero = SampleWindow();
    zero.Type(Field::SubgroupSize, "0");
    ExpectCommandEndsAt<EDivByZero>(zero, "Division by zero", nullptr);
    // The readings were taken before the size was read.
    EXPECT_EQ(CurrentCpk()->Value.Count, 25);
    EXPECT_EQ(CurrentCpk()->Value.Mean, 0.0f);
}

TEST(ComputeFailure, SingleReadingHasNoStandardDeviation)
{
    TMemoryWindow window;
    window.LoadReadings({"25"});
    ExpectCommandEndsAt<EInvalidOp>(window, "Invalid floating point operation", &Field::Min);
    EXPECT_EQ(window.Text(Field::Count), "1");
    EXPECT_EQ(window.Text(Field::SubgroupCount), "0");
}

TEST(ComputeFailure, FewerReadingsThanOneSubgroup)
{
    TMemoryWindow window;
    window.LoadReadings({"25", "26", "24.5"});
    ExpectCommandEndsAt<EInvalidOp>(window, "Invalid floating point operation", &Field::ClassCount);
    EXPECT_EQ(CurrentCpk()->Value.SubgroupCount, 0);
}

TEST(ComputeFailure, SubgroupSizeOneFailsAtTheSubgroupDeviations)
{
    TMemoryWindow window = SampleWindow();
    window.Type(Field::SubgroupSize, "1");
    ExpectCommandEndsAt<EInvalidOp>(window, "Invalid floating point operation", &Field::ClassCount);
    EXPECT_EQ(window.Text(Field::SubgroupCount), "25");
    EXPECT_EQ(CurrentCpk()->Value.SubgroupSums.size(), 25u);  // sums come before the deviations
}

TEST(ComputeFailure, ZeroOverallSigmaFailsAtCP)
{
    TMemoryWindow different;
    different.LoadReadings({"25.5", "25.5", "25.5", "25.5", "25.5"});
    ExpectCommandEndsAt<EZeroDivide>(different, "Floating point division by zero", &Field::StdDevOverall);
    EXPECT_EQ(different.Text(Field::StdDevOverall), "0");

    TMemoryWindow equalLimits;
    equalLimits.LoadReadings({"25.5", "25.5", "25.5", "25.5", "25.5"});
    equalLimits.Type(Field::Usl, "25");
    equalLimits.Type(Field::Lsl, "25");
    ExpectCommandEndsAt<EInvalidOp>(equalLimits, "Invalid floating point operation", &Field::StdDevOverall);
}

TEST(ComputeFailure, EqualLimitsFailAtCA)
{
    TMemoryWindow window = SampleWindow();
    window.Type(Field::Usl, "25");
    window.Type(Field::Lsl, "25");
    ExpectCommandEndsAt<EZeroDivide>(window, "Floating point division by zero", &Field::CpkOverall);
    EXPECT_EQ(window.Text(Field::CpOverall), "0");

    // Mean exactly at the centre: 0 / 0.
    TMemoryWindow centred;
    centred.LoadReadings({"24", "26", "24", "26", "25"});
    centred.Type(Field::Usl, "25");
    centred.Type(Field::Lsl, "25");
    ExpectCommandEndsAt<EInvalidOp>(centred, "Invalid floating point operation", &Field::CpkOverall);
}

TEST(ComputeFailure, ZeroWithinSigmaFailsAtTheWithinCP)
{
    // Subgroups of two equal readings: spread between subgroups only.
    TMemoryWindow window;
    window.Type(Field::SubgroupSize, "2");
    window.LoadReadings({"24", "24", "26", "26", "25", "25"});
    ExpectCommandEndsAt<EZeroDivide>(window, "Floating point division by zero", &Field::Minus3Sigma);
    EXPECT_EQ(window.Text(Field::StdDevWithin), "0");
}

TEST(ComputeFailure, ZeroMeanRangeFailsAtTheXbarRCapability)
{
    // Readings that differ as Doubles but not as Singles: a spread, yet every
    // subgroup range is 0.
    TMemoryWindow window;
    window.LoadReadings(
        {"25", "25.0000009", "25", "25.0000009", "25", "25.0000009", "25", "25.0000009", "25", "25.0000009"});
    ExpectCommandEndsAt<EZeroDivide>(window, "Floating point division by zero", &Field::KeyValues);
    EXPECT_EQ(window.Memo(Field::KeyValues).size(), 8u);
    EXPECT_EQ(window.Memo(Field::KeyValues).back(), "平均极差估计稳定的过程标准差Sigma=:0.000");
    EXPECT_EQ(window.Memo(Field::SubgroupSums).size(), 2u);
    EXPECT_EQ(window.Memo(Field::SubgroupRanges).size(), 2u);
    EXPECT_TRUE(CurrentCpk()->HistogramComplete);
}

TEST(ComputeFailure, FailedCommandLeavesItsOwnRecordCurrent)
{
    TMemoryWindow window = SampleWindow();
    RunComputeCommand(window, nullptr);
    const TarryCpk* complete = CurrentCpk();
    EXPECT_TRUE(complete->HistogramComplete);

    window.Type(Field::SubgroupSize, "x");
    EXPECT_THROW(RunComputeCommand(window, nullptr), EConvertError);
    const TCPKValue& partial = CurrentCpk()->Value;
    EXPECT_FALSE(CurrentCpk()->HistogramComplete);
    EXPECT_EQ(partial.Count, 25);
    EXPECT_EQ(partial.DataMax, 30.77f);
    // Nothing of the finished computation leaks into the new record.
    EXPECT_EQ(partial.SubgroupSize, 0);
    EXPECT_EQ(partial.Mean, 0.0f);
    EXPECT_EQ(partial.StdDevAll, 0.0L);
    EXPECT_EQ(partial.RBar, 0.0f);
    EXPECT_EQ(partial.ClassLimits[1], 0.0f);
    EXPECT_TRUE(partial.SubgroupMeans.empty());
}

// The limits near the end of the Int64 range of three-decimal rounding: the
// fourth one cannot be formed. The lines of the limits formed before it stay.
TEST(ComputeFailure, ClassLimitThatCannotBeFormedKeepsTheEarlierLimitLines)
{
    TMemoryWindow window;
    window.Type(Field::Usl, "9.3e15");
    window.Type(Field::Target, "9.15e15");
    window.Type(Field::Lsl, "9e15");
    window.LoadReadings({"9e15", "9.3e15", "9e15", "9.3e15", "9e15", "9.3e15", "9e15", "9.3e15", "9e15", "9.3e15"});
    ExpectCommandEndsAt<EInvalidOp>(window, "Invalid floating point operation", &Field::ClassValues);
    const std::vector<std::string> expected = {"组距=:75000061100032.000000", "组界限=:8999999815811072.000",
                                               "组界限=:9074999608475648.000", "组界限=:9149999401140224.000"};
    EXPECT_EQ(window.Memo(Field::ClassValues), expected);
}
