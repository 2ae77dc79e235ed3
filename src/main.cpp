#include "app/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop (Wayland in particular) match the windows to the installed entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.lanternsoftwares.Starquill"));
    // The program ends only through its exit screen, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!App::StartApplication() || App::hasEnded())
        return 0;
    return QApplication::exec();
}
