#pragma once
#include <functional>

#include "document/ports.h"
#include "document/screen_metrics.h"

class ScreenInfo;

// The screen as the status line sees it: resolution class and desktop size
// in device pixels, read once; nothing while there is no view.
class CScreenPort final : public ports::ScreenPort {
public:
    CScreenPort(const ScreenInfo& screen, std::function<bool()> hasView);

    std::optional<ports::DisplayMetrics> ViewDisplayMetrics() const override;

private:
    std::function<bool()> m_hasView;
    mutable CDpiHelper m_dpi;
};
