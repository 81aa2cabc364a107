#include "view/paint_context.h"

#include "document/kvwin_doc.h"
#include "view/ellipse_drawer.h"

namespace view {

bool PaintContext::IsPrintingPage() const
{
    return doc.m_bPrinting && printInfo != nullptr;
}

std::uint8_t EllipseDrawMode(const CKvwinDoc& doc)
{
    return doc.m_bPrinting ? kEllipseModeGdi : static_cast<std::uint8_t>(doc.m_nGraphx);
}

}  // namespace view
