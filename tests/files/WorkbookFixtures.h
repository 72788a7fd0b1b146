#pragma once
// Small workbooks written by the tests themselves: XLSX and ODS are zip
// containers of XML, written here with minizip.
#include <string>
#include <utility>
#include <vector>

using TZipParts = std::vector<std::pair<std::string, std::string>>;

void WriteZip(const std::string& path, const TZipParts& parts);

// A cell of a generated sheet: its XML inside <c …> for XLSX.
// Rows of texts; a text that parses as a number is written as a number cell,
// "" as no cell at all, "=…|v" as a formula with its cached value v.
using TSheetRows = std::vector<std::vector<std::string>>;
void WriteXlsx(const std::string& path, const std::vector<std::pair<std::string, TSheetRows>>& sheets);
void WriteOds(const std::string& path, const std::vector<std::pair<std::string, TSheetRows>>& sheets);
void WriteBytes(const std::string& path, const std::string& bytes);
