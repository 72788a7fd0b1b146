// The results workbook as LibreOffice Calc opens it: every cell shows the
// window's text, any study text comes back whole, the window and the batch
// write the same workbook, and a path that cannot be written leaves nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <unzip.h>

#include <map>

#include "FormControls.h"
#include "GoldenTexts.h"
#include "ResultsWorkbook.h"
#include "ScenarioDumps.h"
#include "Unit1.h"
#include "WindowFields.h"
#include "WorkbookExport.h"
#include "ZipArchive.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

using TSheet = QList<QStringList>;

// CSV as LibreOffice writes it: quoted fields may hold quotes ("") and line breaks.
TSheet ParseCsv(const QString& text)
{
    TSheet rows(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"')
            quoted = true;
        else if (c == ',')
            rows.back() << std::exchange(field, {});
        else if (c == '\n') {
            rows.back() << std::exchange(field, {});
            rows.append(QStringList());
        } else
            field += c;
    }
    if (rows.back().isEmpty())
        rows.removeLast();
    return rows;
}

// Every sheet of the workbooks as Calc shows its cells (its CSV export of the
// texts as shown), by "file-sheet". One Calc run converts them all.
std::map<QString, TSheet> ShownSheets(const QStringList& workbooks, const QTemporaryDir& dir)
{
    const QString out = dir.filePath(QStringLiteral("csv"));
    QProcess calc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    calc.setProcessEnvironment(environment);
    calc.start(
        QStringLiteral("soffice"),
        QStringList{QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                    QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                    QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1"),
                    QStringLiteral("--outdir"), out} +
            workbooks);
    EXPECT_TRUE(calc.waitForFinished(240000)) << "soffice did not finish";
    EXPECT_EQ(calc.exitCode(), 0) << calc.readAllStandardError().toStdString();
    std::map<QString, TSheet> sheets;
    for (const QFileInfo& csv : QDir(out).entryInfoList({QStringLiteral("*.csv")}, QDir::Files)) {
        QFile file(csv.filePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        sheets[csv.completeBaseName()] = ParseCsv(QString::fromUtf8(file.readAll()));
    }
    return sheets;
}

QString Cell(const TSheet& sheet, qsizetype row, qsizetype col)
{
    return row < sheet.size() && col < sheet[row].size() ? sheet[row][col] : QString();
}

// The row whose first cell is name, and the cells after it joined (a long text continues to the right).
QString ValueOf(const TSheet& sheet, const QString& name)
{
    for (const QStringList& row : sheet)
        if (!row.isEmpty() && row.front() == name)
            return row.mid(1).join(QString());
    return QStringLiteral("<no row %1>").arg(name);
}

QString AfterCaption(const QString& line) { return line.mid(line.indexOf(QStringLiteral("=:")) + 2); }

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The images of a workbook by their part name.
std::map<QString, QByteArray> Images(const QString& workbook)
{
    std::map<QString, QByteArray> images;
    const TZipArchive zip(workbook.toStdString(), "不是有效的 XLSX 文件");
    for (int more = unzGoToFirstFile(zip.Handle()); more == UNZ_OK; more = unzGoToNextFile(zip.Handle())) {
        char name[256];
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(zip.Handle(), &info, name, sizeof name, nullptr, 0, nullptr, 0);
        if (!QString::fromUtf8(name).startsWith(QStringLiteral("xl/media/")) || unzOpenCurrentFile(zip.Handle()))
            continue;
        QByteArray bytes(qsizetype(info.uncompressed_size), Qt::Uninitialized);
        unzReadCurrentFile(zip.Handle(), bytes.data(), unsigned(bytes.size()));
        unzCloseCurrentFile(zip.Handle());
        images[QString::fromUtf8(name)] = bytes;
    }
    return images;
}

QByteArray StudyFile(const QJsonObject& study)
{
    QJsonArray cells;
    const char* readings[6][5] = {
        {"26.39", "27.41", "25.82", "27.93", "24.30"}, {"28.1", "26.7", "25.3", "29.2", "22.1"},
        {"26.0", "26.5", "27.1", "23.9", "28.35"},     {"25.5", "24.95", "30.77", "23.41", "29"},
        {"26.6", "25.9", "26.2", "27.0", "24.4"},      {"1E-5", "26.390", "", "", ""}};
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 5; ++col)
            if (*readings[row][col])
                cells.append(QJsonArray{col, row, QString::fromLatin1(readings[row][col])});
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), QStringLiteral("cpk-xr-study")},
                                     {QStringLiteral("version"), 1},
                                     {QStringLiteral("decimalSeparator"), QStringLiteral(".")},
                                     {QStringLiteral("grid"), QJsonObject{{QStringLiteral("colCount"), 5},
                                                                          {QStringLiteral("rowCount"), 10},
                                                                          {QStringLiteral("cells"), cells}}},
                                     {QStringLiteral("study"), study}})
        .toJson();
}

