#pragma once
// The command line of cpk-xr-batch.
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

enum class TOutputFormat { Text, Json, Csv };
enum class TChartFormat { Png, Svg, Pdf };

struct TBatchOptions {
    std::string InputPath;  // "" or "-": standard input
    // The window's four input fields; unset ones keep the form's default text.
    std::optional<std::string> Usl, Target, Lsl, SubgroupSize;
    std::optional<std::string> DecimalSeparator;  // unset: the locale's
    TOutputFormat Format = TOutputFormat::Text;
    std::string ChartsDir;  // "" : no chart files
    TChartFormat ChartFormat = TChartFormat::Png;
    std::string ReportPath;    // "" : no report
    std::string WorkbookPath;  // "" : no workbook
    bool Extended = false;
    // What of a data file is read (defaults: the import box's guesses for a
    // workbook, the whole file for a text file): the sheet by number (from 1)
    // or name, the header rows skipped, the columns (from 1) that hold readings.
    std::optional<std::string> Sheet;
    std::optional<std::size_t> HeaderRows;
    std::optional<std::vector<std::size_t>> Columns;
    // The extended analysis's selectors by their items' keys, and its two historical fields.
    std::string Distribution = "normal", Chart = "xbarR", Subgroups = "size";
    std::optional<std::string> HistoricalMean, HistoricalSigma;
    bool ChartPoints = false;  // the charts' points in the JSON output
    bool Help = false;
};

// A bad command line or unreadable input: exit status 2 with this message.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// args without the program name. Throws TUsageError.
TBatchOptions ParseBatchOptions(std::span<const std::string> args);

std::string BatchHelpText();
