// cpk-xr-batch as a user runs it: exit status, standard error, the Cans data
// set of 100 fill weights, and the chart files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <string>
#include <vector>

#include "GoldenTexts.h"
#include "SampleData.h"
#include "ScenarioDumps.h"

namespace {

struct TResult {
    int Status;
    QByteArray Out, Err;
};

TResult Batch(const QStringList& args, const QByteArray& input = {})
{
    QProcess batch;
    batch.start(QStringLiteral(BATCH_PROGRAM), args);
    batch.write(input);
    batch.closeWriteChannel();
    batch.waitForFinished(60000);
    return {batch.exitStatus() == QProcess::NormalExit ? batch.exitCode() : -1, batch.readAllStandardOutput(),
            batch.readAllStandardError()};
}

const QString Cans = QStringLiteral(TEST_DATA_DIR "/cans.csv");

QJsonObject Results(const QByteArray& json) { return QJsonDocument::fromJson(json).object()["results"].toObject(); }

}  // namespace

TEST(BatchProgram, CansRunsThroughWithTheSasValues)
{
    const TResult run = Batch({"--format", "json", "--extended", "--usl", "12.05", "--target", "12", "--lsl", "11.95",
                               "--decimal-separator", ".", Cans});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
    const QJsonObject results = Results(run.Out);
    EXPECT_EQ(results["count"]["text"].toString(), "100");
    EXPECT_EQ(results["count"]["control"].toString(), "Edit1");
    EXPECT_EQ(results["mean"]["label"].toString(), QString::fromUtf8("平均值"));
    // SAS/QC User's Guide, CAPABILITY procedure, data set Cans (Figure 5.2): mean
    // 12.0093, s 0.04695269487, Cpk 0.288943, Pp 0.354967; in single precision as
    // the window shows it.
    EXPECT_EQ(results["mean"]["text"].toString(), "12.0093002319336");
    EXPECT_EQ(results["mean"]["value"].toDouble(), 12.0093002319336);
    EXPECT_EQ(results["stdDevOverall"]["text"].toString(), "0.0469526948700024");
    EXPECT_EQ(results["cpkOverall"]["text"].toString(), "0.288943022489548");
    const QJsonObject extended = QJsonDocument::fromJson(run.Out).object()["extended"].toObject();
    EXPECT_NEAR(extended["indices"]["Pp"]["value"].toDouble(), 0.354967, 5e-7);
    // The charts without their points unless --chart-points asks for them.
    const QJsonObject charts = QJsonDocument::fromJson(run.Out).object()["charts"].toObject();
    EXPECT_EQ(charts.size(), 4);
    ASSERT_FALSE(charts["Chart2"]["series"].toArray().isEmpty());
    EXPECT_FALSE(charts["Chart2"]["series"][0].toObject().contains("points"));
}

// The extended analysis's selectors on the command line: rows with missing cells
// as subgroups (recomputed: pooled sigma 2.58941967 with d = 14), the S chart,
// a historical sigma and the best fit.
TEST(BatchProgram, ExtendedOptionsChooseAsTheWindowsSelectors)
{
    const QByteArray rows = "50.9;48.6;50.5;46.6\n51.5;;46.9\n50.0;49.8;48.4;55.7;48.8\n;;;50.9\n"
                            "52.2;47.6;;;52.7\n49.8;52.0;48.2;47.9;52.4\n";
    TResult run = Batch({"--format", "json", "--extended", "--subgroups", "rows", "--chart", "xbarS", "--distribution",
                         "best", "--historical-sigma", "2.5", "--decimal-separator", ".", "-"},
                        rows);
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject extended = QJsonDocument::fromJson(run.Out).object()["extended"].toObject();
    EXPECT_EQ(extended["subgroups"].toString(), "rows");
    EXPECT_TRUE(extended["subgroupSize"].isNull());
    EXPECT_NEAR(extended["sigmaWithin"]["value"].toDouble(), 2.58941967, 1e-8);
    const QJsonArray sCentre = extended["charts"]["s"]["centre"].toArray();
    ASSERT_EQ(sCentre.size(), 6);
    EXPECT_TRUE(sCentre[3].isNull());                             // the row of one value has no deviation
    EXPECT_NEAR(sCentre[0].toDouble(), 2.5 * 0.921317732, 1e-8);  // c4(4) sigma0
    EXPECT_EQ(extended["historical"]["sigma"].toDouble(), 2.5);
    EXPECT_TRUE(extended["historical"]["mean"].isNull());
    EXPECT_EQ(extended["distribution"]["fits"].toArray().size(), 4);
    EXPECT_NE(extended["distribution"]["selected"].toString(), "best");

    // A historical value that is no number is said in the messages and not used.
    run = Batch({"--format", "json", "--extended", "--historical-mean", "abc", "--decimal-separator", ".", "-"}, rows);
    const QJsonObject unused = QJsonDocument::fromJson(run.Out).object()["extended"].toObject();
    EXPECT_TRUE(unused["historical"]["mean"].isNull());
    EXPECT_TRUE(unused["messages"].toArray().first().toString().contains("abc"));
    // The selectors belong to --extended and take only their items.
    for (const QStringList& args :
         {QStringList{"--distribution", "weibull"}, QStringList{"--format", "json", "--extended", "--chart", "xbarQ"}})
        EXPECT_EQ(Batch(args, rows).Status, 2) << args.join(' ').toStdString();
}

