// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

// The lock file opened with no sharing at all: while one process holds it
// open, every other open fails with a sharing violation. Windows closes the
// handle however the holder ends, so no stale lock survives a crash, and a
// handle opened without security attributes is never inherited by a browser
// the program starts.
SingleInstance::~SingleInstance()
{
    if (m_handle)
        CloseHandle(m_handle);
}

bool SingleInstance::tryAcquire()
{
    if (m_handle)
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const std::wstring path = QDir::toNativeSeparators(m_path).toStdWString();
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // Only a sharing violation means another holder; any other failure
        // says nothing about another instance: run rather than claim one is.
        return GetLastError() != ERROR_SHARING_VIOLATION;
    }
    m_handle = handle;
    return true;
}
