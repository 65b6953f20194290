#include "RunWindow.h"

#include "MainWindow.h"

#include <QApplication>

int RunWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
