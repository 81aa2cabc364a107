#pragma once
#include "document/platform_ports.h"

namespace platform {

// The primary QScreen; a QGuiApplication must exist.
class QtScreenInfo final : public ScreenInfo {
public:
    std::optional<ScreenResolution> PrimaryResolution() const override;
    Rect PrimaryGeometry() const override;
    Size PhysicalSizeMm() const override;
};

class QtOsInfo final : public OsInfo {
public:
    std::string CpuArchitecture() const override;
    std::string PrettyProductName() const override;
};

// QFontDatabase's families that are scalable; a QGuiApplication must exist.
class QtFontCatalog final : public FontCatalog {
public:
    std::vector<std::string> ScalableFamilies() const override;
};

}  // namespace platform
