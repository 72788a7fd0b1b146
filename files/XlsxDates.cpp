#include "XlsxDates.h"

#include <QDate>

#include <cmath>
#include <map>

#include "ZipXml.h"

bool TXlsxDates::IsDateStyle(const QString& styleIndex) const
{
    bool ok = false;
    const qulonglong index = styleIndex.toULongLong(&ok);
    return ok && index < DateStyles.size() && DateStyles[index];
}

bool IsDateFormat(int numFmtId, const QString& formatCode)
{
    if ((numFmtId >= 14 && numFmtId <= 22) || (numFmtId >= 27 && numFmtId <= 36) ||
        (numFmtId >= 45 && numFmtId <= 47) || (numFmtId >= 50 && numFmtId <= 58))
        return true;
    bool quoted = false;
    int bracket = 0;
    for (qsizetype i = 0; i < formatCode.size(); ++i) {
        const QChar c = formatCode[i];
        if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;  // the next character is shown or padded, not a code
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u'[') {
            ++bracket;
        } else if (!quoted && c == u']') {
            bracket = std::max(0, bracket - 1);
        } else if (!quoted && bracket == 0 && QStringLiteral("yYmMdDhHsS").contains(c)) {
            return true;
        }
    }
    return false;
}

TXlsxDates ReadXlsxDateStyles(TZipArchive& zip, const std::string& fileName)
{
    TXlsxDates dates;
    const QString part = QStringLiteral("xl/styles.xml");
    if (!HasZipPart(zip, part))
        return dates;
    TZipXml xml(zip, part, fileName);
    std::map<int, bool> customFormats;
    bool inCellXfs = false;
    using TToken = QXmlStreamReader::TokenType;
    for (TToken token; (token = xml.Next()) != QXmlStreamReader::EndDocument;) {
        const auto name = xml.Xml().name();
        if (token == QXmlStreamReader::EndElement && name == QLatin1String("cellXfs"))
            inCellXfs = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (name == QLatin1String("numFmt")) {
            const int id = AttributeByLocalName(xml.Xml(), QLatin1String("numFmtId")).toInt();
            customFormats[id] = IsDateFormat(-1, AttributeByLocalName(xml.Xml(), QLatin1String("formatCode")));
        } else if (name == QLatin1String("cellXfs")) {
            inCellXfs = true;
        } else if (inCellXfs && name == QLatin1String("xf")) {
            const int id = AttributeByLocalName(xml.Xml(), QLatin1String("numFmtId")).toInt();
            const auto custom = customFormats.find(id);
            dates.DateStyles.push_back(custom != customFormats.end() ? custom->second : IsDateFormat(id, {}));
        }
    }
    return dates;
}

std::string SerialDateText(double serial, bool epoch1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial >= 2958466)  // after 9999-12-31
        return {};
    const auto days = static_cast<qint64>(std::floor(serial));
    auto seconds = static_cast<int>(std::lround((serial - double(days)) * 86400));
    qint64 dayCount = days + seconds / 86400;
    seconds %= 86400;
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                             .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (dayCount == 0 && !epoch1904)
        return time.toStdString();  // a time of day without a date
    QDate date;
    if (epoch1904)
        date = QDate(1904, 1, 1).addDays(dayCount);
    else if (dayCount == 60)
        return "1900-02-29";  // the day that never was, kept as spreadsheets show it
    else
        date = QDate(1899, 12, dayCount < 60 ? 31 : 30).addDays(dayCount);
    QString text = date.toString(Qt::ISODate);
    if (seconds > 0)
        text += QLatin1Char(' ') + time;
    return text.toStdString();
}
