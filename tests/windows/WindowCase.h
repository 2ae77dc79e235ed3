// SPDX-License-Identifier: MIT
// What the window tests share: reaching windows and controls by name, one run
// of the program, and each case's own settings. Offscreen; nothing blocks,
// opens a browser or ends the test.
#pragma once

#include "TestHome.h"
#include "program/Program.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace WindowCase {

using namespace Qt::StringLiterals;

inline const QDateTime Now(QDate(2026, 12, 6), QTime(12, 0));

// The loaded top-level window of that name, shown or hidden, or null.
inline QWidget* window(const char* name)
{
    // Unloaded windows are deleted later: let that happen first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

inline bool shown(const char* name)
{
    const QWidget* w = window(name);
    return w && w->isVisible();
}

// Makes the window the active one, as a click on it would, and waits until the
// platform says so (QApplication::setActiveWindow is deprecated from Qt 6.5).
// Under Wine on two busy cores activation has taken longer than QtTest's
// default five seconds.
inline bool activate(QWidget* w)
{
    w->activateWindow();
    return QTest::qWaitForWindowActive(w, 30000);
}

// The one way the tests reach a control: its window's name and its own.
template <class T = QWidget> T* find(const char* windowName, const char* control)
{
    QWidget* w = window(windowName);
    return w ? w->findChild<T*>(QLatin1String(control)) : nullptr;
}

inline void trigger(const char* windowName, const char* control)
{
    if (auto* action = find<QAction>(windowName, control))
        action->trigger();
    else if (auto* button = find<QPushButton>(windowName, control))
        button->click();
    else if (QWidget* widget = find(windowName, control))
        QTest::mouseClick(widget, Qt::LeftButton);
    else
        QFAIL(control);
}

inline void ask(const QString& name, int day, int month, int year, const char* through = "cmdNext")
{
    find<QLineEdit>("frmMain", "txtName")->setText(name);
    find<QComboBox>("frmMain", "cboDate")->setCurrentIndex(day - 1);
    find<QComboBox>("frmMain", "cboMonth")->setCurrentIndex(month - 1);
    find<QComboBox>("frmMain", "cboYear")->setCurrentText(QString::number(year));
    trigger("frmMain", through);
}

// One run of the program; ending it is only counted.
struct Run
{
    QTemporaryDir folder;
    int exits = 0;
    Program program{folder.filePath(u"lock"_s)};

    Run()
    {
        program.setExitHandler([this] { ++exits; });
        program.start(Now);
    }
};

// Every web address the program opens goes to the receiver's slot "open(QUrl)", never to a
// browser; with null, to the browser again.
inline void catchAddresses(QObject* receiver)
{
    for (const char* scheme : {"http", "https"})
        receiver ? QDesktopServices::setUrlHandler(QLatin1String(scheme), receiver, "open")
                 : QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

// Each case starts from empty settings of its own, kept in a file on every
// platform: cases share neither a file nor, under Wine, the registry.
class Settings
{
    std::unique_ptr<QTemporaryDir> m_folder;

public:
    void begin()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder->path());
        MessageBox::setTestMode(true); // no answer left from the case before
    }

    void end()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_folder.reset();
    }
};

} // namespace WindowCase
