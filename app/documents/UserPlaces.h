#pragma once
// Where the application keeps the user's state: the recovery copies in the
// user's data folder, the settings (recent files) in the configuration
// folder (the XDG folders). The application and the scenario runner use the
// same places, whatever their program names.
#include <QString>

#include <memory>

class QSettings;

QString RecoveryFolder();
std::unique_ptr<QSettings> UserSettings();
