#pragma once
// The display scale a test program runs at: QT_SCALE_FACTOR's, which Qt
// reads once when the program starts, or 1 without it.
#include <QtGlobal>

namespace testsupport {

inline qreal ExpectedScale()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

}  // namespace testsupport
