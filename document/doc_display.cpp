// Display size, paging, the status line and the update rules of the commands
// that depend on them.
#include <cstdio>

#include "document/display_sizes.h"
#include "document/kvwin_doc.h"
#include "engine/muldiv.h"

namespace {

std::string format(const char* pattern, int a, int b = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

}  // namespace

void CKvwinDoc::SetSizeIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(document::kDisplaySizes.size()))
        return;
    const document::DisplaySize& size = document::kDisplaySizes[static_cast<std::size_t>(index)];
    m_nScale = size.scale;
    m_nScrollRowChords = size.scrollRowChords;
    m_nChordsPerPage = size.chordsPerPage;
}

void CKvwinDoc::StoreSizeChoice(bool fromBox)
{
    const document::DisplaySize& size = document::LayoutSizeOf(m_nScale);
    SetExp(static_cast<std::uint16_t>((Exp() & ~document::kSizeBitsMask) | size.sizeBits));
    if (!fromBox)
        SetSizeCombo(size.perRow);
    m_ports.ui->UpdateAllViews();
}

void CKvwinDoc::SetSizeCombo(int chordsPerRow)
{
    m_ports.ui->SetSizeCombo(chordsPerRow);
}

void CKvwinDoc::OnSelchangeSize(int selection)
{
    const int before = m_nScale;
    SetSizeIndex(selection);
    if (m_nScale != before) {
        StoreSizeChoice(true);
        RecountPages();
    }
}

void CKvwinDoc::ToggleReducedSpan(bool noRedraw)
{
    SetExp(Exp() ^ 1);
    FindVoicings(m_wChordMask);
    if (!noRedraw)
        m_ports.ui->UpdateAllViews();
    UpdateStatusLine();
}

bool CKvwinDoc::IsReducedSpan() const
{
    return (Exp() & 1) == 0;
}

void CKvwinDoc::RecountPages()
{
    const int perPage = document::ChordsPerPageOf(m_nScale);
    m_nPageCount = m_nVoicingCount / perPage + (m_nVoicingCount % perPage != 0 ? 1 : 0);
    m_nPage = 0;
    UpdateStatusLine();
}

int CKvwinDoc::GetChordsOnPage() const
{
    if (m_bScratchPadMode)
        return m_nPadCount;
    if (m_nPage + 1 != m_nPageCount)
        return m_nChordsPerPage;
    const int rest = m_nVoicingCount % m_nChordsPerPage;
    if (rest == 0 && m_nVoicingCount == (m_nPage + 1) * m_nChordsPerPage)
        return m_nChordsPerPage;
    return rest;
}

std::string CKvwinDoc::ComposeTuningText() const
{
    std::string text = "Tuning: ";
    int k = 0;
    if (const auto metrics = m_ports.screen ? m_ports.screen->ViewDisplayMetrics() : std::nullopt) {
        const int d = engine::MulDiv(metrics->dpiX + metrics->dpiY, 1, 2);
        const int band = d <= 96 ? 0 : d <= 120 ? 1 : 2;
        const bool large = metrics->desktopWidth >= 1280 && metrics->desktopHeight >= 1024;
        const bool medium = metrics->desktopWidth >= 1024 && metrics->desktopHeight >= 768;
        struct Choice {
            const char* text;
            int k;
        };
        static constexpr Choice kChoices[3][3] = {
            {{"Tuning: ", 0}, {"Tuning: ", 0}, {"Tng: ", 0}},
            {{"Tuning: ", 0}, {"Tng: ", 0}, {"Tng:", 5}},
            {{"Tng: ", 0}, {"Tng:", 6}, {"Tng:", 10}},
        };
        const Choice& c = kChoices[large ? 0 : medium ? 1 : 2][band];
        text = c.text;
        k = c.k;
    }

    std::string name;
    COLORREF colour = 0;
    for (int s = 5; s >= 0; --s) {
        // Padded to two characters, so "E" reads "E " and "C#" fills its column.
        text += GetNoteName(*m_aFretNotes.At(static_cast<std::uint16_t>(s), 0), name, colour,
                            kUseCurrentSpelling, true);
    }

    if (m_bScratchPadMode) {
        if (m_nPadCount != 0)
            text += format("  No.: %i", m_nPadCount);
    } else if (m_nVoicingCount != 0) {
        if (k > 0 && m_bChordDisplay) {
            --k;
            if (k > 6) {
                text += format(" I:%i", m_nVoicingCount);
                k -= 3;
            } else {
                text += format(" Inv: %i", m_nVoicingCount);
            }
        } else {
            text += format("  Inv: %i", m_nVoicingCount);
        }
        if (m_bChordDisplay)
            text += format(k == 0 ? "   Page %i of %i" : "  Pg %i/%i", m_nPage + 1, m_nPageCount);
    }
    return text;
}

std::string CKvwinDoc::WindowTitle() const
{
    return m_bScratchPadMode ? std::string("Scratch Pad") : m_strChordTitle;
}

bool CKvwinDoc::UpdateStatusLine()
{
    const std::string tuning = ComposeTuningText();
    ClearSelectionRects();
    const std::string title = WindowTitle();
    m_ports.ui->RefreshCommandStates();
    if (!m_ports.ui->HasStatusBar())
        return false;
    m_ports.ui->SetStatusPane(1, title);
    m_ports.ui->SetTitle(title);
    m_ports.ui->SetStatusPane(2, tuning);
    return true;
}

void CKvwinDoc::OnUpdateViewFirstPage(CCmdUI& ui) const
{
    ui.Enable(!m_bScratchPadMode && m_nPage != 0 && m_bChordDisplay);
}

void CKvwinDoc::OnUpdateViewPreviousPage(CCmdUI& ui) const
{
    ui.Enable(!m_bScratchPadMode && m_nPageCount >= 2 && m_nPage != 0 && m_bChordDisplay);
}

void CKvwinDoc::OnUpdateViewNextPage(CCmdUI& ui) const
{
    ui.Enable(!m_bScratchPadMode && m_nPage + 1 != m_nPageCount && m_nPageCount >= 2 && m_bChordDisplay);
}

void CKvwinDoc::OnUpdateEditCopy(CCmdUI& ui) const
{
    ui.Enable(m_mark.marked);
}

void CKvwinDoc::OnUpdateViewScratchPad(CCmdUI& ui) const
{
    ui.SetCheck(m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateSearch(CCmdUI& ui) const
{
    ui.Enable(!m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateEditCopyToScratchPad(CCmdUI& ui) const
{
    ui.Enable(m_mark.marked && m_bChordDisplay && !m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateEditCutFromScratchPad(CCmdUI& ui) const
{
    ui.Enable(m_mark.marked && m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateEditAttributesOfScratchPadChord(CCmdUI& ui) const
{
    ui.Enable(m_mark.marked && m_bScratchPadMode && m_nPadCount != 0);
}

void CKvwinDoc::OnUpdateFileLoadHtmlToScratchPad(CCmdUI& ui) const
{
    ui.Enable(m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateReducedSpan(CCmdUI& ui) const
{
    ui.SetCheck(IsReducedSpan());
    ui.Enable(!m_bScratchPadMode);
}
