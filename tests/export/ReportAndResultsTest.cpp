// The report page as PDF and through a PDF printer, and the results table.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ExportTestSupport.h"
#include "FormControls.h"
#include "ReportPage.h"
#include "ResultsTable.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

const QDateTime Created(QDate(2026, 3, 14), QTime(9, 26));

void ExpectTheReportPage(const QString& pdf)
{
    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts (A4)"))) << info.toStdString();  // landscape
    EXPECT_TRUE(info.contains(QRegularExpression(U("Title:\\s+CPK-X-R控制图\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(U("Creator:\\s+CPK-X-R控制图 \\(cpk-xr ")))) << info.toStdString();
    // The heading and the widgets' own texts are text, not a picture of them.
    const QString text = PdfText(pdf);
    for (const char* shown :
         {"CPK-X-R控制图", "创建时间：2026-03-14 09:26", "总样本数：", "26.4011993408", "均值控制图"})
        EXPECT_TRUE(text.contains(U(shown))) << shown;
}

}  // namespace

TEST(Report, IsOneLandscapePageOfTheWholeFormAsPdfAndOnAPdfPrinter)
{
    QTemporaryDir dir;
    TForm1 form;
    ComputeSampleData(form);

    const QString exported = dir.filePath(QStringLiteral("report.pdf"));
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray pdf = ReportPdf(form, Created);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    file.write(pdf);
    file.close();
    ExpectTheReportPage(exported);

    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    PrintReport(form, printer, Created);
    ExpectTheReportPage(printed);
}

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
