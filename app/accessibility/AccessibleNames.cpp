#include "AccessibleNames.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include "WindowChartTable.h"
#include "WindowFields.h"

namespace {

// The grid is the one named control outside the field and chart tables.
constexpr const char* GridName = "StringGrid1";
constexpr const char* GridSpoken = "测量数据";

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }
QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A field's name joins its column heading and row label (组内 CPK); the
// summary labels are named by their own changing text.
const TWindowField* NamedField(const QString& name)
{
    const TWindowField* field = FindWindowField(name.toStdString());
    return field && field->Control.rfind("Label", 0) == 0 ? nullptr : field;
}

QString SpokenNameOf(const QString& name)
{
    if (const TWindowField* field = NamedField(name))
        return Utf8(field->Label);
    if (const TWindowChart* chart = FindWindowChart(name.toStdString()))
        return Utf8(chart->Label);
    if (name == QLatin1String(GridName))
        return QString::fromUtf8(GridSpoken);
    return {};
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

QString AccessibleNameOf(const QString& controlName) { return SpokenNameOf(controlName); }

void DescribeForAccessibility(QWidget& form)
{
    for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = widget->objectName();
        if (const QString spoken = SpokenNameOf(name); !spoken.isEmpty()) {
            widget->setAccessibleName(spoken);
            if (const TWindowField* field = NamedField(name); field && !field->LabelControl.empty())
                if (auto* label = form.findChild<QLabel*>(Latin1(field->LabelControl), Qt::FindDirectChildrenOnly))
                    label->setBuddy(widget);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            widget->setAccessibleName(button->text());
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            widget->setAccessibleName(SpokenCaption(label->text()));
        }
    }
}
