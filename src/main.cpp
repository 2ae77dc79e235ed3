// SPDX-License-Identifier: MIT
#include "program/Program.h"
#include "widgets/Languages.h"
#include "widgets/WebAccessibility.h"
#include "widgets/WebScreen.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>

#include <memory>
#ifdef Q_OS_WASM
#include <string>
#include <vector>
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_WASM
    // On a page main() returns once the first window shows, and the browser
    // runs the event loop; the application keeps its arguments for its life,
    // so they are copied off main()'s stack.
    static std::vector<std::string> arguments(argv, argv + argc);
    static std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    static int count = argc;
    auto app = std::make_unique<QApplication>(count, pointers.data());
#else
    auto app = std::make_unique<QApplication>(argc, argv);
#endif
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
    auto program = std::make_unique<Program>();
    // Refused because another instance runs, the program has ended by now on
    // the desktop; in a page it ends once the user has read why, so the
    // event loop runs until then.
    program->start(QDateTime::currentDateTime());
    if (program->isEnding())
        return 0;
#ifdef Q_OS_WASM
    // The page's event loop is the browser's: the program lives on after
    // main() returns. Not exec(): it leaves main() by unwinding the stack,
    // which would destroy the program and the application under the windows.
    program.release();
    app.release();
    return 0;
#else
    return QApplication::exec();
#endif
}
