#include "StudyFile.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>

#include <algorithm>

#include "ExtendedWindow.h"
#include "FileError.h"
#include "GridCommands.h"
#include "ImportChoice.h"
#include "NumberSettings.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

const char* const InputFields[] = {"Edit6", "Edit7", "Edit8", "Edit32"};

QWidget* ExtendedWindowOf(const TForm1& form) { return form.findChild<QWidget*>(QStringLiteral("ExtendedAnalysis")); }

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

TStudy CaptureStudy(const TForm1& form)
{
    TStudy study;
    const TStringGrid& grid = *form.StringGrid1();
    study.ColCount = grid.ColCount();
    study.RowCount = grid.RowCount();
    study.Cells = grid.StoredCells();
    std::sort(study.Cells.begin(), study.Cells.end(), [](const TStoredCell& a, const TStoredCell& b) {
        return std::pair(a.Row, a.Col) < std::pair(b.Row, b.Col);
    });
    for (const char* name : InputFields)
        study.Inputs[QLatin1String(name)] = form.Edit(QLatin1String(name))->text();
    study.DecimalSeparator = QString::fromStdString(NumberSettings().DecimalSeparator);
    if (const QWidget* extended = ExtendedWindowOf(form)) {
        for (const QComboBox* box : extended->findChildren<QComboBox*>())
            if (!box->objectName().isEmpty())
                study.Extended[box->objectName()] = box->currentData().toString();
        for (const QLineEdit* edit : extended->findChildren<QLineEdit*>())
            if (!edit->objectName().isEmpty() && !qobject_cast<QComboBox*>(edit->parentWidget()))
                study.Extended[edit->objectName()] = edit->text();
    }
    return study;
}

QByteArray StudyJson(const TStudy& study)
{
    QJsonArray cells;
    for (const TStoredCell& cell : study.Cells)
        cells.append(QJsonArray{cell.Col, cell.Row, cell.Text});
    QJsonObject inputs;
    for (auto it = study.Inputs.cbegin(); it != study.Inputs.cend(); ++it)
        inputs[it.key()] = it.value();
    const QJsonObject root{
        {QStringLiteral("format"), QLatin1String(StudyFormatName)},
        {QStringLiteral("version"), StudyFormatVersion},
        {QStringLiteral("decimalSeparator"), study.DecimalSeparator},
        {QStringLiteral("grid"), QJsonObject{{QStringLiteral("colCount"), study.ColCount},
                                             {QStringLiteral("rowCount"), study.RowCount},
                                             {QStringLiteral("cells"), cells}}},
        {QStringLiteral("inputs"), inputs},
        {QStringLiteral("extended"), study.Extended},
    };
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
        std::size_t(study.ColCount) * std::size_t(study.RowCount) > std::max<std::size_t>(MaxEnlargedCells, 50))
        Refuse(fileName, QStringLiteral("表格大小 %1 列 × %2 行超出范围").arg(study.ColCount).arg(study.RowCount));
    for (const QJsonValue& value : grid.value(QStringLiteral("cells")).toArray()) {
        const QJsonArray cell = value.toArray();
        const int col = cell.at(0).toInt(-1), row = cell.at(1).toInt(-1);
        if (cell.size() != 3 || col < 0 || row < 0 || !cell.at(2).isString() || col >= int(MaxEnlargedCells) ||
            row >= int(MaxEnlargedCells) || study.Cells.size() >= MaxEnlargedCells)
            Refuse(fileName, QStringLiteral("表格单元格的记录有误"));
        study.Cells.push_back({col, row, cell.at(2).toString()});
    }
    const QJsonObject inputs = root.value(QStringLiteral("inputs")).toObject();
    for (const char* name : InputFields)
        if (inputs.contains(QLatin1String(name)))
            study.Inputs[QLatin1String(name)] = inputs.value(QLatin1String(name)).toString();
    study.DecimalSeparator = root.value(QStringLiteral("decimalSeparator")).toString();
    study.Extended = root.value(QStringLiteral("extended")).toObject();
    return study;
}

TStudy WithDecimalSeparator(TStudy study, const QString& decimal)
{
    for (TStoredCell& cell : study.Cells)
        cell.Text = Converted(cell.Text, study.DecimalSeparator, decimal);
    for (auto it = study.Inputs.begin(); it != study.Inputs.end(); ++it)
        it.value() = Converted(it.value(), study.DecimalSeparator, decimal);
    study.DecimalSeparator = decimal;
    return study;
}

void ApplyStudy(TForm1& form, const TStudy& study)
{
    TStringGrid& grid = *form.StringGrid1();
    grid.AsOneStep(QStringLiteral("打开"), [&] {
        ClearGridCells(grid);
        grid.SetColCount(study.ColCount);
        grid.SetRowCount(study.RowCount);
        for (const TStoredCell& cell : study.Cells)
            grid.SetCells(cell.Col, cell.Row, cell.Text);
    });
    for (auto it = study.Inputs.cbegin(); it != study.Inputs.cend(); ++it)
        form.Edit(it.key())->setText(it.value());
    if (study.Extended.isEmpty())
        return;
    ShowExtendedAnalysis(form);
    if (QWidget* extended = ExtendedWindowOf(form)) {
        for (QComboBox* box : extended->findChildren<QComboBox*>())
            if (study.Extended.contains(box->objectName())) {
                const int index = box->findData(study.Extended.value(box->objectName()).toString());
                if (index >= 0)
                    box->setCurrentIndex(index);
            }
        for (QLineEdit* edit : extended->findChildren<QLineEdit*>())
            if (study.Extended.contains(edit->objectName()))
                edit->setText(study.Extended.value(edit->objectName()).toString());
    }
}