// The 单元格赋值 readings as a file of five columns: every text as the golden file holds it.
TEST(BatchProgram, SampleDataGivesTheGoldenTexts)
{
    QByteArray file;
    for (int row = 0; row < SampleRows; ++row)
        for (int col = 0; col < SampleColumns; ++col)
            file += QByteArray(SampleText(col, row)) + (col + 1 < SampleColumns ? "\t" : "\r\n");
    const TResult run = Batch({"--format", "csv", "--decimal-separator", "."}, file);
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    std::map<std::string, std::vector<std::string>> texts;
    for (const QByteArray& row : run.Out.split('\n').mid(1))
        if (const qsizetype comma = row.indexOf(','); comma > 0)
            texts[row.left(comma).toStdString()].push_back(row.mid(comma + 1).chopped(1).toStdString());
    for (const auto& [key, lines] : SampleDataResults())
        EXPECT_EQ(texts[key], lines) << key;
    EXPECT_EQ(texts.size(), SampleDataResults().size());
}

TEST(BatchProgram, ExitStatusSaysHowTheRunEnded)
{
    // 1: the computation stopped; standard error has the message as the error box shows it.
    TResult run = Batch({"--decimal-separator", ".", "--format", "csv"}, "25.1\nabc\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err.toStdString(), "'abc' is not a valid floating point value.\n");
    EXPECT_TRUE(run.Out.startsWith("key,text\r\nsubgroupCount,\r\n")) << run.Out.toStdString();

    // The comma as decimal separator, ";" between fields, the window's other limits typed as such.
    run = Batch({"--decimal-separator", ",", "--target", "25,5", "--subgroup-size", "2", "--format", "text", "-"},
                "25,1;26,3\n24,9;25,5\n");
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QString::fromUtf8("总样本数：4\n").toUtf8())) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(QString::fromUtf8("平均值：25,4500007629395\n").toUtf8())) << run.Out.toStdString();
    // The same file in a "." locale: never four readings, and standard error says how it was read.
    run = Batch({"--target", "25,5", "--subgroup-size", "2", "--format", "text", "-"}, "25,1;26,3\n24,9;25,5\n");
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QString::fromUtf8("总样本数：4\n").toUtf8())) << run.Out.toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8("小数分隔符为“,”").toUtf8())) << run.Err.toStdString();

    // 2: usage and input errors, named in Chinese.
    for (const QStringList& args :
         {QStringList{"/nonexistent/values.csv"}, QStringList{"--format", "xml"}, QStringList{"--usl"},
          QStringList{"--report"}, QStringList{"--decimal-separator", ";", Cans}, QStringList{"a.csv", "b.csv"},
          QStringList{"--extended", Cans}, QStringList{"--chart-points", Cans}}) {
        run = Batch(args);
        EXPECT_EQ(run.Status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Err.startsWith(QString::fromUtf8("cpk-xr-batch：").toUtf8())) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
    EXPECT_EQ(Batch({"--decimal-separator", "."}, "").Status, 2);
    EXPECT_EQ(Batch({"--help"}).Status, 0);
}

// A study of 125 readings in 25 rows, with its study information and the
// window 扩展分析 open.
QByteArray StudyOf125Readings()
{
    QJsonArray cells;
    for (int i = 0; i < 125; ++i)
        cells.append(QJsonArray{i % 5, i / 5, QString::number(25.5 + ((i * 37) % 101 - 50) / 40.0, 'f', 2)});
    const QJsonObject study{
        {"format", "cpk-xr-study"},
        {"version", 1},
        {"decimalSeparator", "."},
        {"grid", QJsonObject{{"colCount", 5}, {"rowCount", 25}, {"cells", cells}}},
        {"inputs", QJsonObject{{"Edit6", "28"}, {"Edit7", "25.5"}, {"Edit8", "23"}, {"Edit32", "5"}}},
        {"extended", QJsonObject{{"ExtendedSigmaMethod", "pooled"}}},
        {"study", QJsonObject{{"part", QString::fromUtf8("罐体 A-17")},
                              {"operator", QString::fromUtf8("王小明 \"Wang\"")},
                              {"note", QString::fromUtf8("第一行\n第二行")}}}};
    return QJsonDocument(study).toJson();
}

