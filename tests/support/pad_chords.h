#pragma once
#include <string>

#include "document/kvwin_doc.h"

namespace testsupport {

// Puts a chord with its two names after the Scratch Pad's last one.
inline void AppendPadChord(CKvwinDoc& doc, const ScratchPadChordRow& row, const std::string& name,
                           const std::string& name2)
{
    const int i = doc.m_nPadCount;
    doc.SetPadRow(i, row);
    doc.m_astrPadNames[static_cast<std::size_t>(i)] = name;
    doc.m_astrPadNames2[static_cast<std::size_t>(i)] = name2;
    doc.m_nPadCount = i + 1;
}

}  // namespace testsupport
