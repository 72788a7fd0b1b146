// The tables' texts: absent values, the sigma each index used, run-test rows.
#include <gtest/gtest.h>

#include "ExtendedAnalysis.h"
#include "ExtendedTables.h"

TEST(ExtendedTables, IndicesSayWhichSigmaAndAbsentValuesShowADash)
{
    TExtendedInput in;
    in.Values = {10.00, 10.02, 9.98, 10.01, 10.03, 9.99, 10.01, 10.00, 9.97, 10.04, 10.02, 9.99};
    in.SubgroupSize = 4;
    in.LSL = 9.9;
    const TExtendedResult r = AnalyseExtended(in);
    const TTextTable t = IndicesTable(r);
    ASSERT_EQ(t.Rows.size(), 9u);
    EXPECT_EQ(t.Rows[0][0], "Cp");
    EXPECT_EQ(t.Rows[0][1], "—");  // one-sided: no Cp
    EXPECT_NE(t.Rows[1][4].find("自由度 9"), std::string::npos);
    EXPECT_NE(t.Rows[4][4].find("自由度 11"), std::string::npos);
    EXPECT_EQ(t.Header[2], "95% 下限");

    // Text cells never break the clipboard's rows or columns.
    TTextTable odd{"t", {"a"}, {{"x\ty\nz"}}};
    EXPECT_EQ(TablesAsTabText({odd}), "t\r\na\r\nx y z\r\n\r\n");
    EXPECT_NE(TablesAsHtml({TTextTable{"<b>", {}, {}}}).find("&lt;b&gt;"), std::string::npos);
}

TEST(ExtendedTables, RunTestRowsNameChartTestPointsAndMeaning)
{
    TExtendedResult r;
    r.RunTests.push_back({"mr", 1, {37, 45}});
    const TTextTable t = RunTestsTable(r);
    ASSERT_EQ(t.Rows.size(), 1u);
    EXPECT_EQ(t.Rows[0], (std::vector<std::string>{"移动极差图", "1", "37, 45", "1 点距中心线超过 3 个标准差"}));
}
