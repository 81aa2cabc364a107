#include "app/startup_checks.h"

#include <cmath>
#include <cstdio>

#include "app/os_version.h"
#include "res/string_table.h"

namespace app {
namespace {

constexpr std::uint16_t kUnknownServicePack = 0xFFFF;

// "Service Pack " and one more character from "6" to "?" give 6 to 15.
std::uint16_t ServicePackFromText(const std::string& text)
{
    constexpr std::string_view prefix = "Service Pack ";
    if (text.empty() || text.size() > 127 || text.size() <= prefix.size() || !text.starts_with(prefix))
        return kUnknownServicePack;
    const unsigned char code = static_cast<unsigned char>(text[prefix.size()]);
    if (code < 0x36 || code > 0x3F)
        return kUnknownServicePack;
    return static_cast<std::uint16_t>(code - 0x30);
}

void StoreServicePack(COSVersion& version, std::uint16_t servicePack)
{
    std::uint16_t minor = 0;
    version.GetServicePack(minor);
    OsVersionInfoEx info;
    info.platformId = version.GetPlatformId();
    info.majorVersion = version.GetMajorVersion();
    info.minorVersion = version.GetMinorVersion();
    info.servicePackMajor = servicePack;
    info.servicePackMinor = minor;
    info.productType = version.GetProductType();
    version.CopyVersionInfoEx(info);
}

}  // namespace

bool CheckNtServicePack(COSVersion& version, const ServicePackTextReader& readServicePackText,
                        std::vector<std::string>& messages)
{
    std::uint16_t minor = 0;
    std::uint16_t servicePack = version.GetServicePack(minor);
    if (servicePack == kUnknownServicePack) {
        const std::optional<std::string> text = readServicePackText ? readServicePackText() : std::nullopt;
        if (!text) {
            messages.emplace_back(res::kTextGetVersionFailed);
        } else {
            servicePack = ServicePackFromText(*text);
            if (servicePack != kUnknownServicePack)
                StoreServicePack(version, servicePack);
        }
    }
    if (servicePack != kUnknownServicePack && servicePack >= 6)
        return true;

    std::string message;
    if (servicePack == kUnknownServicePack) {
        message = res::kTextNt4SpUndefined;
    } else {
        char line[64];
        std::snprintf(line, sizeof line, "Running on Win NT 4.0 SP %i\n", servicePack);
        message = line;
    }
    message += res::kTextNt4Unsupported;
    messages.push_back(std::move(message));
    return false;
}

PlatformVerdict CheckPlatform(COSVersion& version, const ServicePackTextReader& readServicePackText)
{
    PlatformVerdict verdict;
    if (!version.IsNtPlatform()) {
        switch (version.GetPlatformId()) {
        case kPlatformWin32s: verdict.messages.emplace_back(res::kTextWin32s); break;
        case kPlatformWin32Windows: verdict.messages.emplace_back(res::kTextWin9x); break;
        default: verdict.messages.emplace_back(res::kTextUnsupportedOs); break;
        }
        verdict.supported = false;
        return verdict;
    }
    if (version.GetPlatformId() == kPlatformWin32Nt && version.GetMajorVersion() == 4) {
        if (CheckNtServicePack(version, readServicePackText, verdict.messages))
            verdict.messages.emplace_back(res::kTextNt4Sp6);
        // NT 4.0 is refused whatever its service pack.
        verdict.supported = false;
    }
    return verdict;
}

double AspectRatio(int widthMm, int heightMm)
{
    if (widthMm <= 0 || heightMm <= 0)
        return 1.0;
    const float quotient = static_cast<float>(widthMm) / static_cast<float>(heightMm);
    return std::trunc((static_cast<double>(quotient) + 0.005) * 100.0) / 100.0;
}

HelpRoute RouteWinHelp(std::uintptr_t data)
{
    switch (data) {
    case 0x20080:
    case 0x20081: return HelpRoute::Finder;
    case 0x5E800:
    case 0x5E81B: return HelpRoute::Ignore;
    default: return HelpRoute::PassOn;
    }
}

}  // namespace app
