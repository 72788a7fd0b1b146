#pragma once
// The spreadsheet readers: XLSX and ODS (zip containers with XML, through
// minizip and QXmlStreamReader) and XLS (FreeXL). Each reads the names of the
// sheets and the cells of one of them: a number becomes its shortest decimal
// text with the given decimal separator, a text its text, a formula its
// cached value, an empty cell stays empty. Throws TFileError.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "SheetTable.h"

struct TSheetRead {
    std::vector<std::string> SheetNames;
    std::size_t Sheet = 0;
    TSheetTable Table{0};
};

TSheetRead ReadXlsx(const std::string& path, std::size_t sheet, const std::string& decimal, std::uint64_t maxArea);
TSheetRead ReadOds(const std::string& path, std::size_t sheet, const std::string& decimal, std::uint64_t maxArea);
TSheetRead ReadXls(const std::string& path, std::size_t sheet, const std::string& decimal, std::uint64_t maxArea);

// The file's name as messages show it.
std::string FileNameOf(const std::string& path);
