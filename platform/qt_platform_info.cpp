#include "platform/qt_platform_info.h"

#include <cmath>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

#include "platform/qt_rect.h"

namespace platform {

namespace {

const QScreen* primaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                         : nullptr;
}

}  // namespace

std::optional<ScreenResolution> QtScreenInfo::PrimaryResolution() const
{
    const QScreen* screen = primaryScreen();
    if (!screen)
        return std::nullopt;
    return ScreenResolution{static_cast<int>(std::lround(screen->logicalDotsPerInchX())),
                            static_cast<int>(std::lround(screen->logicalDotsPerInchY())),
                            screen->devicePixelRatio()};
}

Rect QtScreenInfo::PrimaryGeometry() const
{
    const QScreen* screen = primaryScreen();
    if (!screen)
        return {};
    return fromQRect(screen->geometry());
}

Size QtScreenInfo::PhysicalSizeMm() const
{
    const QScreen* screen = primaryScreen();
    if (!screen)
        return {};
    const QSizeF mm = screen->physicalSize();
    return {static_cast<int>(std::lround(mm.width())), static_cast<int>(std::lround(mm.height()))};
}

std::string QtOsInfo::CpuArchitecture() const
{
    return QSysInfo::currentCpuArchitecture().toStdString();
}

std::string QtOsInfo::PrettyProductName() const
{
    return QSysInfo::prettyProductName().toStdString();
}

std::vector<std::string> QtFontCatalog::ScalableFamilies() const
{
    std::vector<std::string> faces;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return faces;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family))
            faces.push_back(family.toStdString());
    }
    return faces;
}

}  // namespace platform
