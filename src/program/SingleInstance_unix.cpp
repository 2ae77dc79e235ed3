// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// A lock the kernel holds for the process (flock) rather than QLockFile: it
// is released at any death, so no stale-holder guessing by process id, and it
// needs no fdatasync, which cost milliseconds of start-up on a disk-backed
// runtime folder. Close-on-exec, so a browser the program starts never
// inherits it.
SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstance::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const int fd =
        ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock that cannot be created or taken for any reason but another
    // holder says nothing about another instance: run rather than claim one is.
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    m_fd = fd;
    return true;
}
