#pragma once
// Driving the Options sheet as a user does.
#include <QTabWidget>

#include "dialogs/options/options_sheet.h"
#include "platform/dialog.h"

namespace testsupport {

inline dialogs::OptionsSheet& AsOptionsSheet(platform::Dialog& d)
{
    return dynamic_cast<dialogs::OptionsSheet&>(d);
}

// Turns to a page as a click on its tab does.
inline platform::PropertyPage& Turn(dialogs::OptionsSheet& sheet, int index)
{
    sheet.Tabs()->setCurrentIndex(index);
    return *sheet.GetPage(index);
}

}  // namespace testsupport
