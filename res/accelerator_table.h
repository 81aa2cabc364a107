#pragma once
#include <span>
#include <string_view>

namespace res {

// One key of the main frame's accelerator table, in QKeySequence's portable
// text form.
struct Accelerator {
    std::string_view keys;
    int id = 0;
};

std::span<const Accelerator> MainAccelerators();

}  // namespace res
