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

    // Shows the window placed on its screen (see PlaceWindow).
    void ShowPlaced();

    // The compute's notices under the menu bar; hidden while there are none.
    QLabel& NoticeArea() const { return *notices_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FollowFocus(QWidget* focused);
    // The title, the status bar and the notices as the results state says.
    void ShowResultsState();

    TForm1* form_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QLabel* notices_ = nullptr;
    QLabel* staleText_ = nullptr;
    std::unique_ptr<TFileDialogs> fileDialogs_;
    QMetaObject::Connection focusFollower_;
};
