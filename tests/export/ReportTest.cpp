// The report: the grade of a CPK; every result, reading and memo line of the
// sample data as text on portrait pages, the charts as vectors, the same on a
// PDF printer; study texts of any length and character.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "CapabilityGrade.h"
#include "ExportTestSupport.h"
#include "FormControls.h"
#include "FormReport.h"
#include "NumberSettings.h"
#include "ReportPages.h"
#include "ResultsState.h"
#include "StringGrid.h"
#include "WindowFields.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QString Written(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QStringList Words(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts);
}

// pdfimages lists every raster image; a vector drawing has none larger than an icon.
void ExpectNoPictures(const QString& pdf)
{
    const QStringList lines = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n');
    ASSERT_GE(lines.size(), 2) << lines.join('\n').toStdString();
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = Words(line);
        if (fields.size() > 4) {
            EXPECT_TRUE(fields[3].toInt() <= 64 && fields[4].toInt() <= 64) << line.toStdString();
        }
    }
}

}  // namespace

TEST(CapabilityGrade, EachGradeStartsAtItsLowerBoundAndIsReadFromTheWindowsText)
{
    const std::pair<const char*, const char*> grades[] = {{"2", "A++"},
                                                          {"25.3", "A++"},
                                                          {"1.99999999999999", "A+"},
                                                          {"1.67", "A+"},
                                                          {"1.66999999999999", "A"},
                                                          {"1.33", "A"},
                                                          {"1.3299", "B"},
                                                          {"1", "B"},
                                                          {"0.9999", "C"},
                                                          {"0.67", "C"},
                                                          {"0.6699", "D"},
                                                          {"1E-5", "D"},
                                                          {"-78.0267562866211", "D"},
                                                          {"abc", ""},
                                                          {"", ""}};
    for (const auto& [text, grade] : grades)
        EXPECT_EQ(GradeOfCpkText(U(text)).Grade, U(grade)) << text;
    EXPECT_EQ(GradeOfCpkText(U("2")).Judgement, U("过程能力极充足，可考虑放宽检验或降低成本"));

    TNumberSettings& settings = NumberSettings();
    const TNumberSettings kept = settings;
    settings.DecimalSeparator.assign(1, ',');
    EXPECT_EQ(GradeOfCpkText(U("1,33")).Grade, U("A"));
    EXPECT_EQ(GradeOfCpkText(U("1.33")).Grade, QString());
    settings = kept;
}

TEST(Report, HoldsEveryResultReadingAndMemoLineOfTheSampleDataOnPortraitPagesAndOnAPrinter)
{
    QTemporaryDir dir;
    TForm1 form;
    ComputeSampleData(form);
    TStudyInfo study;
    study[TStudyField::Part] = U("罐体 A-17");
    study[TStudyField::Gauge] = U("外径千分尺 #M-114");
    const TReportContent content = FormReportContent(form, study, nullptr);
    const QString pdf = Written(dir, QStringLiteral("report.pdf"), ReportPdf(content, QStringLiteral("test")));

    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(U("Title:\\s+过程能力研究报告：罐体 A-17\\n")))) << info.toStdString();
    const QString text = PdfText(pdf);
    const QStringList words = Words(text);
    for (const TWindowField* field : WindowFields()) {
        if (field->Role == TFieldRole::Result) {
            const QString shown = QString::fromStdString(form.Text(*field));
            EXPECT_TRUE(text.contains(shown)) << shown.toStdString();
        }
    }
    const TStringGrid& grid = *form.StringGrid1();
    int readings = 0;
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            if (const QString cell = grid.Cells(col, row); !cell.isEmpty()) {
                EXPECT_TRUE(words.contains(cell)) << cell.toStdString();
                ++readings;
            }
    EXPECT_EQ(readings, 25);
    for (const char* memo : {"Memo1", "Memo2", "Memo3", "Memo4", "Memo5", "Memo6", "Memo7", "Memo8"})
        for (const QString& line : form.Memo(QLatin1String(memo))->Lines())
            EXPECT_TRUE(words.contains(line)) << memo << ": " << line.toStdString();
    // The study, today's date when none is given, the grade of a CPK of 0.29.
    for (const char* shown : {"罐体 A-17", "外径千分尺 #M-114", "过程能力严重不足"})
        EXPECT_TRUE(text.contains(U(shown))) << shown;
    EXPECT_TRUE(words.contains(QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_TRUE(text.contains(QRegularExpression(U("第\\s*1\\s*页\\s*共\\s*\\d+\\s*页"))));
    ExpectNoPictures(pdf);

    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer, QStringLiteral("test"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(printed);
    PrintReport(content, printer);
    EXPECT_EQ(PdfText(printed), text);
}

TEST(Report, ResultsExportedAnywayAfterAChangeAreMarkedStale)
{
    TForm1 form;
    const TResultsState state(form);
    form.Button2Click();
    form.RunCommand([&form] { form.Button3Click(); });
    const QString stale = U("结果已过期");
    EXPECT_FALSE(FormReportContent(form, {}, nullptr).Notices.join(QString()).contains(stale));
    form.StringGrid1()->SetCells(0, 0, QStringLiteral("26.5"));
    EXPECT_TRUE(FormReportContent(form, {}, nullptr).Notices.value(0).startsWith(stale));
}

TEST(Report, StudyTextsOfAnyLengthAndCharacterArePrintedWhole)
{
    QTemporaryDir dir;
    TForm1 form;
    ComputeSampleData(form);
    TStudyInfo study;
    QString part;
    for (int i = 0; part.size() < 10000; ++i)
        part += U("零件") + QString::number(i);
    study[TStudyField::Part] = part;
    study[TStudyField::Note] = U("第一行\r\n第二行\r第三行\n\"双引号\" '单引号' <b>&amp;");
    study[TStudyField::Operator] = U("\u200F\u202Eمشغل\u202C 王");
    const QString pdf = Written(dir, QStringLiteral("long.pdf"),
                                ReportPdf(FormReportContent(form, study, nullptr), QStringLiteral("test")));

    // The part runs over pages, beside the names of the fields that follow it.
    QString joined;
    static const QRegularExpression pageNumber(U("^第\\d+页共\\d+页$"));
    for (const QString& line : PdfText(pdf).split('\n'))
        if (!line.trimmed().startsWith(U("过程能力研究报告：")) && !pageNumber.match(line.trimmed()).hasMatch())
            joined += line;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    joined.remove(blanks);
    // Each piece once: none lost, none also hidden under the page above.
    for (qsizetype piece = 0; piece < part.size(); piece += 50)
        EXPECT_EQ(joined.count(part.mid(std::min(piece, part.size() - 50), 50)), 1) << "from character " << piece;
    for (const char* shown : {"第一行", "第三行", "\"双引号\"'单引号'<b>&amp;", "王"})
        EXPECT_TRUE(joined.contains(U(shown))) << shown;
    // The title above each page stays one line, cut with an ellipsis.
    const QString firstPage =
        Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                              QStringLiteral("1"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(firstPage.section('\n', 0, 0).endsWith(QChar(0x2026))) << firstPage.left(200).toStdString();
}
