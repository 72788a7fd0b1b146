#pragma once
// The scenario runner's script: one command per line.
#include <QString>
#include <QStringList>

#include <optional>

struct TScenarioLine {
    QString Command;    // "text", "cell", ...
    QStringList Words;  // the fixed words after the command (names, indexes)
    QString Value;      // VALUE with escapes decoded
};

// Decodes \t \r \n \s and \\ ; any other backslash sequence is kept as written.
QString DecodeEscapes(const QString& value);

// Parses one script line. Returns nothing for blank and comment lines; throws
// std::invalid_argument with a reason for an unknown command or a malformed line.
std::optional<TScenarioLine> ParseScenarioLine(const QString& line);
