#include "view/view_fonts.h"

namespace view {

int MakeViewLogFont(const platform::Surface& surface, platform::LogFont& font, int tenths,
                    const std::string& face, int weight, std::uint8_t pitchAndFamily)
{
    font = platform::LogFont{};
    font.face = face.empty() ? "Times New Ronan" : face;
    font.height = surface.mapping().pointFontHeight(tenths);
    font.weight = weight;
    font.italic = false;
    font.pitchAndFamily = pitchAndFamily;
    return 0;
}

platform::LogFont ViewFont(const platform::Surface& surface, int tenths, const std::string& face, int weight,
                           std::uint8_t pitchAndFamily)
{
    platform::LogFont font;
    MakeViewLogFont(surface, font, tenths, face, weight, pitchAndFamily);
    return font;
}

}  // namespace view
