#pragma once
#include "document/ports.h"

class CMainFrame;

// The document's window side, on the main frame.
class CFrameUiPort final : public ports::UiPort {
public:
    explicit CFrameUiPort(CMainFrame& frame) : m_frame(frame) {}

    void MessageBox(const std::string& text, ports::MessageIcon icon) override;
    bool HasStatusBar() const override;
    void SetStatusPane(int pane, const std::string& text) override;
    void SetTitle(const std::string& title) override;
    void SetSizeCombo(int chordsPerRow) override;
    void UpdateAllViews() override;
    void RefreshCommandStates() override;

private:
    CMainFrame& m_frame;
};
