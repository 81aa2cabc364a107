#pragma once

namespace platform {

// What a print job knows of itself, handed to the printable for each step.
// Pages count from 1.
struct CPrintInfo {
    int m_nMinPage = 1;
    int m_nMaxPage = 0;      // the last page; 0 offers nothing to print
    int m_nCurPage = 1;      // the page being printed
    bool m_bPreview = false;
    bool m_bLandscape = false;  // this job only; the next starts from Print Setup's orientation

    int GetMaxPage() const { return m_nMaxPage; }
    void SetMaxPage(int page) { m_nMaxPage = page; }
};

}  // namespace platform
