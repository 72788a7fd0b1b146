#include "StudyInfoBox.h"

#include "StudyDialog.h"

std::optional<TStudyInfo> TDialogStudyInfoBox::Edit(const TStudyInfo& current)
{
    TStudyDialog dialog(current, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Info();
}

std::optional<TStudyInfo> TAcceptingStudyInfoBox::Edit(const TStudyInfo& current)
{
    return TStudyDialog(current, nullptr).Info();
}
