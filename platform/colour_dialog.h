#pragma once
#include <optional>

#include "platform/surface.h"

class QWidget;

namespace platform {

// The standard colour dialog, run through the dialog runner, starting on
// initial; the colour chosen, or nothing when cancelled.
std::optional<Colour> ChooseColour(Colour initial, QWidget* parent);

}  // namespace platform
