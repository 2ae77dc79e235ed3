#pragma once

#include <QString>

#include <memory>

class QLockFile;

// "Is another instance of this program running?" for the current user. The
// lock is released when the holder ends, however it ends: a lock whose
// process has died does not count.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    ~SingleInstance();

    // True when this process now holds the lock; false when another does.
    bool tryAcquire();

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
