#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <stdexcept>

#include "ScenarioScript.h"

namespace {

struct TRun {
    int ExitCode;
    QList<QJsonObject> Dumps;
    QString Errors;
};

TRun RunScenario(const QString& script)
{
    QProcess runner;
    runner.start(QStringLiteral(SCENARIO_RUNNER), {});
    runner.write(script.toUtf8());
    runner.closeWriteChannel();
    runner.waitForFinished(60000);
    TRun run{runner.exitCode(), {}, QString::fromUtf8(runner.readAllStandardError())};
    for (const QByteArray& line : runner.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            run.Dumps << QJsonDocument::fromJson(line).object();
    return run;
}

}  // namespace

TEST(ScenarioScript, ValuesKeepBlanksAndDecodeEscapes)
{
    auto line = ParseScenarioLine(QStringLiteral("text Edit6  28 "));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Words, QStringList{QStringLiteral("Edit6")});
    EXPECT_EQ(line->Value, QStringLiteral(" 28 "));

    line = ParseScenarioLine(QStringLiteral("clipboard 1.5\\t\\t2.5\\r\\n\\s\\\\x"));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Value, QStringLiteral("1.5\t\t2.5\r\n \\x"));

    line = ParseScenarioLine(QStringLiteral("cell 7 12 "));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Words, (QStringList{QStringLiteral("7"), QStringLiteral("12")}));
    EXPECT_EQ(line->Value, QString());

    EXPECT_FALSE(ParseScenarioLine(QStringLiteral("# a comment")));
    EXPECT_FALSE(ParseScenarioLine(QStringLiteral("   ")));
}

TEST(ScenarioScript, MalformedLinesAreRefused)
{
    for (const char* bad : {"jump 1 2", "cell -1 0 x", "cell a 0 x", "current 1", "dump now", "click"})
        EXPECT_THROW(ParseScenarioLine(QString::fromUtf8(bad)), std::invalid_argument) << bad;
}

TEST(ScenarioRunner, DumpsTheWindowAndRecordsErrors)
{
    const TRun run = RunScenario(QStringLiteral("cell 6 12 far\ncell 0 0 26.39\ntext Edit32 x\ndump\ndump\n"));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    ASSERT_EQ(run.Dumps.size(), 2);
    const QJsonObject dump = run.Dumps[0];
    EXPECT_EQ(dump["edits"].toObject()["Edit32"].toString(), QStringLiteral("x"));
    EXPECT_EQ(dump["edits"].toObject()["Edit7"].toString(), QStringLiteral("25.5"));
    EXPECT_EQ(dump["labels"].toObject().size(), 52);
    EXPECT_EQ(dump["memos"].toObject()["Memo5"].toArray().size(), 0);
    EXPECT_FALSE(dump["buttons"].toObject()["Button7"].toObject()["visible"].toBool());
    EXPECT_EQ(dump["buttons"].toObject()["Button6"].toObject()["caption"].toString(), QString::fromUtf8("显示分布图"));
    EXPECT_EQ(dump["geometry"].toObject()["Edit1"].toArray(), (QJsonArray{106, 285, 79, 21}));
    EXPECT_EQ(dump["tabOrder"].toObject()["Button8"].toInt(), 53);
    const QJsonArray cells = dump["grid"].toObject()["cells"].toArray();
    // Cells beyond the counts are dumped too.
    EXPECT_TRUE(cells.contains(QJsonArray{6, 12, QStringLiteral("far")}));
    EXPECT_TRUE(cells.contains(QJsonArray{0, 0, QStringLiteral("26.39")}));
}

TEST(ScenarioRunner, UnknownCommandEndsWithStatusTwoNamingTheLine)
{
    const TRun run = RunScenario(QStringLiteral("dump\n\nfly away\ndump\n"));
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_EQ(run.Dumps.size(), 1);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("line 3"))) << run.Errors.toStdString();
}

TEST(ScenarioRunner, ACurrentCellOutsideTheGridIsRefused)
{
    const TRun run = RunScenario(QStringLiteral("current 4 9\ndump\ncurrent 5 0\ndump\n"));
    EXPECT_EQ(run.ExitCode, 2);
    ASSERT_EQ(run.Dumps.size(), 1);
    EXPECT_EQ(run.Dumps[0]["grid"].toObject()["current"].toArray(), (QJsonArray{4, 9}));
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("line 3"))) << run.Errors.toStdString();
}

TEST(ScenarioRunner, FileAnswersTheNextFileDialogAndWithoutItTheDialogIsCancelled)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const QString unwritable = dir.filePath(QStringLiteral("missing/report.pdf"));
    const TRun run = RunScenario(QStringLiteral("click Button2\nclick Button3\n"
                                                "action actionExportReport\n"
                                                "file %1\naction Chart2.saveImage\n"
                                                "action Chart2.saveImage\n"
                                                "file %2\naction actionExportReport\n"
                                                "action actionCopyResults\ndump\n")
                                     .arg(svg, unwritable));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    ASSERT_EQ(run.Dumps.size(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("chart.svg")});
    const QJsonArray errors = run.Dumps[0]["errors"].toArray();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].toObject()["text"].toString().contains(unwritable));
    // The window goes on: the results reach the clipboard afterwards.
    EXPECT_TRUE(run.Dumps[0]["clipboard"].toString().contains(QString::fromUtf8("总样本数\t25\r\n")));
}
