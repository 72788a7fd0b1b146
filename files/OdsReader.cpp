// ODS: content.xml holds every sheet as a table of rows and cells; runs of
// equal rows and cells are written once with a repeat count, so repeated
// empty places are counted, never materialised.
#include "ZipArchive.h"

#include <cstdlib>

#include "FileError.h"
#include "SheetFile.h"
#include "ZipXml.h"

namespace {

using TToken = QXmlStreamReader::TokenType;

std::uint64_t Repeat(const QXmlStreamReader& xml, QLatin1String name)
{
    const qulonglong count = AttributeByLocalName(xml, name).toULongLong();
    return count == 0 ? 1 : count;
}

// A cell's paragraphs joined by line feeds; <text:s> stands for blanks,
// <text:tab> for a tab, <text:line-break> for a line feed.
QString CellParagraphs(TZipXml& xml)
{
    QString text;
    bool firstParagraph = true;
    for (int depth = 1; depth > 0;) {
        const TToken token = xml.Next();
        if (token == QXmlStreamReader::EndDocument)
            break;
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters) {
            if (depth >= 2)
                text += xml.Xml().text();
        } else if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const auto name = xml.Xml().name();
            if (name == QLatin1String("p") && depth == 2) {
                if (!firstParagraph)
                    text += QLatin1Char('\n');
                firstParagraph = false;
            } else if (name == QLatin1String("s")) {
                text += QString(
                    static_cast<qsizetype>(std::min<std::uint64_t>(Repeat(xml.Xml(), QLatin1String("c")), 1000)),
                    QLatin1Char(' '));
            } else if (name == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (name == QLatin1String("line-break")) {
                text += QLatin1Char('\n');
            } else if (name == QLatin1String("annotation")) {
                xml.ElementText();  // a comment is not the cell's text
                --depth;
            }
        }
    }
    return text;
}

class TContentReader {
public:
    TContentReader(std::size_t sheet, const std::string& decimal, TSheetTable& table)
        : sheet_(sheet),
          decimal_(decimal),
          table_(table)
    {}

    std::vector<std::string> Read(TZipXml& xml)
    {
        for (TToken token; (token = xml.Next()) != QXmlStreamReader::EndDocument;) {
            if (token == QXmlStreamReader::StartElement) {
                const auto name = xml.Xml().name();
                if (name == QLatin1String("table")) {
                    names_.push_back(AttributeByLocalName(xml.Xml(), QLatin1String("name")).toStdString());
                    inSheet_ = names_.size() - 1 == sheet_;
                    row_ = 0;
                } else if (inSheet_ && !full_ && name == QLatin1String("table-row")) {
                    rowRepeat_ = Repeat(xml.Xml(), QLatin1String("number-rows-repeated"));
                    col_ = 0;
                    rowCells_.clear();
                } else if (inSheet_ && !full_ &&
                           (name == QLatin1String("table-cell") || name == QLatin1String("covered-table-cell"))) {
                    ReadCell(xml);
                }
            } else if (token == QXmlStreamReader::EndElement) {
                const auto name = xml.Xml().name();
                if (name == QLatin1String("table")) {
                    inSheet_ = false;
                } else if (inSheet_ && !full_ && name == QLatin1String("table-row")) {
                    EndRow();
                }
            }
        }
        return names_;
    }

private:
    struct TCellRun {
        std::uint64_t Col, Count;
        std::string Text;
    };

    void ReadCell(TZipXml& xml)
    {
        const std::uint64_t repeat = Repeat(xml.Xml(), QLatin1String("number-columns-repeated"));
        const QString type = AttributeByLocalName(xml.Xml(), QLatin1String("value-type"));
        const QString value = AttributeByLocalName(xml.Xml(), QLatin1String("value"));
        const QString paragraphs = CellParagraphs(xml);
        std::string text;
        if (type == QLatin1String("float") || type == QLatin1String("percentage") ||
            type == QLatin1String("currency")) {
            const std::string number = value.toStdString();
            char* end = nullptr;
            const double parsed = std::strtod(number.c_str(), &end);
            text = !number.empty() && end == number.c_str() + number.size() ? ShortestNumberText(parsed, decimal_)
                                                                            : paragraphs.toStdString();
        } else {
            text = paragraphs.toStdString();  // strings, dates and booleans as the sheet shows them
        }
        if (!text.empty())
            rowCells_.push_back({col_, repeat, std::move(text)});
        col_ += repeat;
    }

    void EndRow()
    {
        if (rowCells_.empty()) {
            row_ += rowRepeat_;  // empty rows are only counted
            return;
        }
        for (std::uint64_t r = 0; r < rowRepeat_ && !full_; ++r, ++row_)
            for (const TCellRun& run : rowCells_)
                for (std::uint64_t c = 0; c < run.Count && !full_; ++c)
                    full_ = !table_.Set(row_, run.Col + c, run.Text);
    }

    const std::size_t sheet_;
    const std::string& decimal_;
    TSheetTable& table_;
    std::vector<std::string> names_;
    std::vector<TCellRun> rowCells_;
    std::uint64_t row_ = 0, col_ = 0, rowRepeat_ = 1;
    bool inSheet_ = false, full_ = false;
};

}  // namespace

TSheetRead ReadOds(const std::string& path, std::size_t sheet, const std::string& decimal, std::uint64_t maxArea)
{
    const std::string fileName = FileNameOf(path);
    TZipArchive zip(path, "不是有效的 ODS 文件（zip 容器损坏）");
    TSheetRead read;
    read.Table = TSheetTable(maxArea);
    TZipXml xml(zip, QStringLiteral("content.xml"), fileName);
    read.SheetNames = TContentReader(sheet, decimal, read.Table).Read(xml);
    if (read.SheetNames.empty())
        throw TFileError("文件“" + fileName + "”中没有工作表");
    if (sheet >= read.SheetNames.size()) {
        read.Table = TSheetTable(maxArea);
        TZipXml again(zip, QStringLiteral("content.xml"), fileName);
        TContentReader(0, decimal, read.Table).Read(again);
    }
    read.Sheet = sheet < read.SheetNames.size() ? sheet : 0;
    return read;
}
