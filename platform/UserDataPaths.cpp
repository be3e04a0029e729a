#include "UserDataPaths.h"

#include <QDir>

namespace dormivo {

QString userDataFolder() {
    return QDir::homePath() + QStringLiteral("/UserData");
}

QString defaultRecordingPath() {
    return userDataFolder() + QStringLiteral("/test.gnf");
}

QString operationLogPath() {
    return userDataFolder() + QStringLiteral("/ToolOperation.log");
}

} // namespace dormivo
