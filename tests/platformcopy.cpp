// A program of nothing but the platform layer's start and end: one running
// copy per executable file, and a clean end on the termination signals.
// tst_platform starts copies of it.

#include "singleinstance.h"
#include "terminationsignals.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    quitOnTerminationSignals();

    SingleInstance instance;
    if (instance.anotherIsRunning())
        return 0;
    return app.exec();
}
