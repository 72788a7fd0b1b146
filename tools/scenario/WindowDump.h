#pragma once
// The window's state as the scenario runner prints it.
#include <QJsonArray>
#include <QJsonObject>

class TForm1;

// Errors are message boxes shown since the previous dump: {"title", "text"}.
QJsonObject DumpWindow(const TForm1& form, const QJsonArray& errors);
