#pragma once
// Keys go to the active window only. A dialog over an active window counts
// as active to QTest::qWaitForWindowActive before it has the focus itself,
// so this waits for the widget's own window to hold it.
#include <QTest>
#include <QWidget>

namespace testsupport {

inline bool Activate(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    return QTest::qWaitFor([&widget] { return widget.isActiveWindow(); });
}

}  // namespace testsupport
