// Results that belong to the data on screen: stale results said at once and
// asked about before any export, the compute's notices, errors that say where
// and what to do, and file drops that paste nothing. Through the runner's dump.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "ScenarioDumps.h"

namespace {

QList<QJsonObject> Dumps(const QString& script) { return ScenarioDumps(script); }

QJsonObject LastError(const QJsonObject& dump) { return dump[QStringLiteral("errors")].toArray().last().toObject(); }

}  // namespace

TEST(ResultsIntegrity, ResultsTurnStaleOnAnyChangeOfTheInputsAndFreshOnCompute)
{
    const auto dumps = Dumps(QStringLiteral("dump\nclick Button2\nclick Button3\ndump\ncell 0 0 26.4\ndump\n"
                                            "click Button3\ntext Edit32 4\ndump\nclick Button3\nlocale , .\ndump\n"));
    ASSERT_EQ(dumps.size(), 5);
    for (int i : {0, 1})
        EXPECT_FALSE(dumps[i][QStringLiteral("stale")].toBool()) << i;
    for (int i : {2, 3, 4})
        EXPECT_TRUE(dumps[i][QStringLiteral("stale")].toBool()) << i;
    // The result fields keep their texts.
    EXPECT_EQ(dumps[2][QStringLiteral("edits")][QStringLiteral("Edit3")],
              dumps[1][QStringLiteral("edits")][QStringLiteral("Edit3")]);
}

TEST(ResultsIntegrity, ExportsOfStaleResultsAskFirst)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const QString stale = QStringLiteral("click Button2\nclick Button3\ncell 0 0 99\nfile %1\n").arg(pdf);
    const auto cancelled = Dumps(stale + QStringLiteral("answer 取消\naction actionExportReport\ndump\n"));
    ASSERT_EQ(cancelled.size(), 1);
    const QJsonArray asked = cancelled[0][QStringLiteral("questions")].toArray();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][QStringLiteral("text")], QStringLiteral("数据已更改，结果已过期。先重新计算吗？"));
    EXPECT_EQ(asked[0][QStringLiteral("buttons")].toArray().size(), 3);
    EXPECT_FALSE(QFile::exists(pdf));
    const auto dumps = Dumps(stale + QStringLiteral("dump\naction actionExportReport\ndump\n"));
    ASSERT_EQ(dumps.size(), 2);
    // The default button computes first, then writes the report.
    EXPECT_EQ(dumps[1][QStringLiteral("questions")].toArray()[0][QStringLiteral("answer")], QStringLiteral("重新计算"));
    EXPECT_FALSE(dumps[1][QStringLiteral("stale")].toBool());
    EXPECT_EQ(dumps[1][QStringLiteral("edits")][QStringLiteral("Edit4")], QStringLiteral("99"));
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST(ResultsIntegrity, NoticesNameEmptyCellsBetweenValuesAndLeftOverValues)
{
    QString script = QStringLiteral("click Button2\ncell 1 2 \ncell 0 5 27\ncell 1 5 27.5\nclick Button3\ndump\n");
    const auto dumps = Dumps(script);
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(dumps[0][QStringLiteral("notices")].toArray(),
              (QJsonArray{QStringLiteral("第 3 行第 2 列为空：其后的读数前移，子组不再与表格的行对应"),
                          QStringLiteral("最后 1 个读数不足一个子组，未计入均值和极差")}));
    // The sample data alone fills its rows exactly.
    EXPECT_TRUE(Dumps(QStringLiteral("click Button2\nclick Button3\ndump\n"))[0][QStringLiteral("notices")]
                    .toArray()
                    .isEmpty());
}

TEST(ResultsIntegrity, ErrorsKeepTheirMessageAndSayWhereAndWhatToDo)
{
    const auto dumps = Dumps(QStringLiteral("click Button2\ncell 4 5 缺测\nclick Button3\ndump\n"
                                            "cell 4 5 \ntext Edit32 1\nclick Button3\ndump\n"
                                            "text Edit32 5\ntext Edit6 x\nclick Button3\ndump\n"
                                            "text Edit6 28\nclick Button8\nclick Button3\ndump\n"));
    ASSERT_EQ(dumps.size(), 4);
    EXPECT_EQ(LastError(dumps[0])[QStringLiteral("text")],
              QStringLiteral("'缺测' is not a valid floating point value."));
    EXPECT_EQ(LastError(dumps[0])[QStringLiteral("explanation")],
              QStringLiteral("第 6 行第 5 列的“缺测”不是数字：请更正或删除该单元格。"));
    EXPECT_EQ(LastError(dumps[1])[QStringLiteral("text")], QStringLiteral("Invalid floating point operation."));
    EXPECT_TRUE(LastError(dumps[1])[QStringLiteral("explanation")].toString().contains(QStringLiteral("扩展分析")));
    EXPECT_EQ(LastError(dumps[2])[QStringLiteral("explanation")],
              QStringLiteral("上规格栏中的“x”不是数字：请输入一个数字（小数分隔符与系统设置相同）。"));
    EXPECT_TRUE(
        LastError(dumps[3])[QStringLiteral("explanation")].toString().startsWith(QStringLiteral("第 1 行第 1 列为空")));
}

TEST(ResultsIntegrity, AFileDroppedOnAFieldIsNotPastedAsItsPath)
{
    const auto dumps = Dumps(
        QStringLiteral("drop Edit6 /nonexistent/measure.csv\ndrop Memo1 /nonexistent/measure.csv\n"
                       "drop StringGrid1 /nonexistent/measure.csv\ndrop MainWindow /nonexistent/measure.csv\ndump\n"));
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(dumps[0][QStringLiteral("edits")][QStringLiteral("Edit6")], QStringLiteral("28"));
    EXPECT_TRUE(dumps[0][QStringLiteral("memos")][QStringLiteral("Memo1")].toArray().isEmpty());
    EXPECT_TRUE(dumps[0][QStringLiteral("grid")][QStringLiteral("cells")].toArray().isEmpty());
}
