#include "chooserwindow.h"
#include "singleinstance.h"
#include "terminationsignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quitOnTerminationSignals();

    SingleInstance instance;
    if (instance.anotherIsRunning())
        return 0;

    MainWindow window;
    instance.setWindow(&window);
    window.show();
    return app.exec();
}
