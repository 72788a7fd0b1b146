// The results table of 复制结果.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "ExportTestSupport.h"
#include "FormControls.h"
#include "ResultsTable.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TEST(ResultsTable, PairsEachFieldWithItsNameThenTheMemosUnderTheirHeadings)
{
    TForm1 form;
    ComputeSampleData(form);
    const QList<QStringList> rows = ResultsTableRows(form);
    ASSERT_GE(rows.size(), 40);
    EXPECT_EQ(rows[0], (QStringList{U("设置子组大小（手动）"), "5"}));
    EXPECT_EQ(rows[2], (QStringList{U("总样本数"), "25"}));
    EXPECT_TRUE(rows.contains(QStringList{U("组内 STDEV"), "1.9679309129715"}));
    EXPECT_TRUE(rows.contains(QStringList{U("整体 STDEV"), "1.81692808516646"}));
    EXPECT_TRUE(rows.contains(QStringList{U("实测 PPM>USL"), "160000"}));
    EXPECT_TRUE(rows.contains(QStringList{U("高于规格数量"), U("高于规格28数量=4百分比 16%")}));
    EXPECT_FALSE(rows.contains(QStringList{U("子组大小"), "5"}));
    // The reading order: within before overall in a row, the rows top to bottom.
    EXPECT_LT(rows.indexOf(QStringList{U("组内 CPK"), form.Edit("Edit13")->text()}),
              rows.indexOf(QStringList{U("整体 CPK"), form.Edit("Edit14")->text()}));
    const qsizetype keyValues = rows.indexOf(QStringList{U("关键值")});
    ASSERT_GT(keyValues, 0);
    EXPECT_EQ(rows[keyValues - 1], QStringList());
    EXPECT_EQ(rows[keyValues + 1], QStringList{form.Memo("Memo5")->Lines().value(0)});
    EXPECT_GT(rows.indexOf(QStringList{U("频率")}), rows.indexOf(QStringList{U("分组值")}));

    const QString text = ResultsTableText({{"a\tb", "c"}, {"d\r\ne"}});
    EXPECT_EQ(text, QStringLiteral("a b\tc\r\nd  e\r\n"));
    EXPECT_EQ(ResultsTableHtml({{"<1>", "&"}}),
              QStringLiteral("<table><tr><td>&lt;1&gt;</td><td>&amp;</td></tr></table>"));
}
