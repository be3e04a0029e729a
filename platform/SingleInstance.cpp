#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace dormivo {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath)) {
    // Staleness is decided by whether the owner still runs, never by age: a
    // program left running all night keeps its lock.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("Parvolux.Dormivo.lock"));
}

bool SingleInstance::acquire() {
    if (lock_->tryLock(0))
        return true;
    return lock_->error() != QLockFile::LockFailedError;
}

} // namespace dormivo
