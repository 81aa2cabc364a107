#pragma once
// Driving the Options sheet as a user does.
#include <QTabWidget>

#include "dialogs/options/options_sheet.h"
#include "platform/dialog.h"

namespace testsupport {

inline dialogs::CKvWin32PropertySheet& AsOptionsSheet(platform::Dialog& d)
{
    return dynamic_cast<dialogs::CKvWin32PropertySheet&>(d);
}

// Turns to a page as a click on its tab does.
inline platform::PropertyPage& Turn(dialogs::CKvWin32PropertySheet& sheet, int index)
{
    sheet.Tabs()->setCurrentIndex(index);
    return *sheet.GetPage(index);
}

}  // namespace testsupport
