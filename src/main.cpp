// SPDX-License-Identifier: MIT
#include "program/Program.h"
#include "widgets/Languages.h"
#include "widgets/WebAccessibility.h"
#include "widgets/WebScreen.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The native style draws the date lists light on light under some
    // themes; Fusion draws every control the same everywhere.
    QApplication::setStyle(QStringLiteral("Fusion"));
#endif
    // The settings file is named by these, not by the executable's name:
    // ~/.config/Starquill/StarquillFree.conf, whatever the binary is called;
    // on Windows the registry key HKCU\Software\Starquill\StarquillFree.
    QCoreApplication::setOrganizationName(QStringLiteral("Starquill"));
    QCoreApplication::setApplicationName(QStringLiteral("StarquillFree"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STARQUILL_VERSION));
    // Lets the desktop (Wayland in particular) match the windows to the installed entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.lanternsoftwares.Starquill"));
    // The program ends only through its exit screen, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop's language where the program has it (LANGUAGE, LC_ALL,
    // LC_MESSAGES, LANG); English otherwise. In a web page, the browser's
    // languages, which the page hands over as LANGUAGE.
    Languages::install(QLocale::system().uiLanguages());
    // In a web page, what screen readers hear of the windows.
    WebAccessibility::install();
    // In a web page on a phone, the page fitted to the windows shown.
    WebScreen::install();
    Program program;
    // Refused because another instance runs, the program has ended by now on
    // the desktop; in a page it ends once the user has read why, so the
    // event loop runs until then.
    program.start(QDateTime::currentDateTime());
    if (program.isEnding())
        return 0;
    return QApplication::exec();
}
