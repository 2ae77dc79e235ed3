// Takes the single-instance lock at the path given as the first argument,
// prints "locked" or "refused", and, when it got the lock, holds it until it
// is killed or its standard input closes.
#include "app/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool locked = instance.tryAcquire();
    std::puts(locked ? "locked" : "refused");
    std::fflush(stdout);
    if (!locked)
        return 1;
    while (std::getchar() != EOF) {
    }
    return 0;
}
