#include "ZipXml.h"

#include <unzip.h>

#include "FileError.h"

TZipXml::TZipXml(TZipArchive& zip, const QString& part, const std::string& fileName)
    : zip_(zip),
      fileName_(fileName),
      part_(part)
{
    if (!zip.Select(part))
        throw TFileError("文件“" + fileName_ + "”缺少“" + part.toStdString() + "”：不是完整的表格文件");
    // A part that says it inflates far beyond the cap at a ratio no sheet has is
    // refused before it is read; the count while reading catches one that lies.
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip.Handle(), &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
        info.uncompressed_size > std::uint64_t(MaxPartBytes) && info.uncompressed_size / 100 > info.compressed_size)
        throw TFileError("文件“" + fileName_ + "”中的“" + part.toStdString() + "”解压后有 " +
                         std::to_string(info.uncompressed_size >> 20) + " MiB：不读取（可能是压缩炸弹）");
    if (unzOpenCurrentFile(zip.Handle()) != UNZ_OK)
        throw TFileError("文件“" + fileName_ + "”中的“" + part.toStdString() + "”无法解压：文件已损坏或已加密");
}

TZipXml::~TZipXml()
{
    if (!ended_)
        unzCloseCurrentFile(zip_.Handle());
}

bool TZipXml::Feed()
{
    if (ended_)
        return false;
    QByteArray piece(1 << 16, Qt::Uninitialized);
    const int read = unzReadCurrentFile(zip_.Handle(), piece.data(), unsigned(piece.size()));
    if (read <= 0) {
        ended_ = true;
        // A short or corrupt stream shows up here as an error or a bad checksum on close.
        if (unzCloseCurrentFile(zip_.Handle()) != UNZ_OK || read < 0)
            throw TFileError("文件“" + fileName_ + "”中的“" + part_.toStdString() + "”已损坏（解压失败）");
        return false;
    }
    piece.truncate(read);
    inflated_ += piece.size();
    if (inflated_ > MaxPartBytes)
        throw TFileError("文件“" + fileName_ + "”中的“" + part_.toStdString() + "”解压后超过 " +
                         std::to_string(MaxPartBytes >> 20) + " MiB：不读取（可能是压缩炸弹）");
    xml_.addData(piece);
    return true;
}

QXmlStreamReader::TokenType TZipXml::Next()
{
    for (;;) {
        const auto token = xml_.readNext();
        if (token == QXmlStreamReader::Invalid) {
            if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError && Feed())
                continue;
            throw TFileError("文件“" + fileName_ + "”中的“" + part_.toStdString() + "”不是有效的 XML（第 " +
                             std::to_string(xml_.lineNumber()) + " 行：" + xml_.errorString().toStdString() + "）");
        }
        return token;
    }
}

QString TZipXml::ElementText()
{
    QString text;
    for (int depth = 1; depth > 0;) {
        const auto token = Next();
        if (token == QXmlStreamReader::StartElement)
            ++depth;
        else if (token == QXmlStreamReader::EndElement)
            --depth;
        else if (token == QXmlStreamReader::Characters)
            text += xml_.text();
        else if (token == QXmlStreamReader::EndDocument)
            break;
    }
    return text;
}

bool HasZipPart(TZipArchive& zip, const QString& part) { return zip.Select(part); }