QProcessEnvironment FreshUserFolders(const QTemporaryDir& dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    return environment;
}

int RunBatch(const QStringList& arguments, QByteArray* standardError = nullptr)
{
    QProcess batch;
    batch.start(QStringLiteral(BATCH_PROGRAM), arguments);
    EXPECT_TRUE(batch.waitForFinished(60000));
    if (standardError)
        *standardError = batch.readAllStandardError();
    return batch.exitStatus() == QProcess::NormalExit ? batch.exitCode() : -1;
}

}  // namespace

TEST(ResultsWorkbook, ShowsEveryValueAsTheWindowDoesAndKeepsAnyStudyText)
{
    QTemporaryDir dir;
    TForm1 form;
    form.Button2Click();
    form.Button3Click();
    TStudyInfo study;
    study[TStudyField::Part] = U("罐体 \"A-17\" 'B'\n第二行");
    study[TStudyField::Note] = QString(10000, QChar(u'长'));
    // Longer than a cell holds: it continues in the next cell.
    study[TStudyField::Specification] = QString(40000, QLatin1Char('x')) + U("尾");
    study[TStudyField::Gauge] = U("\u200f右到左\u202e _x0041_ \x01 =1+1");
    const QString path = dir.filePath(QStringLiteral("results.xlsx"));
    WriteFile(path, ResultsWorkbookBytes(FormWorkbookContents(form, study)));

    auto sheets = ShownSheets({path}, dir);
    ASSERT_EQ(sheets.size(), 5u);
    const TSheet& results = sheets[QStringLiteral("results-结果")];
    for (const TStudyFieldInfo& field : StudyFields)
        EXPECT_EQ(ValueOf(results, U(field.Name)), study[field.Field]) << field.Key;
    // Sample data of the form's 单元格赋值, golden value of the mean.
    EXPECT_EQ(ValueOf(results, U("平均值")), FromUtf8(SampleDataResult("mean")));
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Input && field->Role != TFieldRole::Result)
            continue;
        EXPECT_EQ(ValueOf(results, FromUtf8(field->Label)), QString::fromStdString(form.Text(*field))) << field->Key;
    }
    for (const QString& line : form.Memo(QStringLiteral("Memo5"))->Lines())
        EXPECT_EQ(ValueOf(results, line.left(line.indexOf(QStringLiteral("=:")))), AfterCaption(line));

    const TSheet& data = sheets[QStringLiteral("results-数据")];
    for (int row = 0; row < form.RowCount(); ++row)
        for (int col = 0; col < form.ColCount(); ++col)
            EXPECT_EQ(Cell(data, row, col), QString::fromStdString(form.Cell(col, row))) << col << "," << row;

    const TSheet& subgroups = sheets[QStringLiteral("results-子组")];
    const QStringList sums = form.Memo(QStringLiteral("Memo6"))->Lines();
    const QStringList means = form.Memo(QStringLiteral("Memo7"))->Lines();
    const QStringList ranges = form.Memo(QStringLiteral("Memo8"))->Lines();
    ASSERT_EQ(subgroups.size(), sums.size() + 1);
    for (qsizetype j = 0; j < sums.size(); ++j)
        EXPECT_EQ(subgroups[j + 1], (QStringList{QString::number(j + 1), AfterCaption(sums[j]), AfterCaption(means[j]),
                                                 AfterCaption(ranges[j])}));

    const TSheet& histogram = sheets[QStringLiteral("results-直方图")];
    const QStringList classes = form.Memo(QStringLiteral("Memo1"))->Lines();
    const QStringList frequencies = form.Memo(QStringLiteral("Memo2"))->Lines();
    const QStringList overall = form.Memo(QStringLiteral("Memo3"))->Lines();
    const QStringList within = form.Memo(QStringLiteral("Memo4"))->Lines();
    EXPECT_EQ(Cell(histogram, 0, 1), AfterCaption(classes[0]));
    ASSERT_EQ(histogram.size(), 15);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(histogram[i + 3], (QStringList{AfterCaption(classes[i + 1]), AfterCaption(frequencies[i]),
                                                 AfterCaption(overall[i]), AfterCaption(within[i])}));

    const std::map<QString, QByteArray> images = Images(path);
    ASSERT_EQ(images.size(), 4u);
    for (const auto& [name, png] : images)
        EXPECT_TRUE(png.startsWith("\x89PNG")) << name.toStdString();
}

