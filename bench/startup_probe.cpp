// SPDX-License-Identifier: MIT
// Runs the program's real start-up (settings, lock, entry window shown) and
// ends on the event loop's first idle moment, so that a timer around the
// process measures what the user waits for before the first window.
#include "program/Program.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program's own names, so the settings and lock are the program's.
    QCoreApplication::setOrganizationName(QStringLiteral("Starquill"));
    QCoreApplication::setApplicationName(QStringLiteral("StarquillFree"));
    QApplication::setQuitOnLastWindowClosed(false);
    Program program;
    if (!program.start(QDateTime::currentDateTime()) || program.isEnding())
        return 1;
    // A zero timer fires once the window system's queue is empty (the window
    // exposed and painted). exit(), not quit(): quit() closes every window
    // first, which would set off what closing the entry window does.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
