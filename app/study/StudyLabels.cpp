#include "StudyLabels.h"

#include <algorithm>
#include <cstring>

#include "BoxedLabelText.h"
#include "FormControls.h"
#include "FormLayout.h"
#include "Unit1.h"

namespace {

QString LaidOutText(const char* labelName)
{
    const auto controls = FormControls();
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [labelName](const TControlSpec& c) { return std::strcmp(c.Name, labelName) == 0; });
    return it == controls.end() ? QString() : QString::fromUtf8(it->Text);
}

}  // namespace

QString StudyLabelText(const TStudyFieldInfo& field, const TStudyInfo& info)
{
    const QString& text = info[field.Field];
    return text.isEmpty() ? LaidOutText(field.LabelName) : QString::fromUtf8(field.Caption) + text;
}

void ShowStudyOnLabels(TForm1& form, const TStudyInfo& info)
{
    for (const TStudyFieldInfo& field : StudyFields) {
        if (!field.LabelName)
            continue;
        TLabel* label = form.Label(QLatin1String(field.LabelName));
        if (!label)
            continue;
        // The label keeps its place and size whatever it shows.
        label->SetCaption(StudyLabelText(field, info));
        if (info[field.Field].isEmpty())
            ReleaseTextFromBox(*label);
        else
            KeepTextInsideBox(*label);
    }
}
