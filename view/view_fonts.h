#pragma once
#include <cstdint>
#include <string>

#include "platform/surface.h"

namespace view {

// The font the painters ask for: a point size in tenths of a point on the
// surface's own resolution, as CreatePointFont makes it, then the weight and
// the pitch-and-family byte; italic off. Returns the number of steps that
// failed, 0 here, since a font record cannot fail to build.
int MakeViewLogFont(const platform::Surface& surface, platform::LogFont& font, int tenths,
                    const std::string& face, int weight, std::uint8_t pitchAndFamily);

// The same, returned.
platform::LogFont ViewFont(const platform::Surface& surface, int tenths, const std::string& face, int weight,
                           std::uint8_t pitchAndFamily);

}  // namespace view
