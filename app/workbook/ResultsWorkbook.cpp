#include "ResultsWorkbook.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "Errors.h"
#include "ExportInfo.h"
#include "NumberCell.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The file format writes a control character as "_x0001_"; a reader would
// take such a sequence typed by the user for one, unless its "_" is escaped too.
QString Escaped(QString text)
{
    static const QRegularExpression escapeLike(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    return text.replace(escapeLike, QStringLiteral("_x005F_\\1"));
}

[[noreturn]] void Fail(const QString& reason)
{
    throw Exception(QStringLiteral("无法写入 Excel 工作簿：%1").arg(reason).toStdString());
}

// A worksheet's bounds and a cell's longest text.
constexpr int MaxRows = 1048576;
constexpr int MaxCols = 16384;
constexpr qsizetype MaxCellText = 32767;

// The library's workbook: every call checked, closed on every way out.
class TWorkbookWriter {
public:
    TWorkbookWriter(const QString& path, const QString& tempDir) : path_(path.toUtf8()), tempDir_(tempDir.toUtf8())
    {
        // Row by row to disk, so a large grid does not stay in memory.
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = tempDir_.data();
        options.use_zip64 = LXW_TRUE;
        book_ = workbook_new_opt(path_.constData(), &options);
        if (!book_)
            Fail(U("无法创建临时文件"));
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
    }
    ~TWorkbookWriter()
    {
        if (book_)
            workbook_close(book_);
    }
    TWorkbookWriter(const TWorkbookWriter&) = delete;
    TWorkbookWriter& operator=(const TWorkbookWriter&) = delete;

    void SetProperties(const QString& title, const QString& creator)
    {
        title_ = title.toUtf8();
        creator_ = creator.toUtf8();
        lxw_doc_properties properties{};
        properties.title = title_.data();
        properties.author = creator_.data();
        Check(workbook_set_properties(book_, &properties));
    }

    lxw_worksheet* AddSheet(const char* name)
    {
        lxw_worksheet* sheet = workbook_add_worksheet(book_, name);
        if (!sheet)
            Fail(U("无法添加工作表“%1”").arg(U(name)));
        return sheet;
    }

    lxw_format* Bold() { return bold_; }

    void ColumnWidth(lxw_worksheet* sheet, int first, int last, double characters)
    {
        Check(worksheet_set_column(sheet, lxw_col_t(first), lxw_col_t(last), characters, nullptr));
    }

    // A text longer than a cell holds continues in the cells to its right.
    void Text(lxw_worksheet* sheet, int row, int col, const QString& text, lxw_format* format = nullptr)
    {
        for (qsizetype from = 0; from < text.size() && col < MaxCols;) {
            qsizetype length = std::min(MaxCellText, text.size() - from);
            QString cell = Escaped(text.mid(from, length));
            while (cell.size() > MaxCellText ||
                   (from + length < text.size() && text[from + length - 1].isHighSurrogate())) {
                length -= std::max<qsizetype>(1, cell.size() - MaxCellText);
                cell = Escaped(text.mid(from, length));
            }
            Check(worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col++), cell.toUtf8().constData(), format));
            from += length;
        }
    }

    void Number(lxw_worksheet* sheet, int row, int col, double value, const std::string& format)
    {
        Check(worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(col), value, NumberFormat(format)));
    }

    // A text of the window: a number shown as that same text where it is one.
    void WindowText(lxw_worksheet* sheet, int row, int col, const std::string& text, const std::string& separator)
    {
        if (const auto number = NumberCellOf(text, separator))
            Number(sheet, row, col, number->Value, number->Format);
        else if (!text.empty())
            Text(sheet, row, col, QString::fromStdString(text));
    }

    void Image(lxw_worksheet* sheet, int row, int col, QByteArray png, double scale)
    {
        images_.push_back(std::move(png));
        const QByteArray& kept = images_.back();
        lxw_image_options options{};
        options.x_scale = options.y_scale = scale;
        Check(worksheet_insert_image_buffer_opt(sheet, lxw_row_t(row), lxw_col_t(col),
                                                reinterpret_cast<const unsigned char*>(kept.constData()),
                                                std::size_t(kept.size()), &options));
    }

    void Close()
    {
        lxw_workbook* book = std::exchange(book_, nullptr);
        Check(workbook_close(book));
    }

private:
    lxw_format* NumberFormat(const std::string& code)
    {
        auto [place, added] = formats_.try_emplace(code, nullptr);
        if (added) {
            place->second = workbook_add_format(book_);
            format_set_num_format(place->second, code.c_str());
        }
        return place->second;
    }

    void Check(lxw_error error) const
    {
        if (error != LXW_NO_ERROR)
            Fail(QString::fromUtf8(lxw_strerror(error)));
    }

    QByteArray path_, tempDir_, title_, creator_;
    lxw_workbook* book_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::map<std::string, lxw_format*> formats_;
    std::vector<QByteArray> images_;  // the library reads them when the workbook is closed
};

