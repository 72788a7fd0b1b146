#pragma once
// The dialog 研究信息: the eleven texts of the study information, one line
// each and 备注 over several lines. 日期 shows today's date until one is given.
#include <QDialog>

#include <map>

#include "StudyInfo.h"

class QLineEdit;
class QPlainTextEdit;

class TStudyDialog : public QDialog {
    Q_OBJECT
public:
    TStudyDialog(const TStudyInfo& info, QWidget* parent);

    // The texts as they stand in the dialog.
    TStudyInfo Info() const;
    // Replaces one field's text as typing it over would.
    void SetText(TStudyField field, const QString& text);

private:
    TStudyInfo given_;
    std::map<TStudyField, QLineEdit*> lines_;
    QPlainTextEdit* note_ = nullptr;
};
