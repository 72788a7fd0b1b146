// Saving the four charts of the computed sample data as SVG files and the
// report (four pages) as a PDF file, against its floor in the same run: four empty SVG
// documents and one empty A4 PDF page saved the same way. Target: under
// 300 ms together. Platform: QT_QPA_PLATFORM (offscreen when unset).
//   export_bench [RUNS]
#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "ApplicationFonts.h"
#include "ChartControl.h"
#include "ChartImageExport.h"
#include "ExportInfo.h"
#include "Extended.h"
#include "FormReport.h"
#include "ReportPages.h"
#include "SafeFile.h"
#include "Unit1.h"

namespace {

const char* const ChartNames[] = {"Chart1", "Chart2", "Chart3", "cht1"};

QByteArray EmptySvg(QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    QPainter painter(&svg);
    painter.end();
    return bytes;
}

QByteArray EmptyPdfPage()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(ReportPageLayout());
    QPainter painter(&pdf);
    painter.end();
    return bytes;
}

double MedianMs(const std::function<void()>& run, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InitFloatingPointEnvironment();
    QApplication app(argc, argv);
    RegisterApplicationFonts();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QTemporaryDir dir;
    const auto path = [&](const char* name, const char* suffix) {
        return dir.filePath(QString::fromLatin1(name) + QLatin1String(suffix));
    };

    TForm1 form;
    form.Button2Click();
    form.Button3Click();

    const double floorMs = MedianMs(
        [&] {
            for (const char* name : ChartNames)
                WriteFileSafely(path(name, ".svg"), EmptySvg(form.Chart(QString::fromLatin1(name))->size()));
            WriteFileSafely(path("report", ".pdf"), EmptyPdfPage());
        },
        runs);
    const double savedMs = MedianMs(
        [&] {
            for (const char* name : ChartNames)
                SaveChartImage(*form.Chart(QString::fromLatin1(name)), path(name, ".svg"));
            WriteFileSafely(path("report", ".pdf"),
                            ReportPdf(FormReportContent(form, TStudyInfo(), nullptr), ApplicationCreator()));
        },
        runs);
    const double reportMs = MedianMs(
        [&] {
            WriteFileSafely(path("report", ".pdf"),
                            ReportPdf(FormReportContent(form, TStudyInfo(), nullptr), ApplicationCreator()));
        },
        runs);
    std::printf("export, median of %d: empty documents %.1f ms, four chart SVGs and the report PDF %.1f ms "
                "(%.1fx the floor; target < 300 ms), the report alone %.1f ms\n",
                runs, floorMs, savedMs, savedMs / floorMs, reportMs);
    return savedMs < 300.0 ? 0 : 1;
}