void WriteResultsSheet(TWorkbookWriter& book, const TWorkbookContents& contents)
{
    lxw_worksheet* sheet = book.AddSheet("结果");
    book.ColumnWidth(sheet, 0, 0, 34);
    book.ColumnWidth(sheet, 1, 1, 24);
    int row = 0;
    book.Text(sheet, row++, 0, U("研究信息"), book.Bold());
    for (const TStudyFieldInfo& field : StudyFields) {
        book.Text(sheet, row, 0, U(field.Name));
        book.Text(sheet, row++, 1, contents.Study[field.Field]);
    }
    ++row;
    book.Text(sheet, row++, 0, U("结果"), book.Bold());
    const TWindowModel& window = *contents.Window;
    // The display-only subgroup size could contradict the size the results used.
    for (const TWindowField* field : WindowFields())
        if (field->Role == TFieldRole::Input || field->Role == TFieldRole::Result) {
            book.Text(sheet, row, 0, FromUtf8(field->Label));
            book.WindowText(sheet, row++, 1, window.Text(*field), contents.DecimalSeparator);
        }
    ++row;
    book.Text(sheet, row++, 0, FromUtf8(Field::KeyValues.Label), book.Bold());
    // The key values' lines read "caption=:value".
    for (const std::string& line : contents.KeyValueLines) {
        const std::size_t split = line.find("=:");
        if (split == std::string::npos) {
            book.Text(sheet, row++, 0, QString::fromStdString(line));
            continue;
        }
        book.Text(sheet, row, 0, QString::fromStdString(line.substr(0, split)));
        book.WindowText(sheet, row++, 1, line.substr(split + 2), contents.DecimalSeparator);
    }
}

void WriteDataSheet(TWorkbookWriter& book, const TWorkbookContents& contents)
{
    const TWindowModel& window = *contents.Window;
    if (window.RowCount() > MaxRows || window.ColCount() > MaxCols)
        Fail(U("表格有 %1 行 %2 列，工作表最多 %3 行 %4 列")
                 .arg(window.RowCount())
                 .arg(window.ColCount())
                 .arg(MaxRows)
                 .arg(MaxCols));
    lxw_worksheet* sheet = book.AddSheet("数据");
    for (int row = 0; row < window.RowCount(); ++row)
        for (int col = 0; col < window.ColCount(); ++col)
            book.WindowText(sheet, row, col, window.Cell(col, row), contents.DecimalSeparator);
}

void WriteSubgroupSheet(TWorkbookWriter& book, const TCPKValue* record)
{
    lxw_worksheet* sheet = book.AddSheet("子组");
    int col = 0;
    for (const char* heading : {"子组", "和", "均值", "极差"})
        book.Text(sheet, 0, col++, U(heading), book.Bold());
    if (!record)
        return;
    // A compute that stopped early filled the sums before the means and ranges.
    const std::size_t count = record->SubgroupSums.size();
    for (std::size_t j = 0; j < count; ++j) {
        const int row = int(j) + 1;
        book.Number(sheet, row, 0, double(j + 1), "0");
        book.Number(sheet, row, 1, record->SubgroupSums[j], "0.000");
        if (record->SubgroupMeans.size() == count)
            book.Number(sheet, row, 2, record->SubgroupMeans[j], "0.000");
        if (record->SubgroupRanges.size() == count)
            book.Number(sheet, row, 3, record->SubgroupRanges[j], "0.000");
    }
}

void WriteHistogramSheet(TWorkbookWriter& book, const TWorkbookContents& contents)
{
    lxw_worksheet* sheet = book.AddSheet("直方图");
    book.ColumnWidth(sheet, 0, 3, 12);
    const TCPKValue* record = contents.HistogramComplete ? contents.Record : nullptr;
    book.Text(sheet, 0, 0, U("组距"), book.Bold());
    if (record)
        book.Number(sheet, 0, 1, record->ClassWidth, "0.000000");
    int col = 0;
    for (const char* heading : {"组界限", "频率", "整体分布", "组内分布"})
        book.Text(sheet, 2, col++, U(heading), book.Bold());
    if (!record)
        return;
    // Class i ends at limit i + 1, where its bar and both curves are drawn.
    for (int i = 0; i < 12; ++i) {
        book.Number(sheet, i + 3, 0, record->ClassLimits[i + 1], "0.000");
        book.Number(sheet, i + 3, 1, record->Frequencies[std::size_t(i)], "0");
        book.Number(sheet, i + 3, 2, record->OverallCurve[std::size_t(i)], "0.000000");
        book.Number(sheet, i + 3, 3, record->WithinCurve[std::size_t(i)], "0.000000");
    }
}

void WriteChartSheet(TWorkbookWriter& book, const TWorkbookContents& contents)
{
    lxw_worksheet* sheet = book.AddSheet("图表");
    // Each image lies inside the first column, so its width is an offset in
    // that column and readers whose default column width differs keep it
    // (a column of w characters is 7w + 5 pixels wide).
    int widest = 0;
    for (const TWorkbookChart& chart : contents.Charts)
        widest = std::max(widest, chart.Width);
    book.ColumnWidth(sheet, 0, 0, (widest + 16) / 7.0);
    // Default rows are 20 pixels high; each chart gets its name above it.
    constexpr int RowPixels = 20;
    int row = 0;
    for (const TWorkbookChart& chart : contents.Charts) {
        book.Text(sheet, row, 0, chart.Name, book.Bold());
        // Twice the pixels, shown at the form's size.
        book.Image(sheet, row + 1, 0, ChartPng(*chart.Chart, chart.Width, chart.Height, chart.Paint), 0.5);
        row += 1 + (chart.Height + RowPixels - 1) / RowPixels + 1;
    }
}

}  // namespace

QByteArray ResultsWorkbookBytes(const TWorkbookContents& contents)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        Fail(U("无法创建临时文件夹：%1").arg(dir.errorString()));
    const QString path = dir.filePath(QStringLiteral("results.xlsx"));
    {
        TWorkbookWriter book(path, dir.path());
        book.SetProperties(ApplicationDocumentTitle(), ApplicationCreator());
        WriteResultsSheet(book, contents);
        WriteDataSheet(book, contents);
        WriteSubgroupSheet(book, contents.Record);
        WriteHistogramSheet(book, contents);
        WriteChartSheet(book, contents);
        book.Close();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(file.errorString());
    return file.readAll();
}
