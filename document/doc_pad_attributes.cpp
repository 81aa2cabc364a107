// What the attributes dialog of a Scratch Pad chord reads and writes.
#include <algorithm>

#include "document/kvwin_doc.h"
#include "document/pad_attributes_port.h"
#include "document/persistent_settings.h"

namespace {

bool IsPadIndex(int index)
{
    return index >= 0 && index < pad::kMaxChords;
}

}  // namespace

ports::PadAttributesPreset CKvwinDoc::MakePadAttributesPreset(int index) const
{
    ports::PadAttributesPreset preset;
    preset.deutsch = m_nDeutsch != 0;
    for (int s = 0; s < kStringCount; ++s) {
        for (int f = 0; f <= 20; ++f)
            preset.fretNotes[static_cast<std::size_t>(s)][static_cast<std::size_t>(f)] = noteAt(s, f);
    }
    ports::PadChordAttributes& v = preset.values;
    // The painters show a title for any value but 0; so does the check box.
    v.showPageTitle = m_pMainFrame == nullptr || m_pMainFrame->m_nPgtitle != 0 ? 1 : 0;
    v.pageTitle = m_strPadTitle;
    if (!IsPadIndex(index))
        return preset;

    const ScratchPadChordRow row = GetPadRow(index);
    std::copy(row.w.begin(), row.w.begin() + static_cast<std::ptrdiff_t>(v.words.size()), v.words.begin());
    v.upperLine = m_astrPadNames[static_cast<std::size_t>(index)];
    v.lowerLine = m_astrPadNames2[static_cast<std::size_t>(index)];
    v.showChordTitle = row.w[pad::NameShown] != 0 ? 1 : 0;
    for (int k = 0; k < kStringCount; ++k) {
        v.fingers[static_cast<std::size_t>(k)] = row.Finger(k);
        v.marks[static_cast<std::size_t>(k)] = row.Marked(k) ? 1 : 0;
    }
    return preset;
}

bool CKvwinDoc::StorePadAttributes(int index, const ports::PadChordAttributes& v)
{
    if (!IsPadIndex(index))
        return false;
    ScratchPadChordRow row = GetPadRow(index);
    std::copy(v.words.begin(), v.words.end(), row.w.begin());
    row.w[pad::NameShown] = static_cast<std::uint16_t>(v.showChordTitle);
    row.SetAttributes(pad::PackAttributes(v.fingers, v.marks));
    SetPadRow(index, row);
    m_astrPadNames[static_cast<std::size_t>(index)] = v.upperLine;
    m_astrPadNames2[static_cast<std::size_t>(index)] = v.lowerLine;

    int shown = 1;
    if (m_pMainFrame != nullptr) {
        shown = m_pMainFrame->m_nPgtitle;
        m_pMainFrame->m_nPgtitle = v.showPageTitle;
    }
    if (shown == v.showPageTitle && m_strPadTitle == v.pageTitle)
        return false;
    m_strPadTitle = v.pageTitle;
    return true;
}
