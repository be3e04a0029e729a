#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace dormivo {

// The two per-user values of the program, kept with QSettings under
// "Dormivo"/"Dormivo" (groups "Userdata" and "Workspace"). A store that cannot
// be read gives the defaults.
class SettingsStore {
public:
    // Uses the user's store; `filePath` selects a file instead (tests).
    SettingsStore();
    explicit SettingsStore(const QString& filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString fileName(const QString& defaultPath) const;
    void setFileName(const QString& path);

    static constexpr int kDefaultApplicationLook = 210;
    int applicationLook() const;
    void setApplicationLook(int look);

    void sync();

private:
    bool readable() const;
    std::unique_ptr<QSettings> settings_;
};

} // namespace dormivo
