#include <QApplication>

#include "app/kvwin_app.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CKvwinApp theApp;
    return theApp.Run();
}
