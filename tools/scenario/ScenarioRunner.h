#pragma once
// Drives the real main window from a script and prints its state.
#include <QJsonArray>
#include <QTextStream>

#include "ScenarioScript.h"

class TForm1;

class TScenarioRunner {
public:
    TScenarioRunner(TForm1& form, QTextStream& out);
    // Throws std::invalid_argument for a command that cannot be carried out.
    void Run(const TScenarioLine& line);

private:
    void Settle();

    TForm1& form_;
    QTextStream& out_;
    QJsonArray errors_;
};
