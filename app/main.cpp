#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QTimer>

#include "app/kvwin_app.h"
#include "view/kvwin_view.h"

namespace {

// With TONALITH_EXIT_AT_FIRST_PAINT set, the program says "first paint" on
// its standard output when its view first paints, then ends: the install
// check starts the installed program this way.
class FirstPaintExit final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_pTimer && dynamic_cast<CKvwinView*>(watched)) {
            std::puts("first paint");
            std::fflush(stdout);
            // A box shown at start-up runs a loop of its own before the main
            // one, where quit() does nothing: each loop is ended in turn.
            m_pTimer = new QTimer(this);
            connect(m_pTimer, &QTimer::timeout, [] { QCoreApplication::exit(0); });
            m_pTimer->start(50);
        }
        return false;
    }

private:
    QTimer* m_pTimer = nullptr;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FirstPaintExit firstPaintExit;
    if (std::getenv("TONALITH_EXIT_AT_FIRST_PAINT"))
        application.installEventFilter(&firstPaintExit);
    CKvwinApp theApp;
    return theApp.Run();
}
