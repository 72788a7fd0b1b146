#include "BatchRun.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "BatchCharts.h"
#include "BatchCompute.h"
#include "BatchInput.h"
#include "BatchOptions.h"
#include "BatchOutput.h"
#include "BatchWindow.h"
#include "ChartFiles.h"
#include "ChartsJson.h"
#include "ExtendedAnalysis.h"
#include "ExtendedJson.h"
#include "GridReader.h"
#include "NumberSettings.h"
#include "ReadExtendedInput.h"
#include "Report.h"
#include "Workbook.h"

namespace {

std::string Named(char separator) { return separator == '\t' ? "制表符" : "“" + std::string(1, separator) + "”"; }

// As the extended-analysis window computes with these selectors: pooled sigma, 95 %.
TExtendedResult ExtendedAnalysis(const TWindowModel& window, const TBatchOptions& options)
{
    TExtendedInput input =
        ReadExtendedInput(window, TWithinSigmaMethod::Pooled, 0.95,
                          options.Subgroups == "rows" ? TSubgroupChoice::Rows : TSubgroupChoice::Size);
    for (auto choice : {TDistributionChoice::Normal, TDistributionChoice::BoxCox, TDistributionChoice::Lognormal,
                        TDistributionChoice::Weibull, TDistributionChoice::Nonparametric, TDistributionChoice::Best})
        if (options.Distribution == DistributionChoiceName(choice))
            input.Distribution = choice;
    input.Chart = options.Chart == "xbarS" ? TControlChartChoice::XbarS : TControlChartChoice::XbarR;
    input.HistoricalMean = ReadTypedValue(options.HistoricalMean.value_or(""), "历史均值", input.ReadingMessages);
    input.HistoricalSigma = ReadTypedValue(options.HistoricalSigma.value_or(""), "历史标准差", input.ReadingMessages);
    TExtendedResult result;
    try {
        result = AnalyseExtended(input);
    } catch (const std::exception& e) {
        result = TExtendedResult{};
        result.Messages = input.ReadingMessages;
        result.Messages.push_back(std::string("扩展分析失败：") + e.what());
    }
    return result;
}

}  // namespace

int RunBatch(std::span<const std::string> args, std::istream& standardInput, std::ostream& out, std::ostream& err)
{
    try {
        const TBatchOptions options = ParseBatchOptions(args);
        if (options.Help) {
            out << BatchHelpText();
            return 0;
        }
        TNumberSettings& settings = NumberSettings();
        TBatchInput read = ReadBatchInput(options, standardInput, settings.DecimalSeparator);
        TReadGrid& input = read.Read;
        if (!read.Note.empty())
            err << read.Note << '\n';
        // The file's decimal separator is the run's, as the window's would be in such a locale.
        if (!options.DecimalSeparator && input.Separators.Decimal != settings.DecimalSeparator)
            err << "cpk-xr-batch：按文件读取：字段分隔符为"
                << (input.Separators.Field ? Named(input.Separators.Field) : std::string("（无）")) << "，小数分隔符为"
                << Named(input.Separators.Decimal[0]) << "（与区域设置不同）\n";
        settings.DecimalSeparator = input.Separators.Decimal;
        // The chart labels group thousands; a locale never groups with its decimal separator.
        if (settings.ThousandSeparator == settings.DecimalSeparator)
            settings.ThousandSeparator.assign(1, settings.DecimalSeparator == "," ? '.' : ',');
        const std::string decimal = settings.DecimalSeparator;

        TBatchWindow window(std::move(input.Grid), decimal);
        window.SetStudyInformation(read.Info);
        // What a user types into the four input fields before pressing the button.
        const std::pair<const TWindowField*, const std::optional<std::string>*> typed[] = {
            {&Field::Usl, &options.Usl},
            {&Field::Target, &options.Target},
            {&Field::Lsl, &options.Lsl},
            {&Field::SubgroupSize, &options.SubgroupSize},
        };
        for (const auto& [field, text] : typed) {
            // A study file's fields, unless the command line sets them.
            if (const auto stored = read.Fields.find(std::string(field->Control)); stored != read.Fields.end())
                window.SetText(*field, stored->second);
            if (*text)
                window.SetText(*field, **text);
        }

        TBatchCharts charts;
        const std::optional<std::string> error = ComputeAsWindow(window, &charts.Displays());
        std::optional<TExtendedResult> extended;
        if (options.Extended)
            extended = ExtendedAnalysis(window, options);

        switch (options.Format) {
        case TOutputFormat::Text: WriteTextOutput(out, window); break;
        case TOutputFormat::Csv: WriteCsvOutput(out, window, decimal); break;
        case TOutputFormat::Json: {
            TJsonParts parts{error, [&](TJsonWriter& json) { WriteChartsJson(json, charts, options.ChartPoints); },
                             std::nullopt};
            if (extended)
                parts.ExtendedJson = ExtendedJson(*extended);
            WriteJsonOutput(out, window, parts, decimal);
            break;
        }
        }
        if (!options.ChartsDir.empty())
            WriteChartFiles(charts, options.ChartsDir, options.ChartFormat);
        // Before the report, whose form computes again.
        if (!options.WorkbookPath.empty())
            WriteBatchWorkbook(window, charts, read.Info, decimal, options.WorkbookPath);
        if (!options.ReportPath.empty())
            WriteReport(window, read.Info, extended ? &*extended : nullptr, options.ReportPath);
        out.flush();
        if (!out)
            throw TUsageError("写入标准输出失败");
        if (error) {
            err << *error << '\n';
            return 1;
        }
        return 0;
    } catch (const TUsageError& e) {
        err << "cpk-xr-batch：" << e.what() << "（--help 显示用法）\n";
    } catch (const TInputError& e) {
        err << "cpk-xr-batch：" << e.what() << '\n';
    } catch (const std::bad_alloc&) {
        err << "cpk-xr-batch：内存不足，输入太大\n";
    }
    return 2;
}
