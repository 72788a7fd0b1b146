// XLSX: xl/workbook.xml names the sheets, its relationships name their parts,
// xl/sharedStrings.xml holds the texts that cells refer to by index.
#include "ZipArchive.h"

#include <cstdlib>
#include <map>
#include <optional>

#include "FileError.h"
#include "SheetFile.h"
#include "XlsxDates.h"
#include "ZipXml.h"

namespace {

using TToken = QXmlStreamReader::TokenType;

struct TSheetEntry {
    std::string Name;
    QString RelationId;
};

struct TWorkbook {
    std::vector<TSheetEntry> Sheets;
    bool Epoch1904 = false;
};

TWorkbook ReadWorkbook(TZipArchive& zip, const std::string& fileName)
{
    TWorkbook workbook;
    TZipXml xml(zip, QStringLiteral("xl/workbook.xml"), fileName);
    for (TToken token; (token = xml.Next()) != QXmlStreamReader::EndDocument;) {
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.Xml().name() == QLatin1String("sheet")) {
            workbook.Sheets.push_back({AttributeByLocalName(xml.Xml(), QLatin1String("name")).toStdString(),
                                       AttributeByLocalName(xml.Xml(), QLatin1String("id"))});
        } else if (xml.Xml().name() == QLatin1String("workbookPr")) {
            const QString epoch = AttributeByLocalName(xml.Xml(), QLatin1String("date1904"));
            workbook.Epoch1904 = epoch == QLatin1String("1") || epoch == QLatin1String("true");
        }
    }
    return workbook;
}

// Relationship id to part name, and the shared strings' part.
struct TRelations {
    std::map<QString, QString> Targets;
    QString SharedStrings;
};

QString PartOfTarget(const QString& target)
{
    return target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
}

TRelations WorkbookRelations(TZipArchive& zip, const std::string& fileName)
{
    TRelations relations;
    TZipXml xml(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), fileName);
    for (TToken token; (token = xml.Next()) != QXmlStreamReader::EndDocument;) {
        if (token != QXmlStreamReader::StartElement || xml.Xml().name() != QLatin1String("Relationship"))
            continue;
        const QString part = PartOfTarget(AttributeByLocalName(xml.Xml(), QLatin1String("Target")));
        relations.Targets[AttributeByLocalName(xml.Xml(), QLatin1String("Id"))] = part;
        if (AttributeByLocalName(xml.Xml(), QLatin1String("Type")).endsWith(QLatin1String("/sharedStrings")))
            relations.SharedStrings = part;
    }
    return relations;
}

// The texts of <si> items: their <t> runs, without phonetic runs (<rPh>).
std::vector<std::string> SharedStrings(TZipArchive& zip, const QString& part, const std::string& fileName)
{
    std::vector<std::string> strings;
    if (part.isEmpty() || !HasZipPart(zip, part))
        return strings;
    TZipXml xml(zip, part, fileName);
    QString item;
    int phonetic = 0;
    for (TToken token; (token = xml.Next()) != QXmlStreamReader::EndDocument;) {
        if (token == QXmlStreamReader::StartElement) {
            const auto name = xml.Xml().name();
            if (name == QLatin1String("si"))
                item.clear();
            else if (name == QLatin1String("rPh"))
                ++phonetic;
            else if (name == QLatin1String("t") && phonetic == 0)
                item += xml.ElementText();
        } else if (token == QXmlStreamReader::EndElement) {
            const auto name = xml.Xml().name();
            if (name == QLatin1String("si"))
                strings.push_back(item.toStdString());
            else if (name == QLatin1String("rPh"))
                --phonetic;
        }
    }
    return strings;
}

// "AB12" → column 27, row 11 (from zero); none for a malformed reference.
std::optional<std::pair<std::uint64_t, std::uint64_t>> CellReference(const QString& reference)
{
    std::uint64_t col = 0, row = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter() && i < 4; ++i)
        col = col * 26 + static_cast<std::uint64_t>(reference[i].toUpper().unicode() - u'A' + 1);
    const qsizetype letters = i;
    for (; i < reference.size() && reference[i].isDigit() && i < 12; ++i)
        row = row * 10 + static_cast<std::uint64_t>(reference[i].unicode() - u'0');
    if (letters == 0 || i == letters || i != reference.size() || row == 0)
        return std::nullopt;
    return std::pair{col - 1, row - 1};
}

class TWorksheetReader {
public:
    TWorksheetReader(const std::vector<std::string>& strings, const TXlsxDates& dates, const std::string& decimal,
                     TSheetTable& table, const std::string& fileName)
        : strings_(strings),
          dates_(dates),
          decimal_(decimal),
          table_(table),
          fileName_(fileName)
    {}

