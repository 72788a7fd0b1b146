#pragma once
// One XML part of a zip container (XLSX, ODS) read as a stream: minizip
// inflates it piece by piece into QXmlStreamReader, so reading can stop early
// and never holds the whole part. The inflated bytes are capped: a zip bomb
// ends with an error instead of filling the memory.
#include <QXmlStreamReader>

#include <cstdint>
#include <string>

#include "ZipArchive.h"

// The value of the current element's attribute by its local name (any
// namespace prefix), "" when it has none.
inline QString AttributeByLocalName(const QXmlStreamReader& xml, QLatin1String name)
{
    for (const auto& attribute : xml.attributes())
        if (attribute.name() == name)
            return attribute.value().toString();
    return {};
}

// Inflated bytes one part may have; far above any sheet of 100,000 cells.
inline constexpr std::int64_t MaxPartBytes = std::int64_t(256) << 20;

class TZipXml {
public:
    // Throws TFileError naming fileName when the part is missing or unreadable.
    TZipXml(TZipArchive& zip, const QString& part, const std::string& fileName);
    ~TZipXml();

    // The next token; more bytes are inflated as the reader needs them.
    // Throws TFileError for broken XML, a broken zip or the cap exceeded.
    QXmlStreamReader::TokenType Next();
    QXmlStreamReader& Xml() { return xml_; }
    // The text up to the end of the current element (its children's texts too).
    QString ElementText();

private:
    bool Feed();

    TZipArchive& zip_;
    QXmlStreamReader xml_;
    std::string fileName_;
    QString part_;
    std::int64_t inflated_ = 0;
    bool ended_ = false;
};

// True when the container holds the part.
bool HasZipPart(TZipArchive& zip, const QString& part);
