#pragma once
// The study information (文件 → 研究信息…): who measured what, with which gauge.
// Kept in the study file, shown on the form's header labels, printed on the
// report and the workbook. Every text is the user's own, of any length.
#include <QJsonObject>
#include <QString>

#include <array>

enum class TStudyField {
    ChartNumber,
    Part,
    Characteristic,
    Department,
    Process,
    Operator,
    Gauge,
    Specification,
    Sampling,
    Date,
    Note,
};

struct TStudyFieldInfo {
    TStudyField Field;
    const char* Key;        // the study file's and the scenario runner's name
    const char* Name;       // the dialog's and the report's Chinese name
    const char* LabelName;  // the form label showing it, or nullptr
    const char* Caption;    // that label's caption part, the user's text follows it
};

// In the dialog's order.
inline constexpr std::array<TStudyFieldInfo, 11> StudyFields{{
    {TStudyField::ChartNumber, "chartNumber", "控制图编号", "Label41", "控制图编号："},
    {TStudyField::Part, "part", "零件号/名称", nullptr, nullptr},
    {TStudyField::Characteristic, "characteristic", "质量特性", "Label45", "质量特性："},
    {TStudyField::Department, "department", "部门", "Label42", "部门："},
    {TStudyField::Process, "process", "工序", "Label43", "工序："},
    {TStudyField::Operator, "operator", "操作者", "Label44", "操作者："},
    {TStudyField::Gauge, "gauge", "量具", nullptr, nullptr},
    {TStudyField::Specification, "specification", "工程规范", "Label46", "工程规范："},
    {TStudyField::Sampling, "sampling", "样本容量/频率", "Label47", "样本容量/频率："},
    {TStudyField::Date, "date", "日期", nullptr, nullptr},
    {TStudyField::Note, "note", "备注", nullptr, nullptr},
}};

// An empty text is a field not given: its label keeps the laid-out text.
struct TStudyInfo {
    std::array<QString, StudyFields.size()> Texts;

    QString& operator[](TStudyField field) { return Texts[std::size_t(field)]; }
    const QString& operator[](TStudyField field) const { return Texts[std::size_t(field)]; }
    bool IsEmpty() const;
    bool operator==(const TStudyInfo&) const = default;
};

// Unknown keys are ignored, missing ones stay empty; the study file refuses non-texts before.
const TStudyFieldInfo* FindStudyField(const QString& key);
QJsonObject StudyInfoJson(const TStudyInfo& info);
TStudyInfo ParseStudyInfo(const QJsonObject& object);