    void Read(TZipXml& xml)
    {
        for (TToken token; (token = xml.Next()) != QXmlStreamReader::EndDocument;) {
            if (token != QXmlStreamReader::StartElement)
                continue;
            const auto name = xml.Xml().name();
            if (name == QLatin1String("row")) {
                const QString r = AttributeByLocalName(xml.Xml(), QLatin1String("r"));
                row_ = r.isEmpty() ? row_ + 1 : r.toLongLong() - 1;
                col_ = -1;
            } else if (name == QLatin1String("c")) {
                if (!ReadCell(xml))
                    return;  // the bound is reached: the rest is not read
            }
        }
    }

private:
    bool ReadCell(TZipXml& xml)
    {
        const QString reference = AttributeByLocalName(xml.Xml(), QLatin1String("r"));
        const QString type = AttributeByLocalName(xml.Xml(), QLatin1String("t"));
        const bool isDate = dates_.IsDateStyle(AttributeByLocalName(xml.Xml(), QLatin1String("s")));
        if (const auto at = reference.isEmpty() ? std::nullopt : CellReference(reference)) {
            col_ = static_cast<std::int64_t>(at->first);
            row_ = static_cast<std::int64_t>(at->second);
        } else {
            ++col_;
        }
        QString value, inlineText;
        for (int depth = 1; depth > 0;) {
            const TToken token = xml.Next();
            if (token == QXmlStreamReader::EndDocument)
                break;
            if (token == QXmlStreamReader::EndElement) {
                --depth;
            } else if (token == QXmlStreamReader::StartElement) {
                const auto name = xml.Xml().name();
                if (name == QLatin1String("v"))
                    value = xml.ElementText();
                else if (name == QLatin1String("t"))
                    inlineText += xml.ElementText();
                else
                    ++depth;
            }
        }
        if (row_ < 0)
            return true;
        return table_.Set(static_cast<std::uint64_t>(row_), static_cast<std::uint64_t>(col_),
                          CellText(type, value, inlineText, isDate));
    }

    std::string CellText(const QString& type, const QString& value, const QString& inlineText, bool isDate) const
    {
        if (type == QLatin1String("s")) {
            bool ok = false;
            const qulonglong index = value.toULongLong(&ok);
            if (!ok || index >= strings_.size())
                throw TFileError("文件“" + fileName_ + "”的单元格引用了不存在的共享字符串“" + value.toStdString() +
                                 "”：文件已损坏");
            return strings_[index];
        }
        if (type == QLatin1String("inlineStr"))
            return inlineText.toStdString();
        if (type == QLatin1String("b"))
            return value == QLatin1String("1") ? "TRUE" : value.isEmpty() ? "" : "FALSE";
        if (type.isEmpty() || type == QLatin1String("n")) {
            const std::string number = value.trimmed().toStdString();
            if (number.empty())
                return {};
            char* end = nullptr;
            const double parsed = std::strtod(number.c_str(), &end);
            if (end != number.c_str() + number.size())
                return number;
            if (const std::string date = isDate ? SerialDateText(parsed, dates_.Epoch1904) : ""; !date.empty())
                return date;
            return ShortestNumberText(parsed, decimal_);
        }
        return value.toStdString();  // str (a formula's text), e (an error such as #DIV/0!), d (ISO date)
    }

    const std::vector<std::string>& strings_;
    const TXlsxDates& dates_;
    const std::string& decimal_;
    TSheetTable& table_;
    const std::string& fileName_;
    std::int64_t row_ = -1, col_ = -1;
};

}  // namespace

TSheetRead ReadXlsx(const std::string& path, std::size_t sheet, const std::string& decimal, std::uint64_t maxArea)
{
    const std::string fileName = FileNameOf(path);
    TZipArchive zip(path, "不是有效的 XLSX 文件（zip 容器损坏）");
    TSheetRead read;
    read.Table = TSheetTable(maxArea);
    const TWorkbook workbook = ReadWorkbook(zip, fileName);
    const std::vector<TSheetEntry>& sheets = workbook.Sheets;
    if (sheets.empty())
        throw TFileError("文件“" + fileName + "”中没有工作表");
    for (const auto& entry : sheets)
        read.SheetNames.push_back(entry.Name);
    read.Sheet = sheet < sheets.size() ? sheet : 0;
    const TRelations relations = WorkbookRelations(zip, fileName);
    const auto target = relations.Targets.find(sheets[read.Sheet].RelationId);
    if (target == relations.Targets.end())
        throw TFileError("文件“" + fileName + "”中找不到工作表“" + sheets[read.Sheet].Name + "”的内容：文件已损坏");
    const std::vector<std::string> strings = SharedStrings(zip, relations.SharedStrings, fileName);
    TXlsxDates dates = ReadXlsxDateStyles(zip, fileName);
    dates.Epoch1904 = workbook.Epoch1904;
    TZipXml xml(zip, target->second, fileName);
    TWorksheetReader(strings, dates, decimal, read.Table, fileName).Read(xml);
    return read;
}
