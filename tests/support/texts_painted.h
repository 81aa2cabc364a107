#pragma once
#include <string>
#include <vector>

#include "tests/support/recording_surface.h"
#include "view/kvwin_view.h"

namespace testsupport {

// The texts the view writes on its page, in the order it writes them.
inline std::vector<std::string> TextsPainted(CKvwinView& view)
{
    platform::RecordingSurface surface;
    view.OnDraw(surface);
    std::vector<std::string> texts;
    for (const platform::RecordedOp& op : surface.ops(platform::RecordedOp::Kind::TextOut))
        texts.push_back(op.text);
    return texts;
}

}  // namespace testsupport
