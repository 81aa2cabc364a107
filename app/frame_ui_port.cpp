#include "app/frame_ui_port.h"

#include "app/main_frame.h"

void CFrameUiPort::MessageBox(const std::string& text, ports::MessageIcon icon)
{
    m_frame.ShowMessageBox(text, icon);
}

bool CFrameUiPort::HasStatusBar() const
{
    return m_frame.m_wndStatusBar != nullptr;
}

void CFrameUiPort::SetStatusPane(int pane, const std::string& text)
{
    m_frame.SetStatusPane(pane, text);
}

void CFrameUiPort::SetTitle(const std::string& title)
{
    m_frame.SetTitleText(title);
}

void CFrameUiPort::SetSizeCombo(int chordsPerRow)
{
    m_frame.SelectSizeCombo(chordsPerRow);
}

void CFrameUiPort::UpdateAllViews()
{
    m_frame.UpdateAllViews();
}

void CFrameUiPort::RefreshCommandStates()
{
    m_frame.Commands().RequestRefresh();
}
