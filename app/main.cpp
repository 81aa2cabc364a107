#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Varnoth");
    QApplication::setApplicationName("Tonalith");
    QMainWindow window;
    window.setWindowTitle("Tonalith");
    window.resize(640, 480);
    window.show();
    return app.exec();
}
