#include <QJsonArray>

#include "ImportBox.h"

TImportSession::TImportSession(const QString& path, const QString& decimal)
{
    request_.Path = path.toStdString();
    request_.Decimal = decimal.toStdString();
    Read();
}

void TImportSession::Read()
{
    file_ = ReadDataFile(request_);
    Choice = GuessImport(file_.Table, file_.Kind == TDataFileKind::dfText ? file_.FileDecimal : request_.Decimal);
}

void TImportSession::Reread(std::size_t sheet, const std::string& encoding,
                            const std::optional<std::string>& decimalOption, std::optional<char> fieldOption)
{
    request_.FieldOption = fieldOption;
    request_.Sheet = sheet;
    request_.Encoding = encoding;
    request_.DecimalOption = decimalOption;
    Read();
}

std::vector<std::vector<std::string>> TImportSession::Cells() const
{
    const std::string& fileDecimal = file_.Kind == TDataFileKind::dfText ? file_.FileDecimal : request_.Decimal;
    return ChosenCells(file_.Table, Choice, fileDecimal, request_.Decimal);
}

QJsonObject TImportSession::Record() const
{
    QJsonArray columns;
    for (const std::size_t col : Choice.Columns)
        columns.append(qint64(col) + 1);
    QJsonObject record{{QStringLiteral("file"), QString::fromStdString(request_.Path)},
                       {QStringLiteral("headerRows"), qint64(Choice.HeaderRows)},
                       {QStringLiteral("columns"), columns}};
    if (file_.Kind == TDataFileKind::dfText) {
        record[QStringLiteral("encoding")] = QString::fromStdString(file_.Encoding);
        record[QStringLiteral("fieldSeparator")] =
            file_.FieldSeparator ? QString(QLatin1Char(file_.FieldSeparator)) : QString();
        record[QStringLiteral("decimalSeparator")] = QString::fromStdString(file_.FileDecimal);
    } else {
        record[QStringLiteral("sheet")] = QString::fromStdString(file_.SheetNames.at(file_.Sheet));
    }
    if (file_.Table.Truncated())
        record[QStringLiteral("truncated")] = true;
    return record;
}