QString PdfText(const QString& pdf)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

TEST(BatchProgram, ReportIsTheWindowsReport)
{
    QTemporaryDir dir;
    const QString studyPath = dir.filePath(QStringLiteral("cans.cpkx"));
    QFile studyFile(studyPath);
    ASSERT_TRUE(studyFile.open(QIODevice::WriteOnly));
    studyFile.write(StudyOf125Readings());
    studyFile.close();

    const QString batchPdf = dir.filePath(QStringLiteral("batch.pdf"));
    const TResult run = Batch({"--extended", "--report", batchPdf, studyPath});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QString windowPdf = dir.filePath(QStringLiteral("window.pdf"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    const QList<QJsonObject> dumps = ScenarioDumps(
        QStringLiteral("file %1\naction actionExportReport\ndump\n").arg(windowPdf), {studyPath}, environment);
    ASSERT_EQ(dumps.size(), 1);
    ASSERT_TRUE(dumps[0].contains(QStringLiteral("extended")));

    const QString text = PdfText(windowPdf);
    EXPECT_EQ(PdfText(batchPdf), text);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = text.split(blanks, Qt::SkipEmptyParts);
    for (const QJsonValue cell : dumps[0]["grid"]["cells"].toArray())
        EXPECT_TRUE(words.contains(cell[2].toString())) << cell[2].toString().toStdString();
    int lines = 0;
    for (const QJsonValue memo : dumps[0]["memos"].toObject())
        for (const QJsonValue line : memo.toArray()) {
            EXPECT_TRUE(words.contains(line.toString())) << line.toString().toStdString();
            ++lines;
        }
    EXPECT_EQ(lines, 13 + 3 * 12 + 3 * 25 + 11);
    for (const char* shown : {"罐体 A-17", "王小明 \"Wang\"", "第二行", "扩展分析", "Ppk", "Anderson-Darling"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown;
    // The charts are drawn as vectors: the report holds no raster image.
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), windowPdf});
    ASSERT_TRUE(images.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).count('\n'), 2);

    // A report that cannot be written names its file and leaves nothing behind.
    const QString unwritable = dir.filePath(QStringLiteral("missing/cans.pdf"));
    const TResult failed = Batch({"--report", unwritable, "--decimal-separator", ".", Cans});
    EXPECT_EQ(failed.Status, 2);
    EXPECT_TRUE(failed.Err.contains(unwritable.toUtf8())) << failed.Err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(unwritable));
}

TEST(BatchProgram, ReportPaperIsLetterWhereTheLocaleUsesLetter)
{
    QTemporaryDir dir;
    const std::pair<const char*, const char*> papers[] = {{"en_US.UTF-8", "612 x 792 pts (letter)"},
                                                          {"en_CA.UTF-8", "612 x 792 pts (letter)"},
                                                          {"zh_CN.UTF-8", "595 x 842 pts (A4)"},
                                                          {"de_DE.UTF-8", "595 x 842 pts (A4)"}};
    for (const auto& [locale, paper] : papers) {
        const QString pdf = dir.filePath(QString::fromLatin1(locale) + QStringLiteral(".pdf"));
        QProcess batch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        batch.setProcessEnvironment(environment);
        batch.start(QStringLiteral(BATCH_PROGRAM), {"--report", pdf, "--decimal-separator", ".", Cans});
        ASSERT_TRUE(batch.waitForFinished(60000));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        ASSERT_TRUE(info.waitForFinished(30000));
        const QString shown = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(shown.contains(QString::fromLatin1(paper))) << locale << "\n" << shown.toStdString();
    }
}

TEST(BatchProgram, ChartFilesAreWrittenAtTheWindowsSizes)
{
    QTemporaryDir dir;
    const QString charts = dir.filePath(QStringLiteral("charts"));
    TResult run = Batch({"--charts", charts, "--decimal-separator", ".", Cans});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    // Twice the window's pixels.
    EXPECT_EQ(QImage(charts + "/Chart2.png").size(), QSize(1110, 500));
    EXPECT_EQ(QImage(charts + "/cht1.png").size(), QSize(1544, 972));
    EXPECT_EQ(QDir(charts).entryList(QDir::Files).size(), 4);
    for (const char* format : {"svg", "pdf"}) {
        run = Batch({"--charts", charts, "--chart-format", format, "--decimal-separator", ".", Cans});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        EXPECT_GT(QFileInfo(charts + "/Chart1." + format).size(), 1000) << format;
    }
}
