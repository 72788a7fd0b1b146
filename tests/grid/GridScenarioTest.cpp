// The scenario runner's grid commands behave as a user at the keyboard.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "ScenarioDumps.h"

namespace {

QList<QJsonObject> RunScenario(const QString& script) { return ScenarioDumps(script); }

QJsonArray Cells(const QJsonObject& dump) { return dump[QStringLiteral("grid")][QStringLiteral("cells")].toArray(); }

QJsonArray CellEntry(int col, int row, const QString& text) { return QJsonArray{col, row, text}; }

}  // namespace

TEST(GridScenario, TypingChineseAndEditorKeys)
{
    const auto dumps = RunScenario(QStringLiteral("cell 2 2 old\n"
                                                  "current 2 2\n"
                                                  "type 中文x\n"
                                                  "key F2\n"
                                                  "type 9\n"
                                                  "key Return\n"
                                                  "key Down\n"
                                                  "key Shift+Down\n"
                                                  "dump\n"));
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(Cells(dumps[0]), QJsonArray{CellEntry(2, 2, QStringLiteral("中文x9"))});
    EXPECT_EQ(dumps[0][QStringLiteral("grid")][QStringLiteral("current")].toArray(), (QJsonArray{2, 4}));
}

TEST(GridScenario, ClipboardKeysWithTheEditorOpen)
{
    const auto dumps = RunScenario(QStringLiteral("click Button2\n"
                                                  "current 4 4\n"
                                                  "key Return\n"
                                                  "clipboard 1\\t2\\r\\n3\\t4\n"
                                                  "key Ctrl+V\n"
                                                  "key Ctrl+C\n"
                                                  "dump\n"));
    ASSERT_EQ(dumps.size(), 1);
    const QJsonArray cells = Cells(dumps[0]);
    EXPECT_TRUE(cells.contains(CellEntry(4, 4, QStringLiteral("1"))));
    EXPECT_TRUE(cells.contains(CellEntry(4, 5, QStringLiteral("3"))));
    EXPECT_FALSE(cells.contains(CellEntry(3, 4, QStringLiteral("1"))));
    // The editor shows the pasted "1" all selected, so its own copy follows the grid's.
    EXPECT_EQ(dumps[0][QStringLiteral("clipboard")].toString(), QStringLiteral("1"));
}

TEST(GridScenario, QuestionsAreRecordedAndAnsweredAsTheScriptSays)
{
    const auto dumps = RunScenario(QStringLiteral("clipboard 1\\t2\\t3\\t4\\t5\\t6\\r\\n\n"
                                                  "answer 只粘贴表格内的部分\n"
                                                  "key Ctrl+V\n"
                                                  "dump\n"
                                                  "action StringGrid1.paste\n"
                                                  "dump\n"
                                                  "action StringGrid1.undo\n"
                                                  "dump\n"));
    ASSERT_EQ(dumps.size(), 3);
    const QJsonArray first = dumps[0][QStringLiteral("questions")].toArray();
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first[0][QStringLiteral("buttons")].toArray(),
              (QJsonArray{QStringLiteral("扩大表格"), QStringLiteral("只粘贴表格内的部分")}));
    EXPECT_EQ(first[0][QStringLiteral("answer")].toString(), QStringLiteral("只粘贴表格内的部分"));
    EXPECT_EQ(dumps[0][QStringLiteral("grid")][QStringLiteral("colCount")].toInt(), 5);
    // Without an answer the default button enlarges.
    const QJsonArray second = dumps[1][QStringLiteral("questions")].toArray();
    ASSERT_EQ(second.size(), 1);
    EXPECT_EQ(second[0][QStringLiteral("answer")].toString(), QStringLiteral("扩大表格"));
    EXPECT_EQ(dumps[1][QStringLiteral("grid")][QStringLiteral("colCount")].toInt(), 6);
    EXPECT_EQ(dumps[2][QStringLiteral("grid")][QStringLiteral("colCount")].toInt(), 5);
    EXPECT_EQ(Cells(dumps[2]).size(), 5);
    EXPECT_TRUE(dumps[2][QStringLiteral("questions")].toArray().isEmpty());
}

TEST(GridScenario, AnUnknownActionIsAMalformedLine)
{
    QProcess runner;
    runner.start(QStringLiteral(SCENARIO_RUNNER), {});
    runner.write("action StringGrid1.noSuchThing\n");
    runner.closeWriteChannel();
    ASSERT_TRUE(runner.waitForFinished(60000));
    EXPECT_EQ(runner.exitCode(), 2);
}
