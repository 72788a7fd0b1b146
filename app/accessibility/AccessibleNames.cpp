#include "AccessibleNames.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include <map>

namespace {

struct TNamedControl {
    const char* Name;
    const char* Label;  // the label that names it on the window, or null
    const char* Spoken;
};

// Result fields stand in columns headed 组内, 整体 and 实测 under one row label,
// so their names join the column and the row.
constexpr TNamedControl NamedControls[] = {
    {"StringGrid1", nullptr, "测量数据"},
    {"Edit1", "Label1", "总样本数"},
    {"Edit2", "Label2", "子组大小"},
    {"Edit3", "Label3", "平均值"},
    {"Edit4", "Label4", "最大值"},
    {"Edit5", "Label5", "最小值"},
    {"Edit6", "Label6", "上规格"},
    {"Edit7", "Label7", "目标值"},
    {"Edit8", "Label8", "下规格"},
    {"Edit9", "Label9", "+3Sigma"},
    {"Edit10", "Label10", "-3Sigma"},
    {"Edit11", "Label11", "组内 STDEV"},
    {"Edit12", "Label13", "整体 STDEV"},
    {"Edit13", "Label15", "组内 CPK"},
    {"Edit14", "Label16", "整体 CPK"},
    {"Edit15", "Label17", "组内 CP"},
    {"Edit16", "Label18", "整体 CP"},
    {"Edit17", "Label19", "组内 CPL"},
    {"Edit18", "Label20", "整体 CPL"},
    {"Edit19", "Label21", "组内 CPU"},
    {"Edit20", "Label22", "整体 CPU"},
    {"Edit28", "Label31", "组内 PPM<LSL"},
    {"Edit22", "Label24", "整体 PPM<LSL"},
    {"Edit24", nullptr, "实测 PPM<LSL"},
    {"Edit29", "Label32", "组内 PPM>USL"},
    {"Edit23", "Label25", "整体 PPM>USL"},
    {"Edit25", nullptr, "实测 PPM>USL"},
    {"Edit30", "Label33", "组内 PPM Total"},
    {"Edit26", "Label28", "整体 PPM Total"},
    {"Edit27", nullptr, "实测 PPM Total"},
    {"Edit21", "Label23", "CA"},
    {"Edit31", "Label34", "组数"},
    {"Edit32", "Label39", "设置子组大小（手动）"},
    {"Edit33", "Label40", "子组数"},
    {"Memo1", "Label35", "分组值"},
    {"Memo2", "Label36", "频率"},
    {"Memo3", "Label37", "整体分布（红色曲线）"},
    {"Memo4", "Label38", "组内分布（绿色曲线）"},
    {"Memo5", "Label51", "关键值"},
    {"Memo6", "Label49", "每组的和"},
    {"Memo7", "Label50", "每组的均值"},
    {"Memo8", "Label48", "每组的极差"},
    {"Chart1", nullptr, "均值控制图"},
    {"Chart2", nullptr, "单值图"},
    {"Chart3", nullptr, "极差控制图"},
    {"cht1", nullptr, "分布图"},
};

const TNamedControl* Find(const QString& name)
{
    for (const TNamedControl& control : NamedControls)
        if (name == QLatin1String(control.Name))
            return &control;
    return nullptr;
}

// A label's caption as a reader says it: one line, without the closing colon.
QString SpokenCaption(const QString& caption)
{
    QString spoken = caption.simplified();
    while (spoken.endsWith(QChar(0xFF1A)) || spoken.endsWith(QLatin1Char(':')))
        spoken.chop(1);
    return spoken.trimmed();
}

}  // namespace

QString AccessibleNameOf(const QString& controlName)
{
    const TNamedControl* control = Find(controlName);
    return control ? QString::fromUtf8(control->Spoken) : QString();
}

void DescribeForAccessibility(QWidget& form)
{
    for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (const TNamedControl* control = Find(widget->objectName())) {
            widget->setAccessibleName(QString::fromUtf8(control->Spoken));
            if (control->Label)
                if (auto* label = form.findChild<QLabel*>(QLatin1String(control->Label), Qt::FindDirectChildrenOnly))
                    label->setBuddy(widget);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            widget->setAccessibleName(button->text());
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            widget->setAccessibleName(SpokenCaption(label->text()));
        }
    }
}
