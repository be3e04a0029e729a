#pragma once

#include <QString>

namespace dormivo {

// The one folder for the program's own files: $HOME/UserData.
QString userDataFolder();
// The file recorded into when the chosen one cannot be opened.
QString defaultRecordingPath();
QString operationLogPath();

} // namespace dormivo
