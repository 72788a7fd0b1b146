#include "ExportCommands.h"

#include <QBuffer>
#include <QPrinter>

#include "ChartControl.h"
#include "ChartImageExport.h"
#include "ExportInfo.h"
#include "ExtendedWindow.h"
#include "FileDialogs.h"
#include "FormReport.h"
#include "ReportPages.h"
#include "SafeFile.h"
#include "Unit1.h"
#include "WindowChartTable.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QByteArray WindowPng(QWidget& form)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    form.grab().toImage().save(&buffer, "PNG");
    return bytes;
}

// The extended analysis goes into the report when its window is open.
TReportContent WindowReport(TForm1& form, const TStudyInfo& study)
{
    TExtendedWindow* extended = OpenExtendedWindow(form);
    if (!extended)
        return FormReportContent(form, study, nullptr);
    extended->Refresh();
    return FormReportContent(form, study, &extended->Result());
}

// The report lays the charts out at the page's width; afterwards the window
// lays them out at their own size again.
class TChartsRepaint {
public:
    explicit TChartsRepaint(TForm1& form) : form_(form) {}
    ~TChartsRepaint()
    {
        for (const TWindowChart* chart : WindowCharts())
            form_.Chart(QString::fromUtf8(chart->Control.data(), qsizetype(chart->Control.size())))->update();
    }

private:
    TForm1& form_;
};

}  // namespace

void ExportReportPdf(TForm1& form, TFileDialogs& dialogs, const TStudyInfo& study)
{
    const auto path = dialogs.ChooseSaveFile(
        {U("导出报告(PDF)"), ApplicationDocumentTitle() + QStringLiteral(".pdf"), {U("PDF 文件 (*.pdf)")}});
    if (!path)
        return;
    const TChartsRepaint repaint(form);
    WriteFileSafely(*path, ReportPdf(WindowReport(form, study), ApplicationCreator()));
}

void PrintReportPages(TForm1& form, TFileDialogs& dialogs, const TStudyInfo& study)
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer, ApplicationCreator());
    if (!dialogs.ChoosePrinter(printer))
        return;
    const TChartsRepaint repaint(form);
    PrintReport(WindowReport(form, study), printer);
}

void ExportWindowImage(TForm1& form, TFileDialogs& dialogs)
{
    const auto path = dialogs.ChooseSaveFile(
        {U("导出窗口图像"), ApplicationDocumentTitle() + QStringLiteral(".png"), {U("PNG 图像 (*.png)")}});
    if (path)
        WriteFileSafely(*path, WindowPng(form));
}

void SaveChartImageAs(TChartControl& chart, TFileDialogs& dialogs)
{
    const auto path = dialogs.ChooseSaveFile({U("保存图像"),
                                              ChartDisplayName(chart) + QStringLiteral(".png"),
                                              {U("PNG 图像 (*.png)"), U("SVG 矢量图 (*.svg)"), U("PDF 文件 (*.pdf)")}});
    if (path)
        SaveChartImage(chart, *path);
}
