#pragma once
// The window's error display in tests: every message shown is recorded, with
// its title in front ("title|text") when asked.
#include <QStringList>

#include "ErrorDisplay.h"

class TRecordedErrors : public TErrorDisplay {
public:
    explicit TRecordedErrors(QStringList& shown, bool withTitle = false) : shown_(shown), withTitle_(withTitle) {}
    void ShowError(const QString& title, const QString& text) override
    {
        shown_ << (withTitle_ ? title + QLatin1Char('|') + text : text);
    }

private:
    QStringList& shown_;
    bool withTitle_;
};
