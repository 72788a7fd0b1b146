#include "UserPlaces.h"

#include <QSettings>
#include <QStandardPaths>

QString RecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/cpk-xr");
}

std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                           QStringLiteral("/cpk-xr/cpk-xr.conf"),
                                       QSettings::IniFormat);
}
