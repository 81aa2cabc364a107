#pragma once
#include <cstdint>
#include <string>

#include "document/screen_metrics.h"
#include "platform/print_info.h"

class CKvwinDoc;

namespace view {

// The three faces the view draws with, from the settings.
struct ViewFaces {
    std::string header = "Arial";    // chord header, page titles
    std::string note = "Arial";      // diagrams and the fretboard
    std::string padTitle = "Arial";  // Scratch Pad chord names
};

// What a painter reads besides the surface.
struct PaintContext {
    const CKvwinDoc& doc;
    CDpiHelper& dpi;
    const ViewFaces& faces;
    // Only while a page is being printed; screen paints leave it null.
    const platform::CPrintInfo* printInfo = nullptr;

    bool IsPrintingPage() const;
};

// 16 (GDI) while printing, else the document's drawing mode.
std::uint8_t EllipseDrawMode(const CKvwinDoc& doc);

}  // namespace view
