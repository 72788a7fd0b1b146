// The user's work in files, through the real window driven by the scenario
// runner: every format opened by the menu, a drop and the command line; the
// study file saved and reopened; the close question; the recovery copy; bad
// files. The workbooks are written here (or by LibreOffice, tests/data/files).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "ScenarioDumps.h"
#include "WorkbookFixtures.h"

namespace {

class DocumentsTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    std::string StdPath(const char* name) const { return Path(QLatin1String(name)).toStdString(); }

    // The runner with fresh user folders kept across the runs of one test.
    QList<QJsonObject> Run(const QString& script, const QStringList& arguments = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("data")));
        return ScenarioDumps(script, arguments, environment);
    }
    QJsonObject RunOne(const QString& script, const QStringList& arguments = {})
    {
        const auto dumps = Run(script + QStringLiteral("dump\n"), arguments);
        return dumps.isEmpty() ? QJsonObject() : dumps.last();
    }
    QStringList RecoveryCopies() const
    {
        return QDir(Path(QStringLiteral("data/cpk-xr"))).entryList({QStringLiteral("recovery*.cpkx")});
    }

    QTemporaryDir dir_;
};

QJsonArray Cells(const QJsonObject& dump) { return dump[QStringLiteral("grid")][QStringLiteral("cells")].toArray(); }
QJsonArray Cell(int col, int row, const char* text) { return QJsonArray{col, row, QString::fromUtf8(text)}; }
QString FirstError(const QJsonObject& dump)
{
    return dump[QStringLiteral("errors")].toArray().at(0)[QStringLiteral("text")].toString();
}

const TSheetRows Measurements = {
    {"序号", "日期", "X1", "X2"},
    {"1", "2026-03-01", "26.39", "27.41"},
    {"2", "2026-03-02", "24.52", "23.65"},
    {"3", "2026-03-03", "26.07", ""},
};

TEST_F(DocumentsTest, EveryFormatOpensByMenuDropAndCommandLine)
{
    WriteXlsx(StdPath("m.xlsx"), {{"测量", Measurements}});
    WriteOds(StdPath("m.ods"), {{"测量", Measurements}});
    // GB18030, as Chinese Excel writes CSV: 序号,日期,X1,X2
    WriteBytes(StdPath("m.csv"), "\xD0\xF2\xBA\xC5,\xC8\xD5\xC6\xDA,X1,X2\n1,2026-03-01,26.39,27.41\n"
                                 "2,2026-03-02,24.52,23.65\n3,2026-03-03,26.07,\n");
    const QJsonArray expected{Cell(0, 0, "26.39"), Cell(1, 0, "27.41"), Cell(0, 1, "24.52"), Cell(1, 1, "23.65"),
                              Cell(0, 2, "26.07")};
    for (const QString& file :
         {Path(QStringLiteral("m.xlsx")), Path(QStringLiteral("m.ods")), Path(QStringLiteral("m.csv"))}) {
        SCOPED_TRACE(file.toStdString());
        // Something typed before is replaced whole.
        const QJsonObject byMenu = RunOne(QStringLiteral("cell 4 9 old\nfile %1\naction actionOpen\n").arg(file));
        EXPECT_EQ(Cells(byMenu), expected);
        const QJsonObject record = byMenu[QStringLiteral("import")].toObject();
        EXPECT_EQ(record[QStringLiteral("headerRows")], 1);
        EXPECT_EQ(record[QStringLiteral("columns")], (QJsonArray{3, 4}));
        EXPECT_EQ(byMenu[QStringLiteral("title")], QStringLiteral("未命名* — CPK-X-R控制图"));
        EXPECT_EQ(Cells(RunOne(QStringLiteral("drop StringGrid1 %1\n").arg(file))), expected);
        EXPECT_EQ(Cells(RunOne(QString(), {file})), expected);
    }
    EXPECT_EQ(RunOne(QStringLiteral("file %1\naction actionOpen\n")
                         .arg(Path(QStringLiteral("m.csv"))))[QStringLiteral("import")][QStringLiteral("encoding")],
              QStringLiteral("GB18030"));
    EXPECT_EQ(Cells(RunOne(QString(), {QStringLiteral(TEST_DATA_DIR "/files/measure.xls")})),
              (QJsonArray{Cell(0, 0, "26.39"), Cell(1, 0, "27.41"), Cell(1, 1, "23.65"), Cell(0, 2, "0.1"),
                          Cell(1, 2, "-0.5")}));
}

