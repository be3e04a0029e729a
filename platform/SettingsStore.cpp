#include "SettingsStore.h"

#include <QSettings>

#include <algorithm>

namespace dormivo {

namespace {
const QString kFileName = QStringLiteral("Userdata/FileName");
const QString kLook = QStringLiteral("Workspace/ApplicationLook");
} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Dormivo"), QStringLiteral("Dormivo"))) {
}

SettingsStore::SettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::readable() const {
    return settings_->status() == QSettings::NoError;
}

QString SettingsStore::fileName(const QString& defaultPath) const {
    if (!readable())
        return defaultPath;
    const QVariant v = settings_->value(kFileName);
    if (!v.isValid() || !v.canConvert<QString>())
        return defaultPath;
    // A damaged store can run a quoted value across lines; no path we wrote
    // holds a control character.
    const QString path = v.toString();
    const bool damaged =
        std::any_of(path.cbegin(), path.cend(), [](QChar c) { return c.unicode() < 0x20; });
    return damaged || path.isEmpty() ? defaultPath : path;
}

void SettingsStore::setFileName(const QString& path) {
    settings_->setValue(kFileName, path);
}

int SettingsStore::applicationLook() const {
    if (!readable())
        return kDefaultApplicationLook;
    bool ok = false;
    const int look = settings_->value(kLook, kDefaultApplicationLook).toInt(&ok);
    return ok ? look : kDefaultApplicationLook;
}

void SettingsStore::setApplicationLook(int look) {
    settings_->setValue(kLook, look);
}

void SettingsStore::sync() {
    settings_->sync();
}

} // namespace dormivo
