#include "app/version_info.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

#include "app/version.h"

std::optional<std::string> TableVersionResource::QueryValue(std::string_view path) const
{
    for (const auto& [rowPath, value] : m_rows)
        if (rowPath == path)
            return value;
    return std::nullopt;
}

const VersionResource& ProgramVersionResource()
{
    static const TableVersionResource resource({
        {std::string(kProductNamePath), TONALITH_PRODUCT_NAME},
        {std::string(kProductVersionPath), TONALITH_PRODUCT_VERSION},
        {std::string(kLegalCopyrightPath), TONALITH_LEGAL_COPYRIGHT},
    });
    return resource;
}

std::uint8_t CVersionInfo::ReadVersionStrings(const VersionResource& module, std::string& name,
                                              std::string& copyright, std::string& caption)
{
    if (m_bFound == kAll) {
        name = m_strProductName;
        copyright = m_strCopyright;
        caption = m_strVersionCaption;
        return kAll;
    }
    if (!module.Exists()) {
        m_bFound = 0;
        return 0;
    }

    std::uint8_t found = 0;
    if (const auto value = module.QueryValue(kProductNamePath)) {
        name = *value;
        found |= kName;
    } else {
        name.clear();
    }
    if (const auto value = module.QueryValue(kProductVersionPath)) {
        m_strProductVersion = *value;
        caption = "Version " + *value;
        m_bLoaded = 1;
        found |= kVersion;
    } else {
        caption.clear();
    }
    if (const auto value = module.QueryValue(kLegalCopyrightPath)) {
        copyright = *value;
        found |= kCopyright;
    } else {
        copyright.clear();
    }

    m_bFound = found;
    if (found == kAll) {
        m_strProductName = name;
        m_strCopyright = copyright;
        m_strVersionCaption = caption;
    }
    return found;
}

void CVersionInfo::EnsureLoaded()
{
    if (m_bLoaded)
        return;
    std::string name, copyright, caption;
    ReadVersionStrings(m_currentModule, name, copyright, caption);
}

std::uint32_t CVersionInfo::GetVersionNumber()
{
    EnsureLoaded();
    if (!m_bLoaded)
        return 0;
    return ParseDottedVersion(m_strProductVersion);
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading decimal digits, saturating at the largest 32-bit value.
std::uint32_t ReadDecimal(std::string_view text)
{
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(value * 10 + static_cast<std::uint64_t>(text[i] - '0'), kMax);
    return static_cast<std::uint32_t>(value);
}

// A part of the dotted version; 0 when it does not fit 16 bits.
std::uint32_t VersionPart(std::string_view text)
{
    const std::uint32_t value = ReadDecimal(text);
    return value > 0xFFFF ? 0 : value;
}

}  // namespace

std::uint32_t ParseDottedVersion(std::string_view text)
{
    constexpr std::size_t npos = std::string_view::npos;
    std::size_t firstDot = npos;
    std::size_t secondDot = npos;
    for (std::size_t i = 0; i < text.size() && secondDot == npos; ++i) {
        if (text[i] == '.') {
            (firstDot == npos ? firstDot : secondDot) = i;
        } else if (!IsDigit(text[i])) {
            return 0;
        }
    }
    if (firstDot == npos)
        return ReadDecimal(text);

    const std::uint32_t major = VersionPart(text.substr(0, firstDot));
    const std::size_t minorEnd = secondDot == npos ? text.size() : secondDot;
    const std::uint32_t minor = VersionPart(text.substr(firstDot + 1, minorEnd - firstDot - 1));
    return major << 16 | minor;
}

int CountCharInString(std::string_view text, char ch)
{
    return static_cast<int>(std::count(text.begin(), text.end(), ch));
}

namespace app {

std::string FormatVersion(const std::string& caption, CVersionInfo& versionInfo)
{
    if (CountCharInString(caption, '.') <= 1)
        return caption;
    const std::uint32_t number = versionInfo.GetVersionNumber();
    char text[32];
    std::snprintf(text, sizeof text, "Version %i.%i", static_cast<int>(number >> 16),
                  static_cast<int>(number & 0xFFFF));
    return text;
}

std::string FormatServicePack(std::uint16_t servicePackMajor)
{
    if (servicePackMajor == 0xFFFF)
        return {};
    return "SP " + std::to_string(servicePackMajor);
}

std::string PlatformLine(std::string_view systemName, const std::string& servicePack, bool hideDetail,
                         double aspectRatio)
{
    std::string line = "Platform: ";
    line += systemName;
    if (!hideDetail) {
        if (!servicePack.empty() && servicePack.size() <= 17)
            line += " (" + servicePack + ")";
        // "%.2f" without the user's locale, which may write a decimal comma.
        char ratio[64];
        const auto [end, error] = std::to_chars(ratio, ratio + sizeof ratio, aspectRatio, std::chars_format::fixed, 2);
        line += "  Aspect Ratio:";
        if (error == std::errc{})
            line.append(ratio, end);
    }
    return line;
}

}  // namespace app