TEST_F(DocumentsTest, AnImportIsOneUndoStepAndEnlargesTheGridAsAPasteDoes)
{
    std::string column = "X\n";
    for (int i = 0; i < 30; ++i)
        column += std::to_string(20 + i) + ".5\n";
    WriteBytes(StdPath("long.csv"), column);
    const auto dumps = Run(QStringLiteral("cell 0 0 keep\nfile %1\naction actionOpen\ndump\nkey Ctrl+Z\ndump\n")
                               .arg(Path(QStringLiteral("long.csv"))));
    ASSERT_EQ(dumps.size(), 2);
    const QJsonObject& opened = dumps[0];
    EXPECT_EQ(opened[QStringLiteral("questions")].toArray().at(0)[QStringLiteral("answer")],
              QStringLiteral("扩大表格"));
    EXPECT_EQ(opened[QStringLiteral("grid")][QStringLiteral("rowCount")], 30);
    EXPECT_EQ(Cells(opened).size(), 30);
    EXPECT_EQ(Cells(opened).last(), Cell(0, 29, "49.5"));
    EXPECT_EQ(Cells(dumps[1]), (QJsonArray{Cell(0, 0, "keep")}));
    EXPECT_EQ(dumps[1][QStringLiteral("grid")][QStringLiteral("rowCount")], 10);
}

TEST_F(DocumentsTest, ASavedStudyReopensWithByteIdenticalResults)
{
    const QString study = Path(QStringLiteral("cans.cpkx"));
    const QJsonObject saved =
        RunOne(QStringLiteral("click Button2\ncell 3 6 缺测\ncell 3 6 \ncell 2 7 x\ncell 2 7 \n"
                              "text Edit32 4\nclick Button3\naction actionExtendedAnalysis\n"
                              "choose ExtendedSigmaMethod rbar\nchoose ExtendedDistribution weibull\n"
                              "text ExtendedHistoricalMean 25.9\nfile %1\naction actionSave\n")
                   .arg(study));
    EXPECT_EQ(saved[QStringLiteral("title")], QStringLiteral("cans.cpkx — CPK-X-R控制图"));
    const QJsonObject reopened = RunOne(QString(), {study});
    EXPECT_EQ(reopened[QStringLiteral("title")], QStringLiteral("cans.cpkx — CPK-X-R控制图"));
    // The window 扩展分析 opens again with its choices and so its results.
    ASSERT_TRUE(saved.contains(QStringLiteral("extended")));
    for (const char* key : {"edits", "labels", "memos", "grid", "charts", "notices", "extended"})
        EXPECT_EQ(reopened[QLatin1String(key)], saved[QLatin1String(key)]) << key;
    EXPECT_EQ(reopened[QStringLiteral("recent")], (QJsonArray{study}));

    // Saved again unchanged, the file is the same byte for byte.
    QFile first(study);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray bytes = first.readAll();
    RunOne(QStringLiteral("file %1\naction actionSaveAs\n").arg(Path(QStringLiteral("again.cpkx"))), {study});
    QFile second(Path(QStringLiteral("again.cpkx")));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), bytes);

    // Under the other decimal separator the number texts follow it.
    const QJsonObject comma = RunOne(QStringLiteral("locale , .\nfile %1\naction actionOpen\n").arg(study));
    EXPECT_EQ(Cells(comma).at(0), Cell(0, 0, "26,39"));
    EXPECT_EQ(comma[QStringLiteral("edits")][QStringLiteral("Edit7")], QStringLiteral("25,5"));
    EXPECT_EQ(
        comma[QStringLiteral("edits")][QStringLiteral("Edit3")],
        saved[QStringLiteral("edits")][QStringLiteral("Edit3")].toString().replace(QLatin1Char('.'), QLatin1Char(',')));
}

TEST_F(DocumentsTest, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWork)
{
    const auto dumps = Run(QStringLiteral("cell 0 0 1\nanswer 取消\naction actionQuit\ndump\n"
                                          "answer 保存\nfile %1\naction actionQuit\ndump\n")
                               .arg(Path(QStringLiteral("kept.cpkx"))));
    ASSERT_EQ(dumps.size(), 2);
    const QJsonObject question = dumps[0][QStringLiteral("questions")].toArray().at(0).toObject();
    EXPECT_EQ(question[QStringLiteral("text")], QStringLiteral("是否保存对“未命名”的更改？"));
    EXPECT_EQ(question[QStringLiteral("buttons")],
              (QJsonArray{QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")}));
    EXPECT_EQ(dumps[0][QStringLiteral("title")], QStringLiteral("未命名* — CPK-X-R控制图"));
    EXPECT_EQ(dumps[1][QStringLiteral("title")], QStringLiteral("kept.cpkx — CPK-X-R控制图"));
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("kept.cpkx"))));
    // Nothing unsaved: closing asks nothing.
    EXPECT_TRUE(RunOne(QStringLiteral("action actionQuit\n"))[QStringLiteral("questions")].toArray().isEmpty());
}

