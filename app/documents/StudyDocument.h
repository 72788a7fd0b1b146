#pragma once
// The user's work as a document: the study file it was opened from or saved
// to, whether it has unsaved changes, the recent files, the recovery copy
// written a few seconds after the last change, and the commands that open,
// import and save. Commands throw; the form's error display shows the error.
#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

#include "RecoverySlot.h"
#include "StudyInfo.h"

class TFileDialogs;
class TForm1;
class TImportBox;
class TStudyInfoBox;
struct TStudy;

class TStudyDocument : public QObject {
    Q_OBJECT
public:
    TStudyDocument(TForm1& form, std::function<TFileDialogs&()> dialogs, QObject* parent);
    ~TStudyDocument() override;

    void SetImportBox(std::unique_ptr<TImportBox> box);
    void SetStudyInfoBox(std::unique_ptr<TStudyInfoBox> box);

    // "cans.cpkx*"; "未命名*" for changed work never saved; "" for an untouched window.
    QString TitleName() const;
    bool Modified() const { return modified_; }
    const QStringList& RecentFiles() const { return recent_; }
    // The last import box's choices, as the dump records them.
    const QJsonObject& LastImport() const { return lastImport_; }
    // 文件 → 研究信息…: kept with the work and saved in the study file.
    const TStudyInfo& StudyInformation() const { return info_; }
    // 文件 → 研究信息…: the dialog; OK applies its texts.
    void EditStudyInformation();
    // Shown on the form's labels; a change is a change of the work.
    void SetStudyInformation(const TStudyInfo& info);

    // 文件 → 打开…: a study file or a data file chosen in the file dialog.
    void Open();
    // A study file (.cpkx) replaces the work; a data file goes through the
    // import box into the grid as one undo step.
    void OpenPath(const QString& path);
    // False when the save dialog was cancelled.
    bool Save();
    bool SaveAs();
    // Before the work is closed or replaced: asks whether to save unsaved
    // changes; false when the user cancels.
    bool ConfirmClose();
    // At start-up: offers the recovery copies that windows ended without
    // closing left behind, newest first, until one is restored.
    void OfferRecovery();
    // A clean exit leaves no recovery copy.
    void RemoveRecoveryCopy();

signals:
    void Changed();

private:
    void Watch();
    void MarkModified();
    void SetSaved(const QString& path);
    void WriteRecoveryCopy();
    void AddRecent(const QString& path);
    bool OfferCopy(const QString& copyPath);
    void OpenStudy(const QString& path);
    void ImportData(const QString& path);
    void SaveTo(const QString& path);
    void ComputeOpened();
    // The form's part of the study file with the study information.
    TStudy Captured() const;
    // The study information of an opened study or a recovery copy.
    void ShowStudy(const TStudyInfo& info);

    TForm1& form_;
    std::function<TFileDialogs&()> dialogs_;
    std::unique_ptr<TImportBox> importBox_;
    std::unique_ptr<TStudyInfoBox> studyInfoBox_;
    QString path_;
    bool modified_ = false;
    bool loading_ = false;
    QStringList recent_;
    QJsonObject lastImport_;
    TStudyInfo info_;
    QTimer recoveryTimer_;
    TRecoverySlot recovery_;
};
