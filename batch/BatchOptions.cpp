#include "BatchOptions.h"

#include "Utf8Text.h"

namespace {

std::string Quoted(const std::string& text) { return "“" + text + "”"; }

TOutputFormat FormatNamed(const std::string& name)
{
    if (name == "text")
        return TOutputFormat::Text;
    if (name == "json")
        return TOutputFormat::Json;
    if (name == "csv")
        return TOutputFormat::Csv;
    throw TUsageError("--format 只接受 text、json 或 csv，不接受" + Quoted(name));
}

TChartFormat ChartFormatNamed(const std::string& name)
{
    if (name == "png")
        return TChartFormat::Png;
    if (name == "svg")
        return TChartFormat::Svg;
    if (name == "pdf")
        return TChartFormat::Pdf;
    throw TUsageError("--chart-format 只接受 png、svg 或 pdf，不接受" + Quoted(name));
}

// One character, and none that the reading of the fields or of a number gives another meaning.
void CheckDecimalSeparator(const std::string& separator)
{
    if (Utf8CharacterCount(separator) != 1)
        throw TUsageError("--decimal-separator 必须是一个字符，不是" + Quoted(separator));
    const std::string_view refused = "\t;\"\r\n0123456789+-eE";
    if (separator.size() == 1 && refused.find(separator[0]) != std::string_view::npos)
        throw TUsageError("字符" + Quoted(separator) + "不能用作小数分隔符");
}

std::size_t CountNamed(const std::string& option, const std::string& text)
{
    std::size_t count = 0;
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        throw TUsageError(option + " 需要一个非负整数，不是" + Quoted(text));
    for (const char c : text)
        count = count * 10 + std::size_t(c - '0');
    return count;
}

// "2,3,5" → columns 1, 2 and 4 from zero.
std::vector<std::size_t> ColumnsNamed(const std::string& text)
{
    std::vector<std::size_t> columns;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::size_t number = CountNamed("--columns", text.substr(start, end - start));
        if (number == 0)
            throw TUsageError("--columns 的列号从 1 开始，不是" + Quoted(text));
        columns.push_back(number - 1);
        start = end + 1;
    }
    return columns;
}

// One of the selector's item keys, as the window's combo box offers them.
std::string OneOf(const std::string& option, const std::string& value, std::initializer_list<const char*> keys)
{
    std::string offered;
    for (const char* key : keys) {
        if (value == key)
            return value;
        offered += (offered.empty() ? "" : "、") + std::string(key);
    }
    throw TUsageError(option + " 只接受 " + offered + "，不接受" + Quoted(value));
}

}  // namespace

TBatchOptions ParseBatchOptions(std::span<const std::string> args)
{
    TBatchOptions options;
    bool inputGiven = false, chartFormatGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> attached;
        if (arg.starts_with("--") && arg.find('=') != std::string::npos) {
            attached = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
        }
        // The value is the next argument as it is, so "--lsl -3" works.
        const auto value = [&]() -> std::string {
            if (attached)
                return *attached;
            if (i + 1 >= args.size())
                throw TUsageError("选项 " + arg + " 缺少值");
            return args[++i];
        };
        const auto field = [&]() {
            std::string text = value();
            if (!IsValidUtf8(text))
                throw TUsageError("选项 " + arg + " 的值不是有效的 UTF-8 文本");
            return text;
        };
        if (arg == "--help" || arg == "-h")
            options.Help = true;
        else if (arg == "--usl")
            options.Usl = field();
        else if (arg == "--target")
            options.Target = field();
        else if (arg == "--lsl")
            options.Lsl = field();
        else if (arg == "--subgroup-size")
            options.SubgroupSize = field();
        else if (arg == "--decimal-separator") {
            options.DecimalSeparator = field();
            CheckDecimalSeparator(*options.DecimalSeparator);
        } else if (arg == "--format")
            options.Format = FormatNamed(value());
        else if (arg == "--charts")
            options.ChartsDir = value();
        else if (arg == "--chart-format") {
            options.ChartFormat = ChartFormatNamed(value());
            chartFormatGiven = true;
        } else if (arg == "--report")
            options.ReportPath = value();
        else if (arg == "--xlsx")
            options.WorkbookPath = value();
        else if (arg == "--extended" && !attached)
            options.Extended = true;
        else if (arg == "--sheet")
            options.Sheet = field();
        else if (arg == "--header-rows")
            options.HeaderRows = CountNamed(arg, value());
        else if (arg == "--columns")
            options.Columns = ColumnsNamed(value());
        else if (arg == "--distribution")
            options.Distribution =
                OneOf(arg, value(), {"normal", "boxcox", "lognormal", "weibull", "nonparametric", "best"});
        else if (arg == "--chart")
            options.Chart = OneOf(arg, value(), {"xbarR", "xbarS"});
        else if (arg == "--subgroups")
            options.Subgroups = OneOf(arg, value(), {"size", "rows"});
        else if (arg == "--historical-mean")
            options.HistoricalMean = field();
        else if (arg == "--historical-sigma")
            options.HistoricalSigma = field();
        else if (arg == "--chart-points" && !attached)
            options.ChartPoints = true;
        else if (arg == "-" || !arg.starts_with("-")) {
            if (inputGiven)
                throw TUsageError("只能读一个输入文件，多余的参数：" + Quoted(arg));
            options.InputPath = arg;
            inputGiven = true;
        } else
            throw TUsageError("未知选项：" + Quoted(args[i]));
        if (options.ChartsDir.empty() && arg == "--charts")
            throw TUsageError("--charts 需要一个目录");
        if (options.ReportPath.empty() && arg == "--report")
            throw TUsageError("--report 需要一个文件名");
        if (options.WorkbookPath.empty() && arg == "--xlsx")
            throw TUsageError("--xlsx 需要一个文件名");
    }
    if (options.Extended && options.Format != TOutputFormat::Json && options.ReportPath.empty())
        throw TUsageError("--extended 只用于 --format json 或 --report");
    const bool extendedChoice = options.Distribution != "normal" || options.Chart != "xbarR" ||
                                options.Subgroups != "size" || options.HistoricalMean || options.HistoricalSigma;
    if (extendedChoice && !options.Extended)
        throw TUsageError(
            "--distribution、--chart、--subgroups、--historical-mean、--historical-sigma 需要 --extended");
    if (options.ChartPoints && options.Format != TOutputFormat::Json)
        throw TUsageError("--chart-points 只用于 --format json");
    if (chartFormatGiven && options.ChartsDir.empty())
        throw TUsageError("--chart-format 需要 --charts DIR");
    return options;
}

