#pragma once
// The error display: every error that ends a command is shown in a message
// box with the stop icon and an OK button; the window stays usable.
#include <QString>

#include <string>
#include <string_view>

#include "DisplayedError.h"

class QWidget;

// The program file's name without directory and without everything from its
// first "." on, every character after the first in lower case.
QString ApplicationTitle(const QString& programPath);

class TErrorDisplay {
public:
    virtual ~TErrorDisplay() = default;
    virtual void ShowError(const QString& title, const QString& text) = 0;
    // The message with one sentence below it that says what to do; displays
    // that have no room for it show the message alone.
    virtual void ShowExplainedError(const QString& title, const QString& text, const QString& explanation)
    {
        (void)explanation;
        ShowError(title, text);
    }
};

class TMessageBoxErrorDisplay : public TErrorDisplay {
public:
    explicit TMessageBoxErrorDisplay(QWidget* parent) : parent_(parent) {}
    void ShowError(const QString& title, const QString& text) override;
    void ShowExplainedError(const QString& title, const QString& text, const QString& explanation) override;

private:
    QWidget* parent_;
};
