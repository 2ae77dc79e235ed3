// Runs the program's real start-up (settings, lock, entry window shown) and
// ends on the event loop's first idle moment, so that a timer around the
// process measures what the user waits for before the first window.
#include "app/Application.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program's own name, so the settings and lock are the program's.
    QCoreApplication::setApplicationName(QStringLiteral("StarquillFree"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (!App::StartApplication() || App::hasEnded())
        return 1;
    // A zero timer fires once the window system's queue is empty (the window
    // exposed and painted). exit(), not quit(): quit() closes every window
    // first, which would run the entry window's unload handling.
    QTimer idle;
    idle.setSingleShot(true);
    QObject::connect(&idle, &QTimer::timeout, [] { QCoreApplication::exit(0); });
    idle.start(0);
    return QApplication::exec();
}
