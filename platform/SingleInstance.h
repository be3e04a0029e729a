#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace dormivo {

// Keeps a second Dormivo of the same user from starting. The lock lives as
// long as this object; a lock left behind by a killed process is taken over.
class SingleInstance {
public:
    // `lockPath` empty: "Parvolux.Dormivo.lock" in the user's runtime folder.
    explicit SingleInstance(const QString& lockPath = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock; false when another live
    // process does. A lock that cannot be created at all (no writable folder)
    // does not stop the program.
    bool acquire();

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace dormivo
