// XLS (BIFF, the older Excel format) through FreeXL.
#include <freexl.h>

#include <memory>

#include "FileError.h"
#include "SheetFile.h"

namespace {

struct TXlsClose {
    void operator()(const void* handle) const { freexl_close(handle); }
};

}  // namespace

TSheetRead ReadXls(const std::string& path, std::size_t sheet, const std::string& decimal, std::uint64_t maxArea)
{
    const std::string fileName = FileNameOf(path);
    const void* raw = nullptr;
    const int opened = freexl_open(path.c_str(), &raw);
    std::unique_ptr<const void, TXlsClose> handle(raw);
    if (opened != FREEXL_OK)
        throw TFileError("无法打开“" + fileName + "”：不是有效的 XLS 文件（FreeXL 错误 " + std::to_string(opened) +
                         "）");
    unsigned int info = 0;
    if (freexl_get_info(raw, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED)
        throw TFileError("无法打开“" + fileName + "”：文件有密码保护");
    unsigned int count = 0;
    if (freexl_get_info(raw, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
        throw TFileError("文件“" + fileName + "”中没有工作表");
    TSheetRead read;
    read.Table = TSheetTable(maxArea);
    for (unsigned int i = 0; i < count && i < 0xFFFF; ++i) {
        const char* name = nullptr;
        read.SheetNames.push_back(
            freexl_get_worksheet_name(raw, static_cast<unsigned short>(i), &name) == FREEXL_OK && name ? name : "");
    }
    read.Sheet = sheet < read.SheetNames.size() ? sheet : 0;
    unsigned int rows = 0;
    unsigned short cols = 0;
    if (freexl_select_active_worksheet(raw, static_cast<unsigned short>(read.Sheet)) != FREEXL_OK ||
        freexl_worksheet_dimensions(raw, &rows, &cols) != FREEXL_OK)
        throw TFileError("文件“" + fileName + "”的工作表“" + read.SheetNames[read.Sheet] + "”无法读取：文件已损坏");
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short col = 0; col < cols; ++col) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(raw, row, col, &cell) != FREEXL_OK)
                throw TFileError("文件“" + fileName + "”第 " + std::to_string(row + 1) + " 行第 " +
                                 std::to_string(col + 1) + " 列无法读取：文件已损坏");
            std::string text;
            switch (cell.type) {
            case FREEXL_CELL_INT: text = std::to_string(cell.value.int_value); break;
            case FREEXL_CELL_DOUBLE: text = ShortestNumberText(cell.value.double_value, decimal); break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME: text = cell.value.text_value ? cell.value.text_value : ""; break;
            default: break;
            }
            if (!read.Table.Set(row, col, std::move(text)))
                return read;
        }
    }
    return read;
}
