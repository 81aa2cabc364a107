#include <gtest/gtest.h>

#include "dialogs/size_language/size_language_dialogs.h"
#include "tests/support/template_layout.h"

namespace {

TEST(SizeLanguageDialogsTest, EveryControlShowsWhole)
{
    dialogs::SizeDialog size;
    dialogs::LanguageDialog language;
    for (platform::Dialog* d : {static_cast<platform::Dialog*>(&size), static_cast<platform::Dialog*>(&language)}) {
        SCOPED_TRACE(d->windowTitle().toStdString());
        d->Create();
        d->show();
        testsupport::ExpectWholeControls(*d);
        d->hide();
    }
}

}  // namespace
