#include "StudyRecord.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

#include "FileError.h"
#include "ImportChoice.h"

namespace {

const char* const InputFields[] = {"Edit6", "Edit7", "Edit8", "Edit32"};

[[noreturn]] void Refuse(const QString& fileName, const QString& why)
{
    throw TFileError(QStringLiteral("无法打开“%1”：%2").arg(fileName, why).toStdString());
}

QString Converted(const QString& text, const QString& from, const QString& to)
{
    if (from == to || from.isEmpty() || !IsNumberText(text.toStdString(), from.toStdString()))
        return text;
    QString converted = text;
    return converted.replace(from, to);
}

}  // namespace

QByteArray StudyJson(const TStudy& study)
{
    QJsonArray cells;
    for (const TStudyCell& cell : study.Cells)
        cells.append(QJsonArray{cell.Col, cell.Row, cell.Text});
    QJsonObject inputs;
    for (auto it = study.Inputs.cbegin(); it != study.Inputs.cend(); ++it)
        inputs[it.key()] = it.value();
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(StudyFormatName)},
        {QStringLiteral("version"), StudyFormatVersion},
        {QStringLiteral("decimalSeparator"), study.DecimalSeparator},
        {QStringLiteral("grid"), QJsonObject{{QStringLiteral("colCount"), study.ColCount},
                                             {QStringLiteral("rowCount"), study.RowCount},
                                             {QStringLiteral("cells"), cells}}},
        {QStringLiteral("inputs"), inputs},
        {QStringLiteral("extended"), study.Extended},
    };
    if (!study.Info.IsEmpty())
        root[QStringLiteral("study")] = StudyInfoJson(study.Info);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

TStudy ParseStudy(const QByteArray& bytes, const QString& fileName)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        Refuse(
            fileName,
            QStringLiteral("不是有效的研究文件（JSON 第 %1 字节处：%2）").arg(error.offset).arg(error.errorString()));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(StudyFormatName))
        Refuse(fileName, QStringLiteral("不是 CPK-X-R 研究文件"));
    const int version = root.value(QStringLiteral("version")).toInt();
    if (version < 1 || version > StudyFormatVersion)
        Refuse(fileName, QStringLiteral("研究文件的版本 %1 不受支持（本程序读取版本 %2）：请使用更新的程序")
                             .arg(root.value(QStringLiteral("version")).toVariant().toString())
                             .arg(StudyFormatVersion));
    TStudy study;
    const QJsonObject grid = root.value(QStringLiteral("grid")).toObject();
    study.ColCount = grid.value(QStringLiteral("colCount")).toInt(5);
    study.RowCount = grid.value(QStringLiteral("rowCount")).toInt(10);
    if (study.ColCount < 1 || study.RowCount < 1 ||
        std::size_t(study.ColCount) * std::size_t(study.RowCount) > std::size_t(std::max(MaxStudyCells, 50)))
        Refuse(fileName, QStringLiteral("表格大小 %1 列 × %2 行超出范围").arg(study.ColCount).arg(study.RowCount));
    const QJsonArray cells = grid.value(QStringLiteral("cells")).toArray();
    for (const QJsonValue value : cells) {
        const QJsonArray cell = value.toArray();
        const int col = cell.at(0).toInt(-1), row = cell.at(1).toInt(-1);
        if (cell.size() != 3 || col < 0 || row < 0 || !cell.at(2).isString() || col >= MaxStudyCells ||
            row >= MaxStudyCells || study.Cells.size() >= std::size_t(MaxStudyCells))
            Refuse(fileName, QStringLiteral("表格单元格的记录有误"));
        study.Cells.push_back({col, row, cell.at(2).toString()});
    }
    const QJsonObject inputs = root.value(QStringLiteral("inputs")).toObject();
    for (const char* name : InputFields)
        if (inputs.contains(QLatin1String(name)))
            study.Inputs[QLatin1String(name)] = inputs.value(QLatin1String(name)).toString();
    study.DecimalSeparator = root.value(QStringLiteral("decimalSeparator")).toString();
    study.Extended = root.value(QStringLiteral("extended")).toObject();
    // A study text that is not a text would be lost without a word.
    const QJsonValue info = root.value(QStringLiteral("study"));
    if (!info.isUndefined() && !info.isObject())
        Refuse(fileName, QStringLiteral("研究信息的记录有误"));
    for (const TStudyFieldInfo& field : StudyFields) {
        const QJsonValue text = info.toObject().value(QLatin1String(field.Key));
        if (!text.isUndefined() && !text.isString())
            Refuse(fileName, QStringLiteral("研究信息“%1”的记录有误：不是文字").arg(QString::fromUtf8(field.Name)));
    }
    study.Info = ParseStudyInfo(info.toObject());
    return study;
}

TStudy WithDecimalSeparator(TStudy study, const QString& decimal)
{
    for (TStudyCell& cell : study.Cells)
        cell.Text = Converted(cell.Text, study.DecimalSeparator, decimal);
    for (auto it = study.Inputs.begin(); it != study.Inputs.end(); ++it)
        it.value() = Converted(it.value(), study.DecimalSeparator, decimal);
    study.DecimalSeparator = decimal;
    return study;
}
