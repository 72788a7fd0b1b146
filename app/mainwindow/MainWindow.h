#pragma once
// The application's main window: the menu bar above the form, which sits in a
// scroll area at its fixed size so that every control stays reachable on a
// screen smaller than the form.
#include <QMainWindow>

#include <memory>

class QLabel;
class QScrollArea;
class TFileDialogs;
class TForm1;
class TImportBox;
class TStudyDocument;
class TStudyInfoBox;

class TMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainWindow(QWidget* parent = nullptr);
    ~TMainWindow() override;

    TForm1& Form() const { return *form_; }
    QScrollArea& ScrollArea() const { return *scrollArea_; }

    // The file and print dialogs of the export commands; Qt's own by default.
    TFileDialogs& FileDialogs() const { return *fileDialogs_; }
    void SetFileDialogs(std::unique_ptr<TFileDialogs> dialogs);

    // The user's work: its file, unsaved changes, recent files, recovery.
    TStudyDocument& Document() const { return *document_; }
    // The import box "导入数据"; the dialog by default.
    void SetImportBox(std::unique_ptr<TImportBox> box);
    // Where 文件 → 研究信息… edits the study information; the dialog by default.
    void SetStudyInfoBox(std::unique_ptr<TStudyInfoBox> box);
    // After the window is set up: offers a recovery copy, then opens the file
    // given on the command line, if any.
    void StartUp(const QString& file);

    // Shows the window placed on its screen (see PlaceWindow).
    void ShowPlaced();

    // The compute's notices under the menu bar; hidden while there are none.
    QLabel& NoticeArea() const { return *notices_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FollowFocus(QWidget* focused);
    // The title (the document's name and the results state), the status bar
    // and the notices.
    void ShowResultsState();

    TForm1* form_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QLabel* notices_ = nullptr;
    QLabel* staleText_ = nullptr;
    std::unique_ptr<TFileDialogs> fileDialogs_;
    TStudyDocument* document_ = nullptr;
    QMetaObject::Connection focusFollower_;
};