std::string BatchHelpText()
{
    return R"(用法：cpk-xr-batch [选项] [文件]

按“计算CPK(整体)”计算文件中的测量值，输出窗口显示的结果文本，逐字节相同。
不给文件或文件为“-”时读标准输入。

输入：CSV 或制表符分隔的文本（UTF-8，可带 BOM；UTF-16 带 BOM；不是 UTF-8 时按 GB18030；
  行尾 LF、CRLF 或 CR），XLSX、ODS 或 XLS 工作簿，或研究文件（.cpkx）。
  文件就是表格：每行是表格的一行，每个字段是一个单元格，空字段是空单元格；
  按窗口的读取顺序（逐行，行内从左到右）读取，一列或五列的文件都可以。
  字段分隔符是制表符和分号，小数分隔符不是逗号时逗号也是。
  字段可加双引号（其中的 "" 表示一个引号，可含分隔符和换行）。
  每个文本都按系统自己的数字规则读取，与窗口读单元格完全一样。
  工作簿的数字写成能读回同一数值的最短小数文本，公式取其缓存的值。
  研究文件：读取其中的表格和四个输入框（下面的选项可覆盖它们）。

读取数据文件的哪一部分（默认按“导入数据”的猜测：跳过表头，略去序号、日期和文字列，
并在标准错误中说明）：
  --sheet N|NAME           工作表（序号从 1 开始，或名称）
  --header-rows N          跳过的表头行数
  --columns 2,3,4          读数所在的列（从 1 开始）

窗口的输入框（文本，默认值与窗口相同）：
  --usl TEXT               上规格（28）
  --target TEXT            目标值（25.5，以小数分隔符书写）
  --lsl TEXT               下规格（23）
  --subgroup-size TEXT     设置子组大小（5）
  --decimal-separator C    小数分隔符（默认为区域设置的，与窗口相同；
                           千位分隔符取区域设置的，与小数分隔符相同时取另一个）

输出（标准输出，UTF-8）：
  --format text            结果文本及其中文名称，按窗口的阅读顺序，含多行文本框（默认）
  --format json            {"results": {键: {"control", "label", "text", "value"}},
                            "memos": {键: {"control", "lines"}}, "error": null 或错误信息,
                            "charts": 四个图表（与场景运行器的输出相同，但不含数据点）,
                            "extended": …}
  --format csv             key,text 两列；小数分隔符为逗号时以分号分隔
  --chart-points           JSON 的图表中加入每个序列的数据点（"points"；一百万个读数约 190 MB）
  --extended               JSON 和报告中加入扩展分析（合并标准差，95% 置信度）
  --distribution NAME      扩展分析的分布：normal（默认）、boxcox、lognormal、weibull、
                           nonparametric 或 best（Anderson-Darling p 值最大者）
  --chart NAME             xbarR（均值-极差图，默认）或 xbarS（均值-标准差图）
  --subgroups NAME         size（按 --subgroup-size 切分，默认）或 rows（每行一个子组，空单元格为缺失值）
  --historical-mean TEXT   历史均值（控制图中心线与各指数的均值）
  --historical-sigma TEXT  历史标准差（控制限与组内指数的标准差）
  --charts DIR             把四个图表按窗口中的大小写入目录：Chart1、Chart2、Chart3、cht1
  --chart-format FMT       png（两倍像素）、svg 或 pdf（默认 png）
  --report FILE.pdf        结果报告（PDF，与窗口的“导出报告”相同）：研究信息（输入为研究文件时）、
                           全部结果及其等级、四个图表、全部读数和多行文本框的每一行
  --xlsx FILE.xlsx         结果工作簿（与窗口的“导出到 Excel”相同；研究文件的研究信息在其上方）
  --help                   显示本说明

退出状态：
  0  计算完整运行
  1  计算因系统错误停止：错误信息（与错误框显示的相同）写到标准错误，
     输出中是窗口此时显示的内容
  2  用法或输入错误（文件不存在或无法读取、选项错误、输入不是文本等）
)";
}
