// Feeds any bytes to the applet page reader, and checks that whatever it
// loads into the Scratch Pad is saved and loaded again unchanged.
#include <cstdint>
#include <sstream>
#include <string>

#include "document/display_sizes.h"
#include "document/html_page.h"
#include "document/persistent_settings.h"
#include "fuzz/quiet_ports.h"

namespace {

QuietUi g_ui;
SilentMidi g_midi;

CKvwinDoc& PadDocument()
{
    static CKvwinDoc* doc = [] {
        auto* d = new CKvwinDoc(CKvwinDoc::Ports{&g_ui, &g_midi});
        d->m_bScratchPadMode = true;
        d->m_nScale = document::kSixARow.scale;  // 36 chords fit six rows of six
        return d;
    }();
    return *doc;
}

CKvwinDoc& CopyDocument()
{
    static CKvwinDoc* doc = [] {
        auto* d = new CKvwinDoc(CKvwinDoc::Ports{&g_ui, &g_midi});
        d->m_bScratchPadMode = true;
        return d;
    }();
    return *doc;
}

document::PageLoad Load(CKvwinDoc& doc, const std::string& bytes)
{
    std::istringstream in(bytes);
    return document::applyToScratchPad(doc, document::parseAppletPage(in));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CKvwinDoc& doc = PadDocument();
    if (Load(doc, std::string(reinterpret_cast<const char*>(data), size)) != document::PageLoad::Loaded)
        return 0;
    Check(doc.m_nPadCount >= 1 && doc.m_nPadCount <= pad::kMaxChords);
    for (int i = 0; i < doc.m_nPadCount; ++i) {
        const ScratchPadChordRow row = doc.GetPadRow(i);
        for (int s = 0; s < 6; ++s)
            Check(row.w[static_cast<std::size_t>(s)] <= 20 || row.w[static_cast<std::size_t>(s)] == kFretNotPlayed);
        Check(row.w[pad::BaseFret] >= 1 && row.w[pad::BaseFret] <= 15);
    }

    const PersistentSettings settings;
    CKvwinDoc& copy = CopyDocument();
    Check(Load(copy, document::buildHtmlPage(doc, settings)) == document::PageLoad::Loaded);
    Check(copy.m_nPadCount == doc.m_nPadCount);
    Check(copy.m_strPadTitle == doc.m_strPadTitle);
    for (int i = 0; i < doc.m_nPadCount; ++i) {
        const ScratchPadChordRow a = doc.GetPadRow(i);
        const ScratchPadChordRow b = copy.GetPadRow(i);
        for (std::size_t w = 0; w <= pad::BaseFret; ++w)
            Check(a.w[w] == b.w[w]);
        Check(a.w[pad::NameShown] == b.w[pad::NameShown]);
        Check(a.Attributes() == b.Attributes());
        const auto at = static_cast<std::size_t>(i);
        Check(doc.m_astrPadNames[at] == copy.m_astrPadNames[at]);
        Check(doc.m_astrPadNames2[at] == copy.m_astrPadNames2[at]);
    }
    return 0;
}
