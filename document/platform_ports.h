#pragma once
#include <optional>
#include <string>
#include <vector>

#include "document/geometry.h"

// What the document side reads of the machine it runs on. platform/
// implements these on Qt; tests inject fixed values.

struct ScreenResolution {
    int logicalDpiX = 96;
    int logicalDpiY = 96;
    double devicePixelRatio = 1.0;
};

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    // The primary screen's logical dots per inch and device pixel ratio;
    // nothing when there is no screen.
    virtual std::optional<ScreenResolution> PrimaryResolution() const = 0;
    // The primary screen's geometry in device-independent pixels; empty
    // without a screen.
    virtual Rect PrimaryGeometry() const = 0;
    // The primary screen's physical width and height in millimetres; 0 when
    // unknown.
    virtual Size PhysicalSizeMm() const = 0;
};

class OsInfo {
public:
    virtual ~OsInfo() = default;
    // The processor architecture the program runs on: "x86_64", "arm64" ...
    virtual std::string CpuArchitecture() const = 0;
    // The operating system's name for people, such as "Debian GNU/Linux 12".
    virtual std::string PrettyProductName() const = 0;
};

class FontCatalog {
public:
    virtual ~FontCatalog() = default;
    // The installed scalable font families, in the catalogue's order.
    virtual std::vector<std::string> ScalableFamilies() const = 0;
};
