#include "BatchInput.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "DataFile.h"
#include "FileError.h"
#include "ImportChoice.h"
#include "StudyRecord.h"
#include "TextDecoding.h"

namespace {

// A workbook's cells are held whole; this bounds them far above the window's grid.
constexpr std::uint64_t MaxWorkbookCells = 2'000'000;

TBatchGrid GridOfRows(const std::vector<std::vector<std::string>>& rows)
{
    TBatchGrid grid;
    for (const auto& row : rows) {
        for (const auto& cell : row)
            grid.AddCell(cell);
        grid.EndRow();
    }
    if (!grid.HasNonEmptyCell())
        throw TInputError("输入中没有任何测量值（所选的行和列中没有数据）");
    return grid;
}

// Header rows and columns chosen on the command line, applied to a text file's grid.
TReadGrid Chosen(TReadGrid read, const TBatchOptions& options)
{
    if (!options.HeaderRows && !options.Columns)
        return read;
    std::vector<std::vector<std::string>> rows;
    for (int row = int(options.HeaderRows.value_or(0)); row < read.Grid.RowCount(); ++row) {
        auto& cells = rows.emplace_back();
        if (options.Columns)
            for (const std::size_t col : *options.Columns)
                cells.emplace_back(col < std::size_t(read.Grid.ColCount()) ? read.Grid.Cell(int(col), row) : "");
        else
            for (int col = 0; col < read.Grid.ColCount(); ++col)
                cells.emplace_back(read.Grid.Cell(col, row));
    }
    read.Grid = GridOfRows(rows);
    return read;
}

TBatchInput ReadStudy(const std::string& path, const std::string& decimal)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw TInputError("无法打开输入文件“" + path + "”");
    const TStudy study = WithDecimalSeparator(ParseStudy(file.read(std::int64_t(64) << 20), QFileInfo(file).fileName()),
                                              QString::fromStdString(decimal));
    std::vector<std::vector<std::string>> rows(std::size_t(study.RowCount),
                                               std::vector<std::string>(std::size_t(study.ColCount)));
    // The window reads only the cells inside the counts.
    for (const TStudyCell& cell : study.Cells)
        if (cell.Col < study.ColCount && cell.Row < study.RowCount)
            rows[std::size_t(cell.Row)][std::size_t(cell.Col)] = cell.Text.toStdString();
    TBatchInput input{{GridOfRows(rows), {0, decimal}, false}, {}, study.Info};
    for (auto it = study.Inputs.cbegin(); it != study.Inputs.cend(); ++it)
        input.Fields[it.key().toStdString()] = it.value().toStdString();
    return input;
}

TReadGrid ReadWorkbook(const std::string& path, const TBatchOptions& options, const std::string& decimal)
{
    TDataFileRequest request;
    request.Path = path;
    request.Decimal = decimal;
    request.MaxCells = MaxWorkbookCells;
    TDataFile file = ReadDataFile(request);
    if (options.Sheet) {
        const auto named = std::find(file.SheetNames.begin(), file.SheetNames.end(), *options.Sheet);
        const std::string& sheet = *options.Sheet;
        std::size_t index = std::size_t(named - file.SheetNames.begin());
        if (named == file.SheetNames.end()) {
            if (sheet.empty() || sheet.size() > 5 || sheet.find_first_not_of("0123456789") != std::string::npos ||
                std::stoul(sheet) < 1 || std::stoul(sheet) > file.SheetNames.size())
                throw TInputError("“" + path + "”中没有工作表“" + sheet + "”");
            index = std::stoul(sheet) - 1;
        }
        request.Sheet = index;
        file = ReadDataFile(request);
    }
    if (file.Table.Truncated())
        throw TInputError("“" + path + "”的工作表超过 " + std::to_string(MaxWorkbookCells) + " 个单元格");
    TImportChoice choice = GuessImport(file.Table, decimal);
    if (options.HeaderRows)
        choice.HeaderRows = *options.HeaderRows;
    if (options.Columns)
        choice.Columns = *options.Columns;
    return {GridOfRows(ChosenCells(file.Table, choice, decimal, decimal)), {0, decimal}, false};
}

}  // namespace

TBatchInput ReadBatchInput(const TBatchOptions& options, std::istream& standardInput, const std::string& localeDecimal)
{
    const std::string& path = options.InputPath;
    if (path.empty() || path == "-")
        return {Chosen(ReadGrid(standardInput, options.DecimalSeparator, localeDecimal), options), {}, {}};
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw TInputError("“" + path + "”是目录，不是文件");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw TInputError("无法打开输入文件“" + path + "”：" + std::strerror(errno));
    const std::string decimal = options.DecimalSeparator.value_or(localeDecimal);
    try {
        if (path.ends_with(".cpkx"))
            return ReadStudy(path, decimal);
        if (DataFileKindOf(path) != TDataFileKind::dfText)
            return {ReadWorkbook(path, options, decimal), {}, {}};
        std::string head(1 << 16, '\0');
        file.read(head.data(), std::streamsize(head.size()));
        head.resize(std::size_t(file.gcount()));
        file.clear();
        file.seekg(0);
        const std::string encoding = GuessTextEncoding(head);
        // UTF-8 is read as it always was; other encodings are decoded first.
        if (encoding == "UTF-8")
            return {Chosen(ReadGrid(file, options.DecimalSeparator, localeDecimal), options), {}, {}};
        TDecodedStream decoded(file, encoding);
        TReadGrid read = ReadGrid(decoded, options.DecimalSeparator, localeDecimal);
        if (decoded.DecodingFailed())
            throw TInputError("“" + path + "”不是 " + encoding + " 编码的文本");
        return {Chosen(std::move(read), options), {}, {}};
    } catch (const TFileError& error) {
        throw TInputError(error.what());
    }
}
