#include "DataFile.h"

#include "ZipArchive.h"

#include <filesystem>
#include <fstream>

#include "FileError.h"
#include "GridReader.h"
#include "SheetFile.h"
#include "TextDecoding.h"

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

namespace {

std::string Head(const std::string& path, std::size_t size)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TFileError("无法打开“" + FileNameOf(path) + "”：文件不存在或没有读取权限");
    std::string head(size, '\0');
    in.read(head.data(), static_cast<std::streamsize>(size));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

TDataFile ReadTextFile(const TDataFileRequest& request)
{
    const std::string fileName = FileNameOf(request.Path);
    TDataFile file;
    file.Encoding = request.Encoding.empty() ? GuessTextEncoding(Head(request.Path, 1 << 16)) : request.Encoding;
    std::ifstream in(request.Path, std::ios::binary);
    if (!in)
        throw TFileError("无法打开“" + fileName + "”：文件不存在或没有读取权限");
    TDecodedStream decoded(in, file.Encoding);
    TReadGrid read;
    try {
        read = ReadGrid(decoded, request.DecimalOption, request.Decimal, request.MaxCells, request.FieldOption);
    } catch (const TInputError& error) {
        if (decoded.DecodingFailed())
            throw TFileError("无法读取“" + fileName + "”：内容不是 " + file.Encoding + " 编码的文本");
        throw TFileError("无法读取“" + fileName + "”：" + error.what());
    }
    if (decoded.DecodingFailed())
        throw TFileError("无法读取“" + fileName + "”：内容不是 " + file.Encoding + " 编码的文本");
    file.SheetNames = {""};
    file.FieldSeparator = read.Separators.Field;
    file.FileDecimal = read.Separators.Decimal;
    file.Table = TSheetTable(request.MaxCells);
    for (int row = 0; row < read.Grid.RowCount(); ++row)
        for (int col = 0; col < read.Grid.ColCount(); ++col)
            if (!file.Table.Set(static_cast<std::uint64_t>(row), static_cast<std::uint64_t>(col),
                                std::string(read.Grid.Cell(col, row))))
                return file;
    if (read.Truncated)
        file.Table.MarkTruncated();
    return file;
}

}  // namespace

TDataFileKind DataFileKindOf(const std::string& path)
{
    const std::string head = Head(path, 8);
    if (head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return TDataFileKind::dfXls;
    if (head.starts_with("PK\x03\x04")) {
        TZipArchive zip(path, "zip 容器已损坏");
        if (zip.Select(QStringLiteral("xl/workbook.xml")))
            return TDataFileKind::dfXlsx;
        if (zip.Select(QStringLiteral("content.xml")))
            return TDataFileKind::dfOds;
        throw TFileError("无法打开“" + FileNameOf(path) + "”：这个 zip 文件不是 XLSX 或 ODS 工作簿");
    }
    return TDataFileKind::dfText;
}

TDataFile ReadDataFile(const TDataFileRequest& request)
{
    const TDataFileKind kind = DataFileKindOf(request.Path);
    if (kind == TDataFileKind::dfText)
        return ReadTextFile(request);
    TSheetRead read =
        kind == TDataFileKind::dfXlsx  ? ReadXlsx(request.Path, request.Sheet, request.Decimal, request.MaxCells)
        : kind == TDataFileKind::dfOds ? ReadOds(request.Path, request.Sheet, request.Decimal, request.MaxCells)
                                       : ReadXls(request.Path, request.Sheet, request.Decimal, request.MaxCells);
    TDataFile file;
    file.Kind = kind;
    file.SheetNames = std::move(read.SheetNames);
    file.Sheet = read.Sheet;
    file.Table = std::move(read.Table);
    return file;
}
