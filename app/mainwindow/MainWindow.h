#pragma once
// The application's main window: the menu bar above the form, which sits in a
// scroll area at its fixed size so that every control stays reachable on a
// screen smaller than the form.
#include <QMainWindow>

class QScrollArea;
class TForm1;

class TMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainWindow(QWidget* parent = nullptr);
    ~TMainWindow() override;

    TForm1& Form() const { return *form_; }
    QScrollArea& ScrollArea() const { return *scrollArea_; }

    // Shows the window placed on its screen (see PlaceWindow).
    void ShowPlaced();

private:
    void FollowFocus(QWidget* focused);

    TForm1* form_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QMetaObject::Connection focusFollower_;
};
