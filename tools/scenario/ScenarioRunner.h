#pragma once
// Drives the real main window from a script and prints its state.
#include <QJsonArray>
#include <QTextStream>

#include <optional>

#include "ScenarioScript.h"

class TForm1;
class TMainWindow;

class TScenarioRunner {
public:
    TScenarioRunner(TMainWindow& window, QTextStream& out);
    // Throws std::invalid_argument for a command that cannot be carried out.
    void Run(const TScenarioLine& line);

private:
    void Settle();
    // Drops the file as a file manager does: its URL and its path as text.
    void DropFile(const QString& target, const QString& path);

    TMainWindow& window_;
    TForm1& form_;
    QTextStream& out_;
    QJsonArray errors_;
    QJsonArray questions_;
    std::optional<QString> answer_;  // for the next question box
    std::optional<QString> file_;    // for the next file dialog
};
