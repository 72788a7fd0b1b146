// The batch program reads workbooks and study files through the window's
// readers: each gives the results of the same readings typed as text, the
// header rows and the ID and date columns left out by the import's guesses.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sstream>

#include "BatchInput.h"

namespace {

QByteArray Output(const QStringList& args, const QByteArray& input = {}, int* status = nullptr)
{
    QProcess batch;
    batch.start(QStringLiteral(BATCH_PROGRAM), QStringList{QStringLiteral("--format"), QStringLiteral("json"),
                                                           QStringLiteral("--decimal-separator"), QStringLiteral(".")} +
                                                   args);
    batch.write(input);
    batch.closeWriteChannel();
    batch.waitForFinished(60000);
    if (status)
        *status = batch.exitCode();
    return batch.readAllStandardOutput();
}

const QString Files = QStringLiteral(TEST_DATA_DIR "/files/");

TEST(BatchFiles, WorkbooksGiveTheResultsOfTheirReadingsAsText)
{
    // measure.*: 序号, X1, X2, 备注 over three rows; the guess takes X1 and X2 below the header.
    const QByteArray typed = Output({QStringLiteral("-")}, "26.39\t27.41\n\t23.65\n0.1\t-0.5\n");
    const QByteArray x2 = Output({QStringLiteral("-")}, "27.41\n23.65\n-0.5\n");
    for (const char* name : {"measure.xls", "measure.xlsx", "measure.ods"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Output({Files + QLatin1String(name)}), typed);
        EXPECT_EQ(
            Output({QStringLiteral("--columns"), QStringLiteral("3"), QStringLiteral("--header-rows"),
                    QStringLiteral("1"), QStringLiteral("--sheet"), QStringLiteral("1"), Files + QLatin1String(name)}),
            x2);
    }
    // dates.*: 序号, 日期, X1, X2; a text file is guessed as the workbooks are.
    const QByteArray dated = Output({QStringLiteral("-")}, "26.39\t27.41\n25.1\t23.65\n0.1\t-0.5\n");
    for (const char* name : {"dates.csv", "dates.xlsx", "dates.ods", "dates.xls"})
        EXPECT_EQ(Output({Files + QLatin1String(name)}), dated) << name;
    int status = 0;
    Output({QStringLiteral("--sheet"), QStringLiteral("没有"), Files + QStringLiteral("measure.xlsx")}, {}, &status);
    EXPECT_EQ(status, 2);
}

TEST(BatchFiles, AStudyFileGivesItsFieldsAndStudyInformationUnlessAnOptionSetsThem)
{
    QTemporaryDir dir;
    const QString study = dir.filePath(QStringLiteral("s.cpkx"));
    QFile file(study);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format":"cpk-xr-study","version":1,"decimalSeparator":",",
        "grid":{"colCount":2,"rowCount":3,"cells":[[0,0,"26,39"],[1,0,"27,41"],[1,1,"23,65"],[0,2,"0,1"],[1,2,"-0,5"],[4,4,"9"]]},
        "inputs":{"Edit6":"29","Edit7":"25,5","Edit8":"23","Edit32":"2"},
        "study":{"department":"机加工","note":"a\r\nb"}})");
    file.close();
    const QByteArray readings = "26.39\t27.41\n\t23.65\n0.1\t-0.5\n";
    EXPECT_EQ(Output({study}), Output({QStringLiteral("--usl"), QStringLiteral("29"), QStringLiteral("--subgroup-size"),
                                       QStringLiteral("2"), QStringLiteral("-")},
                                      readings));
    EXPECT_EQ(Output({QStringLiteral("--usl"), QStringLiteral("30"), study}),
              Output({QStringLiteral("--usl"), QStringLiteral("30"), QStringLiteral("--subgroup-size"),
                      QStringLiteral("2"), QStringLiteral("-")},
                     readings));

    // The study information comes with the input, for the report and the workbook.
    TBatchOptions options;
    options.InputPath = study.toStdString();
    std::istringstream none;
    const TStudyInfo info = ReadBatchInput(options, none, ".").Info;
    EXPECT_EQ(info[TStudyField::Department], QStringLiteral("机加工"));
    EXPECT_EQ(info[TStudyField::Note], QStringLiteral("a\r\nb"));
    EXPECT_TRUE(info[TStudyField::Part].isEmpty());
}

}  // namespace
