#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class COSVersion;

namespace app {

// The service-pack text of the running system ("Service Pack 6"), or
// nothing when the system cannot be asked.
using ServicePackTextReader = std::function<std::optional<std::string>()>;

// Whether the program may run on the detected system, with the messages to
// show in order. Outside the NT family and on NT 4.0 it refuses; a service
// pack found from the text is stored in version.
struct PlatformVerdict {
    bool supported = true;
    std::vector<std::string> messages;
};
PlatformVerdict CheckPlatform(COSVersion& version, const ServicePackTextReader& readServicePackText);

// True for NT 4.0 with service pack 6 or later; otherwise adds the refusal
// naming the service pack.
bool CheckNtServicePack(COSVersion& version, const ServicePackTextReader& readServicePackText,
                        std::vector<std::string>& messages);

// The screen's width over its height kept to two decimals, the quotient in
// single precision; 1.0 unless both sizes are known.
double AspectRatio(int widthMm, int heightMm);

inline constexpr unsigned kHelpContext = 1;
inline constexpr unsigned kHelpIndex = 3;
inline constexpr unsigned kHelpFinder = 11;

// Where a help request goes: the help file's contents, nowhere, or on as it came.
enum class HelpRoute { Finder, Ignore, PassOn };
HelpRoute RouteWinHelp(std::uintptr_t data);

}  // namespace app