TEST(ResultsWorkbook, TheWindowAndTheBatchWriteTheSameWorkbookOfAStudyFile)
{
    QTemporaryDir dir;
    const QString study = dir.filePath(QStringLiteral("bore.cpkx"));
    WriteFile(study, StudyFile({{QStringLiteral("part"), U("罐体 A-17")},
                                {QStringLiteral("operator"), U("王工")},
                                {QStringLiteral("note"), U("首批\n试产")}}));
    const QString window = dir.filePath(QStringLiteral("window.xlsx"));
    const QString batch = dir.filePath(QStringLiteral("batch.xlsx"));
    const QList<QJsonObject> dumps = ScenarioDumps(
        QStringLiteral("file %1\naction actionExportExcel\ndump\n").arg(window), {study}, FreshUserFolders(dir));
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_TRUE(dumps[0][QStringLiteral("errors")].toArray().isEmpty());
    ASSERT_EQ(RunBatch({study, QStringLiteral("--xlsx"), batch}), 0);

    auto sheets = ShownSheets({window, batch}, dir);
    ASSERT_EQ(sheets.size(), 10u);
    for (const char* sheet : {"结果", "数据", "子组", "直方图", "图表"})
        EXPECT_EQ(sheets[U("window-") + U(sheet)], sheets[U("batch-") + U(sheet)]) << sheet;
    const TSheet& results = sheets[U("batch-结果")];
    EXPECT_EQ(ValueOf(results, U("零件号/名称")), U("罐体 A-17"));
    EXPECT_EQ(ValueOf(results, U("备注")), U("首批\n试产"));
    EXPECT_EQ(ValueOf(results, U("最小值")), QStringLiteral("9.99999974737875E-6"));
    // The readings as written, numbers and all.
    EXPECT_EQ(sheets[U("batch-数据")][5], (QStringList{QStringLiteral("1E-5"), QStringLiteral("26.390"), {}, {}, {}}));
    EXPECT_EQ(Images(window), Images(batch));
}

TEST(ResultsWorkbook, APathThatCannotBeWrittenGetsTheMessageAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing/results.xlsx"));
    // Stale results are asked about first; cancelled, nothing is written.
    const QList<QJsonObject> dumps = ScenarioDumps(
        QStringLiteral("click Button2\nclick Button3\ncell 0 0 27\nanswer 取消\nfile %1\naction actionExportExcel\n"
                       "dump\nfile %2\naction actionExportExcel\ndump\nfile %3\naction actionExportExcel\ndump\n")
            .arg(dir.filePath(QStringLiteral("cancelled.xlsx")), missing, dir.path()),
        {}, FreshUserFolders(dir));
    ASSERT_EQ(dumps.size(), 3);
    EXPECT_EQ(dumps[0][QStringLiteral("questions")].toArray().size(), 1);
    EXPECT_TRUE(dumps[0][QStringLiteral("errors")].toArray().isEmpty());
    for (const QJsonObject& dump : dumps.mid(1)) {
        const QJsonArray errors = dump[QStringLiteral("errors")].toArray();
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0][QStringLiteral("text")].toString().startsWith(U("无法保存文件“")))
            << errors[0][QStringLiteral("text")].toString().toStdString();
    }

    const QString sample = dir.filePath(QStringLiteral("sample.txt"));
    WriteFile(sample, "26.39\t27.41\t25.82\t27.93\t24.30\n28.1\t26.7\t25.3\t29.2\t22.1\n");
    QByteArray message;
    EXPECT_EQ(RunBatch({sample, QStringLiteral("--xlsx"), missing}, &message), 2);
    EXPECT_TRUE(message.contains("无法保存文件“")) << message.toStdString();
    // Nothing was left behind: no workbook, no temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sample.txt")});
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}
