// The history of searched chords, clearing, and the Scratch Pad counters.
#include <algorithm>

#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"

namespace {

constexpr int kAppendLimit = 100;
constexpr int kMinTrimmedSize = 10;

}  // namespace

bool CKvwinDoc::IsHistoryEnabled() const
{
    return m_pMainFrame && m_pMainFrame->m_bIncHis != 0;
}

int CKvwinDoc::GetHistorySize() const
{
    if (!m_pMainFrame)
        return 10;
    // The stored size is kept as read; below 0 the history holds nothing more.
    return m_pMainFrame->m_bIncHis ? std::max(0, m_pMainFrame->m_nHisBufSz) : 0;
}

void CKvwinDoc::TrimHistory(bool extra)
{
    auto& h = m_awHistory;
    const int n = static_cast<int>(h.size());
    const int cap = GetHistorySize();
    int& p = m_nHistoryPos;
    auto eraseAt = [&h](int index, int count) {
        index = std::clamp(index, 0, static_cast<int>(h.size()));
        count = std::clamp(count, 0, static_cast<int>(h.size()) - index);
        h.erase(h.begin() + index, h.begin() + index + count);
    };

    bool squeeze = false;
    if (n >= cap) {
        const int excess = n - cap + (extra ? 1 : 0);
        const int half = cap / 2;
        if (p < half) {
            // Drop entries just before the newest, which stays.
            const int tail = std::max(0, n - 2 * p);
            if (excess <= tail) {
                eraseAt(n - excess - 1, excess);
            } else {
                eraseAt(2 * p - 1, tail);
                squeeze = true;
            }
        } else if (p > half) {
            const int head = std::max(0, 2 * p - n);
            if (excess <= head) {
                eraseAt(0, excess);
                p -= excess;
            } else {
                eraseAt(0, head);
                p -= head;
                squeeze = true;
            }
        } else {
            squeeze = true;
        }
    }
    if (squeeze) {
        while (static_cast<int>(h.size()) >= cap && static_cast<int>(h.size()) >= kMinTrimmedSize) {
            h.erase(h.begin());
            if (p > 1)
                --p;
            if (static_cast<int>(h.size()) >= cap)
                h.pop_back();
        }
    }
    p = std::min(p, static_cast<int>(h.size()));
}

void CKvwinDoc::ResetHistory()
{
    m_awHistory.clear();
    m_nHistoryPos = 0;
}

void CKvwinDoc::SearchNewChord(PitchClassMask mask, bool limitAppend)
{
    m_wChordMask = mask;
    FindVoicings(mask);
    m_ports.ui->UpdateAllViews();
    UpdateStatusLine();
    PushHistory(mask, limitAppend);
}

void CKvwinDoc::PushHistory(PitchClassMask mask, bool limitAppend)
{
    if (m_nVoicingCount == 0 && mask != 0) {
        m_ports.ui->MessageBox(kNoChordsFoundText);
        return;
    }
    if (static_cast<int>(m_awHistory.size()) >= GetHistorySize())
        TrimHistory(true);
    const int count = static_cast<int>(m_awHistory.size());
    if (m_nHistoryPos >= count) {
        if (!limitAppend || count < kAppendLimit) {
            m_awHistory.push_back(mask);
            m_nHistoryPos = static_cast<int>(m_awHistory.size());
        }
    } else {
        m_awHistory.insert(m_awHistory.begin() + m_nHistoryPos, mask);
        ++m_nHistoryPos;
    }
    m_ports.ui->RefreshCommandStates();
}

void CKvwinDoc::ShowHistoryEntry(int position)
{
    m_nHistoryPos = position;
    m_wChordMask = m_awHistory[static_cast<std::size_t>(position - 1)];
    FindVoicings(m_wChordMask);
    UpdateStatusLine();
    m_ports.ui->UpdateAllViews();
}

void CKvwinDoc::OnViewBack()
{
    if (m_nHistoryPos > 1)
        ShowHistoryEntry(m_nHistoryPos - 1);
}

void CKvwinDoc::OnViewForward()
{
    if (m_nHistoryPos < static_cast<int>(m_awHistory.size()))
        ShowHistoryEntry(m_nHistoryPos + 1);
}

void CKvwinDoc::OnViewStartHistory()
{
    if (m_nHistoryPos > 1)
        ShowHistoryEntry(1);
}

void CKvwinDoc::OnViewEndHistory()
{
    if (m_nHistoryPos < static_cast<int>(m_awHistory.size()))
        ShowHistoryEntry(static_cast<int>(m_awHistory.size()));
}

void CKvwinDoc::OnViewClearAll()
{
    if (!IsHistoryEnabled())
        return;
    ResetHistory();
    m_wChordMask = 0;
    FindVoicings(0);
    m_ports.ui->UpdateAllViews();
    UpdateStatusLine();
}

void CKvwinDoc::OnViewClear()
{
    m_ptScroll = {};
    m_mark.scroll = {};
    m_mark.marked = false;
    if (m_bScratchPadMode) {
        ClearScratchPad();
    } else if (!IsHistoryEnabled()) {
        m_wChordMask = 0;
        FindVoicings(0);
    } else if (!m_awHistory.empty()) {
        const int index = m_nHistoryPos > 0 ? m_nHistoryPos - 1 : 0;
        m_awHistory.erase(m_awHistory.begin() + index);
        if (m_nHistoryPos > 1) {
            --m_nHistoryPos;
            m_wChordMask = m_awHistory[static_cast<std::size_t>(m_nHistoryPos - 1)];
        } else {
            m_nHistoryPos = 0;
            m_wChordMask = 0;
        }
        FindVoicings(m_wChordMask);
    }
    m_ports.ui->UpdateAllViews();
    UpdateStatusLine();
}

void CKvwinDoc::OnUpdateViewBack(CCmdUI& ui) const
{
    ui.Enable(IsHistoryEnabled() && m_nHistoryPos > 1 && !m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateViewForward(CCmdUI& ui) const
{
    ui.Enable(IsHistoryEnabled() && static_cast<int>(m_awHistory.size()) > m_nHistoryPos && !m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateViewClearAll(CCmdUI& ui) const
{
    ui.Enable(IsHistoryEnabled() && !m_awHistory.empty() && !m_bScratchPadMode);
}

void CKvwinDoc::OnUpdateViewClear(CCmdUI& ui) const
{
    ui.Enable(m_bScratchPadMode ? m_nPadCount != 0 : m_nVoicingCount != 0);
}

void CKvwinDoc::ClearScratchPad()
{
    for (int i = 0; i < m_nPadCount && i < pad::kMaxChords; ++i) {
        const auto row = static_cast<std::uint16_t>(i);
        m_astrPadNames2[static_cast<std::size_t>(i)].clear();
        m_astrPadNames[static_cast<std::size_t>(i)].clear();
        *m_aScratchPad.At(row, pad::AttributesHigh) = 0;
        *m_aScratchPad.At(row, pad::AttributesLow) = 0;
    }
    m_nPadCount = 0;
    m_strPadTitle = "Scratch Pad";
    m_strPadTitle2.clear();
}

void CKvwinDoc::SetScratchPadCount(int n)
{
    if (n <= pad::kMaxChords)
        m_nPadCount = n;
}

void CKvwinDoc::ClearSelectionRects()
{
    for (Rect* r : {&m_mark.rect, &m_mark.hit, &m_mark.scrolled}) {
        if (r->right != r->left && r->bottom != r->top)
            *r = Rect{};
    }
    m_mark.marked = false;
}