TEST_F(DocumentsTest, AKilledWindowsWorkIsOfferedBackAtTheNextStart)
{
    // The runner ends without closing its window, as a crash would.
    Run(QStringLiteral("cell 1 2 27.5\nwait 3500\n"));
    ASSERT_EQ(RecoveryCopies().size(), 1);
    const QJsonObject restored = RunOne(QString());
    EXPECT_EQ(restored[QStringLiteral("questions")].toArray().at(0)[QStringLiteral("answer")], QStringLiteral("恢复"));
    EXPECT_EQ(Cells(restored), (QJsonArray{Cell(1, 2, "27.5")}));
    EXPECT_EQ(restored[QStringLiteral("title")], QStringLiteral("未命名* — CPK-X-R控制图"));
    // A clean exit removes the copy.
    Run(QStringLiteral("answer 不保存\naction actionQuit\n"));
    EXPECT_TRUE(RecoveryCopies().isEmpty());
}

TEST_F(DocumentsTest, TwoWindowsKeepARecoveryCopyEach)
{
    // Window A runs on while window B changes its own grid; both end as a crash would.
    QProcess windowA;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("data")));
    windowA.setProcessEnvironment(environment);
    windowA.start(QStringLiteral(SCENARIO_RUNNER));
    windowA.write("cell 0 0 1\nwait 3500\nwait 3000\n");
    windowA.closeWriteChannel();
    Run(QStringLiteral("cell 0 0 2\nwait 3500\n"));
    ASSERT_TRUE(windowA.waitForFinished(60000));
    ASSERT_EQ(RecoveryCopies().size(), 2);
    // Each later start restores one of them and closes without saving; neither overwrote the other.
    QStringList restored;
    for (int start = 0; start < 2; ++start)
        restored
            << Cells(RunOne(QStringLiteral("answer 不保存\naction actionQuit\n"))).at(0).toArray().at(2).toString();
    restored.sort();
    EXPECT_EQ(restored, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(RecoveryCopies().isEmpty());
}

TEST_F(DocumentsTest, BadFilesLeaveTheGridAndSayWhatIsWrong)
{
    WriteBytes(StdPath("binary.csv"), std::string("\x7F"
                                                  "ELF\x02\x01\x01\0\0\0",
                                                  10));
    WriteZip(StdPath("broken.xlsx"), {{"xl/workbook.xml", "<workbook><sheets><sheet name=\"a\""}});
    WriteBytes(StdPath("future.cpkx"), R"({"format":"cpk-xr-study","version":99})");
    WriteBytes(StdPath("numbered.cpkx"), R"({"format":"cpk-xr-study","version":1,"study":{"department":42}})");
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("binary.csv"), QStringLiteral("NUL")},
        {QStringLiteral("broken.xlsx"), QStringLiteral("不是有效的 XML")},
        {QStringLiteral("future.cpkx"), QStringLiteral("版本 99")},
        {QStringLiteral("numbered.cpkx"), QStringLiteral("研究信息“部门”")},
        {QStringLiteral("vanished.ods"), QStringLiteral("文件不存在")},
        {QStringLiteral(TEST_DATA_DIR "/files/bomb.ods"), QStringLiteral("压缩炸弹")},
    };
    for (const auto& [name, why] : cases) {
        SCOPED_TRACE(name.toStdString());
        const QString path = name.startsWith(QLatin1Char('/')) ? name : Path(name);
        const QJsonObject dump = RunOne(QStringLiteral("cell 0 0 1.5\nfile %1\naction actionOpen\n").arg(path));
        EXPECT_EQ(Cells(dump), (QJsonArray{Cell(0, 0, "1.5")}));
        const QString error = FirstError(dump);
        EXPECT_TRUE(error.contains(path.section(QLatin1Char('/'), -1))) << error.toStdString();
        EXPECT_TRUE(error.contains(why)) << error.toStdString();
    }
}

}  // namespace
