#include "WorkbookFixtures.h"

#include <zip.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace {

bool IsNumber(const std::string& text)
{
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text)
        out += c == '<' ? "&lt;" : c == '&' ? "&amp;" : c == '"' ? "&quot;" : std::string(1, c);
    return out;
}

std::string ColumnName(std::size_t col)
{
    std::string name;
    for (++col; col > 0; col = (col - 1) / 26)
        name.insert(name.begin(), char('A' + (col - 1) % 26));
    return name;
}

}  // namespace

void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

void WriteZip(const std::string& path, const TZipParts& parts)
{
    const zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        throw std::runtime_error("cannot create " + path);
    for (const auto& [name, contents] : parts) {
        if (zipOpenNewFileInZip64(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                  Z_DEFAULT_COMPRESSION, 0) != ZIP_OK ||
            zipWriteInFileInZip(zip, contents.data(), unsigned(contents.size())) != ZIP_OK ||
            zipCloseFileInZip(zip) != ZIP_OK)
            throw std::runtime_error("cannot add " + name);
    }
    zipClose(zip, nullptr);
}

void WriteXlsx(const std::string& path, const std::vector<std::pair<std::string, TSheetRows>>& sheets)
{
    TZipParts parts;
    std::string workbook =
        R"(<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)";
    std::string relations =
        R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    std::vector<std::string> strings;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const std::string id = std::to_string(s + 1);
        workbook += "<sheet name=\"" + Escaped(sheets[s].first) + "\" sheetId=\"" + id + "\" r:id=\"rId" + id + "\"/>";
        relations += "<Relationship Id=\"rId" + id +
                     "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                     "Target=\"worksheets/sheet" +
                     id + ".xml\"/>";
        std::string xml =
            R"(<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)";
        const TSheetRows& rows = sheets[s].second;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            xml += "<row r=\"" + std::to_string(r + 1) + "\">";
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                const std::string& text = rows[r][c];
                const std::string ref = ColumnName(c) + std::to_string(r + 1);
                if (text.empty())
                    continue;
                if (text[0] == '=') {
                    const auto bar = text.find('|');
                    xml += "<c r=\"" + ref + "\"><f>" + Escaped(text.substr(1, bar - 1)) + "</f><v>" +
                           text.substr(bar + 1) + "</v></c>";
                } else if (IsNumber(text)) {
                    xml += "<c r=\"" + ref + "\"><v>" + text + "</v></c>";
                } else {
                    xml += "<c r=\"" + ref + "\" t=\"s\"><v>" + std::to_string(strings.size()) + "</v></c>";
                    strings.push_back(text);
                }
            }
            xml += "</row>";
        }
        xml += "</sheetData></worksheet>";
        parts.emplace_back("xl/worksheets/sheet" + id + ".xml", xml);
    }
    relations +=
        R"(<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";
    workbook += "</sheets></workbook>";
    std::string shared =
        R"(<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";
    for (const auto& text : strings)
        shared += "<si><t>" + Escaped(text) + "</t></si>";
    shared += "</sst>";
    parts.emplace_back(
        "[Content_Types].xml",
        R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>)");
    parts.emplace_back("xl/workbook.xml", workbook);
    parts.emplace_back("xl/_rels/workbook.xml.rels", relations);
    parts.emplace_back("xl/sharedStrings.xml", shared);
    WriteZip(path, parts);
}

void WriteOds(const std::string& path, const std::vector<std::pair<std::string, TSheetRows>>& sheets)
{
    std::string xml =
        R"(<?xml version="1.0" encoding="UTF-8"?><office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>)";
    for (const auto& [name, rows] : sheets) {
        xml += "<table:table table:name=\"" + Escaped(name) + "\">";
        for (const auto& row : rows) {
            xml += "<table:table-row>";
            for (const auto& text : row) {
                if (text.empty()) {
                    xml += "<table:table-cell/>";
                } else if (text[0] == '=') {
                    const auto bar = text.find('|');
                    xml += "<table:table-cell table:formula=\"of:" + Escaped(text.substr(1, bar - 1)) +
                           "\" office:value-type=\"float\" office:value=\"" + text.substr(bar + 1) + "\"><text:p>" +
                           text.substr(bar + 1) + "</text:p></table:table-cell>";
                } else if (IsNumber(text)) {
                    xml += "<table:table-cell office:value-type=\"float\" office:value=\"" + text + "\"><text:p>" +
                           text + "</text:p></table:table-cell>";
                } else {
                    xml += "<table:table-cell office:value-type=\"string\"><text:p>" + Escaped(text) +
                           "</text:p></table:table-cell>";
                }
            }
            // As spreadsheets write them: the rest of the row and of the sheet as repeated empties.
            xml += "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>";
        }
        xml += "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
               "table:number-columns-repeated=\"16384\"/></table:table-row></table:table>";
    }
    xml += "</office:spreadsheet></office:body></office:document-content>";
    WriteZip(path, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", xml}});
}
