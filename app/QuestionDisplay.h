#pragma once
// The question box: a message box with the question icon that asks the user
// to choose one of its buttons. It sits beside the error display so that a
// scripted window can record questions instead of showing them.
#include <QString>
#include <QStringList>

class QWidget;

struct TQuestion {
    QString Title;
    QString Text;
    QStringList Buttons;
    int DefaultButton = 0;  // taken by Enter
    int EscapeButton = 0;   // taken by Esc or closing the box
};

class TQuestionDisplay {
public:
    virtual ~TQuestionDisplay() = default;
    // The index of the chosen button.
    virtual int Ask(const TQuestion& question) = 0;
};

class TMessageBoxQuestionDisplay : public TQuestionDisplay {
public:
    explicit TMessageBoxQuestionDisplay(QWidget* parent) : parent_(parent) {}
    int Ask(const TQuestion& question) override;

private:
    QWidget* parent_;
};
