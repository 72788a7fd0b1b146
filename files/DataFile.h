#pragma once
// A data file of any kind the tool opens (CSV, TSV, TXT, XLSX, ODS, XLS),
// read into a table of cell texts. The kind is taken from the file's first
// bytes, not its name: a workbook renamed .csv is still read as a workbook,
// and binary bytes named .csv are refused.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SheetTable.h"

enum class TDataFileKind { dfText, dfXlsx, dfOds, dfXls };

struct TDataFileRequest {
    std::string Path;
    std::size_t Sheet = 0;
    // Text files: the encoding ("" guesses) and the decimal separator the
    // user chose (none: "," beside ";" or tab, else the one in force).
    std::string Encoding;
    std::optional<std::string> DecimalOption;
    std::optional<char> FieldOption;  // none: chosen from the first lines
    // The decimal separator in force: numbers of a workbook are written with it.
    std::string Decimal = ".";
    std::uint64_t MaxCells = 100000;
};

struct TDataFile {
    TDataFileKind Kind = TDataFileKind::dfText;
    std::vector<std::string> SheetNames;  // one (empty) name for a text file
    std::size_t Sheet = 0;
    TSheetTable Table{0};
    // Text files: as read or guessed.
    std::string Encoding;
    char FieldSeparator = 0;
    std::string FileDecimal;
};

// Throws TFileError with a Chinese message naming the file.
TDataFile ReadDataFile(const TDataFileRequest& request);
TDataFileKind DataFileKindOf(const std::string& path);
