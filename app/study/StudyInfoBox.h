#pragma once
// Where the study information is edited: the dialog 研究信息 for the user; a
// scripted window takes the dialog's texts as they stand, as if OK were pressed.
#include <optional>

#include "StudyInfo.h"

class QWidget;

class TStudyInfoBox {
public:
    virtual ~TStudyInfoBox() = default;
    // The texts to apply; nothing when the user cancels.
    virtual std::optional<TStudyInfo> Edit(const TStudyInfo& current) = 0;
};

class TDialogStudyInfoBox : public TStudyInfoBox {
public:
    explicit TDialogStudyInfoBox(QWidget* parent) : parent_(parent) {}
    std::optional<TStudyInfo> Edit(const TStudyInfo& current) override;

private:
    QWidget* parent_;
};

class TAcceptingStudyInfoBox : public TStudyInfoBox {
public:
    std::optional<TStudyInfo> Edit(const TStudyInfo& current) override;
};
