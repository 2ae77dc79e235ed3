// SPDX-License-Identifier: MIT
#pragma once

// What every window walk shares: a program run that cannot block, open a
// browser, end the test or touch the user's files, and one way of finding
// windows and controls, by their object names.

#include "program/Program.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace Walk {

// The loaded top-level window of that name (shown or hidden), or null.
inline QWidget* window(const char* name)
{
    // Unloaded windows are deleted later: let that happen first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

// The named control of a loaded window; null when either is missing.
template <class T = QWidget> T* find(const char* windowName, const char* control)
{
    QWidget* w = window(windowName);
    return w ? w->findChild<T*>(QLatin1String(control)) : nullptr;
}

inline bool shown(const char* name)
{
    QWidget* w = window(name);
    return w && w->isVisible();
}

// Records the addresses handed to the browser.
class Browser : public QObject
{
    Q_OBJECT

public:
    Browser()
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~Browser() override
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QStringList take() { return std::exchange(m_opened, {}); }

public slots:
    void open(const QUrl& url) { m_opened.append(url.toString(QUrl::FullyEncoded)); }

private:
    QStringList m_opened;
};

// One run of the program, started with the clock at `now`.
struct Run
{
    QTemporaryDir folder;
    int exits = 0;
    std::unique_ptr<Program> program;

    explicit Run(const QDateTime& now = QDateTime::currentDateTime(), bool start = true)
    {
        program = std::make_unique<Program>(folder.filePath(QStringLiteral("lock")));
        program->setExitHandler([this] { ++exits; });
        if (start)
            program->start(now);
    }
    ~Run()
    {
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

inline QString address(const char* key)
{
    return QStringLiteral("https://www.lanternsoftwares.com/starquill-free/ssd.php?page=") +
           QLatin1String(key);
}

} // namespace Walk
